// The header fields as the physician fills them: the sex digits, the fee total, the
// look-ups that changes and focus start, the Enter walk, the Down key, and the picks that
// edit a text (diagnosis words, symptom phrases).
#include "prescription/service/HeaderFields.h"

#include "prescription/service/PrescriptionState.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;

HeaderTexts with(int field, const QString& text) {
  HeaderTexts texts;
  texts[field] = text;
  return texts;
}

TEST(SexField, DigitsBecomeTheSexAlsoWhileBusyAndAClickToggles) {
  struct Case {
    const char* typed;
    std::optional<QString> replaced;
  };
  const Case cases[] = {{"1", "男"}, {"2", "女"}, {"3", std::nullopt}, {"男", std::nullopt}, {"", std::nullopt}, {"12", std::nullopt}};
  for (bool busy : {false, true})
    for (const Case& c : cases) {
      const FieldChange change = headerFieldChange(header::kSex, with(header::kSex, c.typed), busy);
      EXPECT_EQ(change.replaceText, c.replaced) << c.typed << " busy " << busy;
      EXPECT_TRUE(change.caretToEnd);
      EXPECT_FALSE(change.lookUp);
    }
  // Empty, then every click toggles.
  EXPECT_EQ(sexAfterClick(""), "男");
  EXPECT_EQ(sexAfterClick("男"), "女");
  EXPECT_EQ(sexAfterClick("女"), "男");
  EXPECT_EQ(sexAfterClick("x"), "男");
}

TEST(FeeTotal, SumsDrugAndOtherFeesAndStaysWhileBusy) {
  struct Case {
    const char* drug;
    const char* other;
    const char* total;
  };
  const Case cases[] = {
      {"12.5", "", "12.50"}, {"12.5", "3", "15.50"}, {"0", "0", ""},  {"", "", ""},
      {"1.005", "", "1.01"}, {"7元", "2.5x", "9.50"}, {"0.001", "", ""}, {"-2", "2", "2.00"},
      {"30", "-5", "30.00"},  // a sign is no digit
  };
  for (const Case& c : cases) {
    HeaderTexts texts;
    texts[header::kDrugFee] = c.drug;
    texts[header::kOtherFee] = c.other;
    EXPECT_EQ(feeTotal(c.drug, c.other), c.total) << c.drug << " + " << c.other;
    for (int field : {header::kDrugFee, header::kOtherFee}) {
      EXPECT_EQ(headerFieldChange(field, texts, false).total, QString(c.total)) << field;
      EXPECT_FALSE(headerFieldChange(field, texts, true).total) << "busy leaves 合计 alone";
    }
  }
  // Other fields never touch the total.
  EXPECT_FALSE(headerFieldChange(header::kTotal, with(header::kTotal, "5"), false).total);
}

TEST(FieldChange, StartsTheLookUpOfItsFieldUnlessBusy) {
  struct Case {
    int field;
    const char* text;
    std::optional<SuggestionList> list;
    const char* contains;
    std::optional<SuggestionList> hidden;
  };
  const Case cases[] = {
      {header::kName, " 张", SuggestionList::Patients, " 张", {}},  // the name as typed
      {header::kName, "", {}, "", SuggestionList::Patients},       // emptied: hidden only
      {header::kAddress, " 城关 ", SuggestionList::Addresses, "城关", {}},
      {header::kDiagnosis, "感冒 咳", SuggestionList::Diagnoses, "咳", {}},
      {header::kDiagnosis, "感冒 ", SuggestionList::Diagnoses, "", {}},  // a trailing blank lists all
      {header::kDiagnosis, " 感冒", SuggestionList::Diagnoses, "感冒", {}},
      {header::kDepartment, "内科", {}, "", {}},
  };
  for (const Case& c : cases) {
    const FieldChange change = headerFieldChange(c.field, with(c.field, c.text), false);
    ASSERT_EQ(change.lookUp.has_value(), c.list.has_value()) << c.field << c.text;
    if (c.list) {
      EXPECT_EQ(change.lookUp->list, *c.list);
      EXPECT_EQ(change.lookUp->contains, c.contains) << c.text;
      EXPECT_TRUE(change.lookUp->hideFirst);
    }
    EXPECT_EQ(change.hide, c.hidden);
    const FieldChange busy = headerFieldChange(c.field, with(c.field, c.text), true);
    EXPECT_FALSE(busy.lookUp);
    EXPECT_FALSE(busy.hide);
  }
}

TEST(FieldFocus, HidesTheOtherListsAndListsAddressesAndDiagnoses) {
  for (int field = 0; field < header::kCount; ++field)
    for (bool busy : {false, true}) {
      const FieldFocus focus = headerFieldFocus(field, with(field, " 城 "), busy);
      const std::array<bool, 3> hidden = {field != header::kName, field != header::kAddress,
                                          field != header::kDiagnosis};
      EXPECT_EQ(focus.hide, hidden) << field;
      const bool looksUp = !busy && (field == header::kAddress || field == header::kDiagnosis);
      ASSERT_EQ(focus.lookUp.has_value(), looksUp) << field;
      if (looksUp) { EXPECT_FALSE(focus.lookUp->hideFirst); }
    }
  // The address on focus is searched with its blanks, the diagnosis by its last word.
  EXPECT_EQ(headerFieldFocus(header::kAddress, with(header::kAddress, " 城 "), false).lookUp->contains, " 城 ");
  EXPECT_EQ(headerFieldFocus(header::kDiagnosis, with(header::kDiagnosis, ""), false).lookUp->contains, "");
  EXPECT_EQ(headerFieldFocus(header::kDiagnosis, with(header::kDiagnosis, "甲 乙"), false).lookUp->contains, "乙");
  // The symptom search runs whatever the busy flag, trimmed, on change and on focus.
  const LookUp symptoms = symptomLookUp(" 发热 ", true);
  EXPECT_EQ(symptoms.list, SuggestionList::Symptoms);
  EXPECT_EQ(symptoms.contains, "发热");
  EXPECT_TRUE(symptoms.hideFirst);
  EXPECT_FALSE(symptomLookUp("", false).hideFirst);
}

TEST(DiagnosisPick, ReplacesOnlyTheLastWord) {
  struct Case {
    const char* field;
    const char* phrase;
    const char* after;
  };
  const Case cases[] = {
      {"感冒 咳", "咳嗽", "感冒 咳嗽"},
      {"感冒 ", "咳嗽", "感冒 咳嗽"},  // after a trailing blank: appended
      {"咳", "咳嗽", "咳嗽"},
      {"", "咳嗽", "咳嗽"},
      {"甲 乙  丙", "丁", "甲 乙  丁"},
  };
  for (const Case& c : cases) EXPECT_EQ(diagnosisAfterPick(c.field, c.phrase), c.after) << c.field;
}

TEST(HeaderKeys, EnterWalksTheTabOrderAndDownIsSwallowedEverywhere) {
  // Enter: 姓名 → 性别 → 年龄 → 科别 → 住址 → 日期 → 诊断 → 过敏史 → the drug search box.
  const int walk[] = {0, 1, 2, 3, 4, 5, 6, 13};
  for (size_t i = 0; i < std::size(walk); ++i) {
    const FieldKey key = headerFieldKey(walk[i], Qt::Key_Return, false);
    EXPECT_TRUE(key.swallow);
    if (i + 1 < std::size(walk)) {
      EXPECT_EQ(key.target, KeyTarget::Field) << walk[i];
      EXPECT_EQ(key.field, walk[i + 1]);
    } else {
      EXPECT_EQ(key.target, KeyTarget::SearchBox);
    }
  }
  EXPECT_EQ(headerFieldKey(header::kPhysician, Qt::Key_Enter, false).target, KeyTarget::NextControl);

  for (int field = 0; field < header::kCount; ++field)
    for (bool shown : {false, true}) {
      const FieldKey down = headerFieldKey(field, Qt::Key_Down, shown);
      EXPECT_TRUE(down.swallow) << field;
      EXPECT_EQ(down.list, listOfField(field));
      const bool intoList = shown && listOfField(field).has_value();
      EXPECT_EQ(down.target, intoList ? KeyTarget::List : KeyTarget::None) << field;
    }
  EXPECT_EQ(listOfField(header::kName), SuggestionList::Patients);
  EXPECT_EQ(listOfField(header::kAddress), SuggestionList::Addresses);
  EXPECT_EQ(listOfField(header::kDiagnosis), SuggestionList::Diagnoses);
  // Other keys are the box's own.
  EXPECT_FALSE(headerFieldKey(header::kName, Qt::Key_A, true).swallow);
  EXPECT_FALSE(headerFieldKey(header::kName, Qt::Key_Up, true).swallow);
}

TEST(SymptomPick, JoinsPhrasesWithCommasAndEndsWithAFullStop) {
  struct Case {
    const char* text;
    int selectionStart;
    int selectionLength;
    const char* after;
    int caret;
  };
  const Case cases[] = {
      {"", 0, 0, "乙。", 2},
      {"甲。", 2, 0, "甲、乙。", 4},         // at the end: the closing "。" becomes "、"
      {"甲、丙。", 2, 0, "甲、乙、丙。", 4},  // in the middle
      {"甲。丙。", 2, 0, "甲、乙、丙。", 4},  // "。" before the caret becomes "、"
      {"甲、丙。", 2, 1, "甲、乙、。", 4},     // a selection replaced
      {"甲、丙。", 0, 0, "乙、甲、丙。", 2},  // at the start
  };
  for (const Case& c : cases) {
    const TextEdit edit = insertSymptom(c.text, c.selectionStart, c.selectionLength, "乙");
    EXPECT_EQ(edit.text, c.after) << c.text;
    EXPECT_EQ(edit.caret, c.caret) << c.text;
  }
  // Two picks in a row into an empty box.
  const TextEdit first = insertSymptom("", 0, 0, "甲");
  EXPECT_EQ(insertSymptom(first.text, first.caret, 0, "乙").text, "甲、乙。");

  // A caption click runs the first step alone.
  EXPECT_EQ(commaBeforeCaret("甲。", 2), "甲、");
  EXPECT_EQ(commaBeforeCaret("甲。", 0), "甲。");
  EXPECT_EQ(commaBeforeCaret("甲。乙", 3), "甲。乙");
}

}  // namespace
