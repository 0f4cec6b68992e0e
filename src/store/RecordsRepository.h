// The prescription records (档案) and the patient register (患者信息). Every value is
// bound; a failure throws SQLite::Exception and the caller's transaction decides what
// stays.
#pragma once

#include "store/Database.h"
#include "store/RecordRows.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace store {

// What one history item shows of a record, and the key it stands for.
struct HistoryRow {
  QString serial;        // 序号
  QString name;          // "0"
  QString sex;           // "1"
  QString age;           // "2"
  QString visitDate;     // "5" as stored
  QString dispenseMark;  // 发药
};

struct HistoryFilter {
  enum class Column { Name, NameInitials };  // "0", or "40" (name & "-" & initials)
  Column column = Column::Name;
  // The text the column must hold, literally, ASCII letters in either case; empty lists
  // every record.
  QString contains;
  // The visit dates from (included) and before (excluded), "yyyy-mm-dd".
  QString from;
  QString before;
};

class RecordsRepository {
 public:
  explicit RecordsRepository(Database& db) : db_(db) {}

  // 发药 of the stored record of a serial; nullopt when the serial has no row.
  std::optional<QString> dispenseMark(const QString& serial);
  // Rewrites every written column of the serial's row, or adds the row.
  void write(const RecordRow& record);
  // The stored record of a serial; nullopt when it has none.
  std::optional<RecordRow> record(const QString& serial);
  // Deletes the record of a serial; false when it had none.
  bool remove(const QString& serial);
  // Visits the stored serials from `first` on, in the order of their unique index (ASCII
  // letters compared without case, as the serial itself is), until `visit` returns false.
  void serialsFrom(const QString& first, const std::function<bool(const QString& serial)>& visit);

  // Whether the file holds at least one record.
  bool holdsAny();
  // Records whose visit date lies in [from, before).
  int visitCount(const QString& from, const QString& before);
  // The records of a history query, newest prescription number first.
  std::vector<HistoryRow> history(const HistoryFilter& filter);

  // Rewrites the register rows of the patient's key, or adds one.
  void writePatient(const PatientRow& patient);

 private:
  Database& db_;
};

// The index that walks the history newest number first and tests the date and the name
// on its own entries (store/HistoryPages).
inline constexpr const char* kHistoryPagesIndex = "档案_序号筛选";

// The indexes the history list reads: the visit date, the name with the visit date and
// the name's initials key with the visit date. Created when missing, on old files too.
// The pages index is not among them: on a large file it takes seconds to make, holding
// the file's lock all that time (see makeHistoryPagesIndex).
void ensureRecordIndexes(Database& db);

}  // namespace store
