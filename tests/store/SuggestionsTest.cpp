// The suggestion look-ups on a real main database: literal matching, the patient items
// and the values they remember, the phrase kinds, and the indexes on old files.
#include "store/Suggestions.h"

#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/PhraseList.h"
#include "support/SuggestionRows.h"

#include <gtest/gtest.h>

namespace {

class SuggestionsTest : public testing_support::SuggestionRowsTest {
 protected:
  QStringList patientItems(const QString& typed, int year = 2019) {
    store::Database d(db);
    QStringList items;
    for (const store::PatientSuggestion& p : store::patientSuggestions(d, typed, year)) items << p.item;
    return items;
  }
};

TEST_F(SuggestionsTest, PatientsMatchTheTypedTextLiterallyAnywhereInTheirKey) {
  addPatient("张三", "1980");
  addPatient("张%", "1990");
  addPatient("O'Neil", "2000");
  addPatient("李_四", "1975");
  addPatient("张a\\b", "1985");

  struct Case {
    const char* typed;
    QStringList items;
  };
  const Case cases[] = {
      {"张", {"张三[39岁]", "张%[29岁]", "张a\\b[34岁]"}},
      {"ZS", {"张三[39岁]"}},  // initials in any letter case
      {"1980", {"张三[39岁]"}},  // the birth year is part of the key
      {"%", {"张%[29岁]"}},
      {"_", {"李_四[44岁]"}},
      {"O'", {"O'Neil[19岁]"}},
      {"\\", {"张a\\b[34岁]"}},
      {" 张", {}},  // the name is searched as typed
      {"", {"张三[39岁]", "张%[29岁]", "O'Neil[19岁]", "李_四[44岁]", "张a\\b[34岁]"}},
  };
  for (const Case& c : cases) EXPECT_EQ(patientItems(c.typed), c.items) << c.typed;
}

TEST_F(SuggestionsTest, APatientWithoutAWholeBirthYearIsLeftOut) {
  addPatient("张一", "1980");
  addPatient("张二", "八十");
  addPatient("张三", QString());
  addPatient("张四", " 2001 ");
  EXPECT_EQ(patientItems("张", 2026), QStringList({"张一[46岁]", "张四[25岁]"}));
}

TEST_F(SuggestionsTest, PhrasesOfTheirOwnListAndSymptomsMatchLiterally) {
  addPhrase("感冒", store::PhraseList::Diagnoses);
  addPhrase("急性胃炎", store::PhraseList::Diagnoses);
  addPhrase("100%烫伤", store::PhraseList::Diagnoses);
  addPhrase("感冒村", store::PhraseList::Addresses);
  addPhrase("王家_庄", store::PhraseList::Addresses);
  store::Database d(db);

  using store::PhraseList;
  EXPECT_EQ(store::phraseSuggestions(d, PhraseList::Diagnoses, ""), QStringList({"感冒", "急性胃炎", "100%烫伤"}));
  EXPECT_EQ(store::phraseSuggestions(d, PhraseList::Diagnoses, "GM"), QStringList({"感冒"}));
  EXPECT_EQ(store::phraseSuggestions(d, PhraseList::Diagnoses, "%"), QStringList({"100%烫伤"}));
  EXPECT_EQ(store::phraseSuggestions(d, PhraseList::Diagnoses, "'"), QStringList());
  EXPECT_EQ(store::phraseSuggestions(d, PhraseList::Addresses, "感冒"), QStringList({"感冒村"}));
  EXPECT_EQ(store::phraseSuggestions(d, PhraseList::Addresses, "_"), QStringList({"王家_庄"}));

  addSymptom("发热，体温39℃");
  addSymptom("咳嗽");
  addSymptom("10%");
  EXPECT_EQ(store::symptomSuggestions(d, ""), QStringList({"发热，体温39℃", "咳嗽", "10%"}));
  EXPECT_EQ(store::symptomSuggestions(d, "ks"), QStringList({"咳嗽"}));  // by the key's initials
  EXPECT_EQ(store::symptomSuggestions(d, "%"), QStringList({"10%"}));
}

TEST_F(SuggestionsTest, StartUpAddsTheLookUpIndexesToAnOldFile) {
  const auto indexes = [&] {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), R"(SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name IN ('患者信息', '诊断', '地址'))");
    QStringList names;
    while (q.executeStep()) names << store::columnText(q, 0);
    names.sort();
    return names;
  };
  exec(R"(DROP INDEX "患者信息_序号";)");  // a file made before the index
  const QStringList shipped = indexes();
  const QString stock = QDir(folder.path()).filePath(startup::kStockDbFile);
  ASSERT_TRUE(startup::ensureQueryIndexes(db, stock));
  ASSERT_TRUE(startup::ensureQueryIndexes(db, stock));  // once there, kept as they are
  EXPECT_FALSE(shipped.contains("患者信息_序号"));
  QStringList expected = shipped;
  expected << "患者信息_序号";
  expected.sort();
  EXPECT_EQ(indexes(), expected);
}

}  // namespace
