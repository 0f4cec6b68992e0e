// The visits of the outpatient log: per saved prescription record of [档案] the patient's
// name, sex, age, diagnosis, address and visit day, read over a range of visit times.
#pragma once

#include "store/Database.h"

#include <QString>

#include <vector>

namespace store {

struct VisitRow {
  QString name;       // [0]
  QString sex;        // [1]
  QString age;        // [2]
  QString diagnosis;  // [6]
  QString address;    // [4], address or telephone
  QString visitDate;  // [5] as "yyyy-mm-dd", without the time
};

class VisitLog {
 public:
  explicit VisitLog(Database& db) : db_(db) {}

  // The number of records whose visit time [5] is from `from` up to, not including,
  // `before` (texts compared as stored), counting no further than `atMost`.
  int count(const QString& from, const QString& before, int atMost);
  // Those records in prescription-number order.
  std::vector<VisitRow> visits(const QString& from, const QString& before);

 private:
  Database& db_;
};

}  // namespace store
