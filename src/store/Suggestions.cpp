#include "store/Suggestions.h"

#include "store/LikePattern.h"
#include "text/Blank.h"

namespace store {
namespace {

std::optional<QString> optionalColumn(const SQLite::Statement& query, int index) {
  QString value = columnText(query, index);
  if (value.isNull()) return std::nullopt;
  return value;
}

std::optional<int> wholeNumber(const std::optional<QString>& text) {
  if (!text) return std::nullopt;
  bool ok = false;
  const int value = text::trimBlanks(*text).toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

QStringList firstColumn(SQLite::Statement& query) {
  QStringList values;
  while (query.executeStep()) values << columnText(query, 0);
  return values;
}

}  // namespace

std::vector<PatientSuggestion> patientSuggestions(Database& db, const QString& typed, int currentYear) {
  // The keys are matched in their index, much smaller than the rows; only the rows found
  // are read.
  SQLite::Statement query(db.sql(), R"(SELECT "姓名", "性别", "年龄", "费别", "医疗证号", "住址", "电话", "过敏史"
      FROM "患者信息" WHERE rowid IN (SELECT rowid FROM "患者信息" WHERE "序号" LIKE ? ESCAPE '\') ORDER BY rowid)");
  bindText(query, 1, containsPattern(typed));
  std::vector<PatientSuggestion> patients;
  while (query.executeStep()) {
    const std::optional<int> birthYear = wholeNumber(optionalColumn(query, 2));
    if (!birthYear) continue;
    PatientSuggestion patient;
    patient.age = currentYear - *birthYear;
    patient.name = optionalColumn(query, 0);
    patient.sex = optionalColumn(query, 1);
    patient.feeCategory = optionalColumn(query, 3);
    patient.insuranceNumber = optionalColumn(query, 4);
    patient.address = optionalColumn(query, 5);
    patient.phone = optionalColumn(query, 6);
    patient.allergy = optionalColumn(query, 7);
    patient.item = patient.name.value_or(QString()) + u'[' + QString::number(patient.age) + QStringLiteral("岁]");
    patients.push_back(std::move(patient));
  }
  return patients;
}

QStringList phraseSuggestions(Database& db, const QString& list, const QString& contains) {
  SQLite::Statement query(db.sql(), R"(SELECT "序号" FROM "诊断" WHERE "拼音" = ? AND "名称" LIKE ? ESCAPE '\' ORDER BY rowid)");
  bindText(query, 1, list);
  bindText(query, 2, containsPattern(contains));
  return firstColumn(query);
}

QStringList symptomSuggestions(Database& db, const QString& contains) {
  SQLite::Statement query(db.sql(), R"(SELECT "名称" FROM "地址" WHERE "序号" LIKE ? ESCAPE '\' ORDER BY rowid)");
  bindText(query, 1, containsPattern(contains));
  return firstColumn(query);
}

void ensureSuggestionIndexes(Database& db) {
  db.exec(R"(CREATE INDEX IF NOT EXISTS "患者信息_序号" ON "患者信息" ("序号");)");
}

}  // namespace store
