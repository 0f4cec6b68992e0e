// The suggestion lists under the prescription window's header fields: patients from the
// register (患者信息), address and diagnosis phrases (诊断) and common symptoms (地址).
// Each look-up matches the typed text literally anywhere in the row's search key: "%",
// "_", "\" and the apostrophe are characters like any other; ASCII letter case does not
// matter. Rows come in table order.
#pragma once

#include "store/Database.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace store {

// One patient of the list, with the values of the row it was made from. A pick fills the
// header from these values, so it shows the patient the item showed even when another
// workstation has changed the register since. A column without a value is nullopt.
struct PatientSuggestion {
  QString item;  // 姓名 "[" age "岁]"
  int age = 0;   // the current year minus the stored birth year
  std::optional<QString> name, sex, feeCategory, insuranceNumber, address, phone, allergy;
};

// The patients whose key (序号: name, initials, birth year) holds `typed`. The register
// keeps the birth year in 年龄; a row whose birth year is not a whole number cannot show
// an age and is left out.
std::vector<PatientSuggestion> patientSuggestions(Database& db, const QString& typed, int currentYear);

// The phrases (序号) of the phrase list `list` (诊断.拼音, see PhraseList) whose key
// (名称: phrase, "-", initials) holds `contains`.
QStringList phraseSuggestions(Database& db, const QString& list, const QString& contains);

// The symptoms (名称) whose key (序号: symptom and initials) holds `contains`.
QStringList symptomSuggestions(Database& db, const QString& contains);

// The index of the patients' keys, which the patient look-up scans instead of the
// register's rows; created when missing, also on files made before it existed. The phrase
// lists and the symptoms are read in table order: a scan of the table is quicker there
// than an index that must then be sorted back into that order.
void ensureSuggestionIndexes(Database& db);

}  // namespace store
