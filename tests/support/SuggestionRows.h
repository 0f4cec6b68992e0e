// The rows the suggestion lists read, each made with its stored search key, and a main
// database with an empty patient register, phrase lists and symptoms to hold them.
#pragma once

#include "store/PhraseList.h"
#include "support/MainDbFixture.h"
#include "text/SearchKeys.h"

#include <optional>

namespace testing_support {

// A register row of the main database at `mainDb`, at `rowid` when given; a null allergy
// stores NULL. The other columns are made from the name, so that a test can tell whose
// they are.
inline void addPatientRow(const QString& mainDb, const QString& name, const QString& birthYear,
                          const QString& allergy = "无", std::optional<int> rowid = std::nullopt) {
  store::Database d(mainDb);
  SQLite::Statement q(d.sql(), R"(INSERT INTO "患者信息" (rowid, "序号", "姓名", "性别", "年龄", "费别", "医疗证号",
      "住址", "电话", "过敏史") VALUES (?, ?, ?, '女', ?, '医保', ?, ?, ?, ?))");
  if (rowid) q.bind(1, *rowid);
  store::bindText(q, 2, text::PatientKey(name, birthYear));
  store::bindText(q, 3, name);
  store::bindText(q, 4, birthYear);
  store::bindText(q, 5, "卡" + name);
  store::bindText(q, 6, "住在" + name);
  store::bindText(q, 7, "电话" + name);
  store::bindText(q, 8, allergy);
  q.exec();
}

inline void addPhraseRow(const QString& mainDb, const QString& phrase, const QString& list) {
  store::Database d(mainDb);
  store::PhraseList(d, list).add({{phrase, text::NameInitialsKey(phrase)}});
}

inline void addSymptomRow(const QString& mainDb, const QString& symptom) {
  store::Database d(mainDb);
  SQLite::Statement q(d.sql(), R"(INSERT INTO "地址" ("名称", "拼音", "序号") VALUES (?, 'x', ?))");
  store::bindText(q, 1, symptom);
  store::bindText(q, 2, text::SymptomKey(symptom));
  q.exec();
}

class SuggestionRowsTest : public MainDbTest {
 protected:
  SuggestionRowsTest() { exec(R"(DELETE FROM "地址"; DELETE FROM "患者信息";)"); }

  void addPatient(const QString& name, const QString& birthYear, const QString& allergy = "无",
                  std::optional<int> rowid = std::nullopt) {
    addPatientRow(db, name, birthYear, allergy, rowid);
  }
  void addPhrase(const QString& phrase, const QString& list) { addPhraseRow(db, phrase, list); }
  void addSymptom(const QString& symptom) { addSymptomRow(db, symptom); }
};

}  // namespace testing_support
