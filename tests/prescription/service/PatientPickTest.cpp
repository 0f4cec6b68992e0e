// Picking a returning patient: the header is filled from the values the picked item
// remembered, even when another workstation added a patient between listing and pick.
#include "prescription/service/PatientPick.h"

#include "prescription/service/PrescriptionState.h"
#include "prescription/service/SuggestionLookUp.h"
#include "support/SuggestionRows.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;

class PatientPickTest : public testing_support::SuggestionRowsTest {};

TEST_F(PatientPickTest, FillsTheFieldsFromTheListedRowAndMovesOnToTheDiagnosis) {
  addPatient("张三", "1980", "青霉素", 10);
  addPatient("张珊", "1985", QString(), 20);
  addPhrase("上呼吸道感染", store::PhraseList::Diagnoses);
  addPhrase("感冒", store::PhraseList::Diagnoses);

  // The physician types "zs" into 姓名: both are listed.
  HeaderTexts texts;
  texts[header::kName] = "zs";
  texts[header::kDepartment] = "内儿科";
  texts[header::kAllergy] = "无";
  texts[header::kDiagnosis] = "感冒 ";
  const FieldChange typed = headerFieldChange(header::kName, texts, false);
  ASSERT_TRUE(typed.lookUp);
  ASSERT_EQ(typed.lookUp->list, SuggestionList::Patients);
  const Suggestions shown = lookUpSuggestions(db, *typed.lookUp, 2019);
  EXPECT_EQ(shown.items, QStringList({"张三[39岁]", "张珊[34岁]"}));
  const std::vector<store::PatientSuggestion>& listed = shown.patients;
  ASSERT_EQ(listed.size(), 2u);

  // Another workstation registers a patient who sorts between them, then 张珊 is picked.
  addPatient("张山", "1950", "磺胺", 15);
  const store::PatientSuggestion& picked = listed[1];

  // The fields in the order the window writes them; 过敏史 had no value and is left out.
  std::vector<int> order;
  for (const auto& [field, value] : patientPickFields(picked)) order.push_back(field);
  EXPECT_EQ(order, (std::vector<int>{header::kName, header::kSex, header::kAge, header::kFeeCategory,
                                     header::kInsuranceNumber, header::kAddress, header::kPhone}));

  applyPatientPick(texts, picked);
  EXPECT_EQ(texts[header::kName], "张珊");
  EXPECT_EQ(texts[header::kSex], "女");
  EXPECT_EQ(texts[header::kAge], "34岁");
  EXPECT_EQ(texts[header::kFeeCategory], "医保");
  EXPECT_EQ(texts[header::kInsuranceNumber], "卡张珊");
  EXPECT_EQ(texts[header::kAddress], "住在张珊");
  EXPECT_EQ(texts[header::kPhone], "电话张珊");
  EXPECT_EQ(texts[header::kAllergy], "无");  // kept: the row held no allergy history
  EXPECT_EQ(texts[header::kDepartment], "内儿科");

  // The diagnosis field takes the focus: the patient list goes, the diagnoses open.
  const FieldFocus focus = headerFieldFocus(header::kDiagnosis, texts, false);
  EXPECT_TRUE(focus.hide[0]);
  ASSERT_TRUE(focus.lookUp);
  EXPECT_EQ(focus.lookUp->list, SuggestionList::Diagnoses);
  EXPECT_EQ(lookUpSuggestions(db, *focus.lookUp, 2019).items, QStringList({"上呼吸道感染", "感冒"}));
}

}  // namespace

namespace {

TEST_F(PatientPickTest, EachListReadsItsOwnRowsAndAnUnreadableFileListsNothing) {
  addPatient("王五", "1970");
  addPhrase("王家村", store::PhraseList::Addresses);
  addPhrase("王氏综合征", store::PhraseList::Diagnoses);
  addSymptom("王某某症状");
  struct Case {
    SuggestionList list;
    QStringList items;
  };
  const Case cases[] = {{SuggestionList::Patients, {"王五[54岁]"}},
                        {SuggestionList::Addresses, {"王家村"}},
                        {SuggestionList::Diagnoses, {"王氏综合征"}},
                        {SuggestionList::Symptoms, {"王某某症状"}}};
  for (const Case& c : cases) {
    EXPECT_EQ(lookUpSuggestions(db, {c.list, "王"}, 2024).items, c.items);
    EXPECT_TRUE(lookUpSuggestions(folder.sub("无此文件.dat"), {c.list, "王"}, 2024).items.isEmpty());
  }
  folder.writeFile("坏.dat", "not a database at all, not even close to one");
  EXPECT_TRUE(lookUpSuggestions(folder.sub("坏.dat"), {SuggestionList::Patients, "王"}, 2024).items.isEmpty());
}

}  // namespace
