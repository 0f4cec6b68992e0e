// Keys for rows typed into the catalogue grid.
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace catalogue {

// A new row's ID号: the local time "yymmddhhmmss", this workstation's code and a counter
// that only grows while the window is open. Two rows begun within one second, or at the
// same second on two workstations, get different keys; a key that the table already
// holds (from an earlier run in the same second) is passed over.
class RowKeys {
 public:
  using Clock = std::function<QDateTime()>;
  using Taken = std::function<bool(const QString& key)>;

  explicit RowKeys(QString stationCode, Clock clock = [] { return QDateTime::currentDateTime(); });

  QString next(const Taken& taken);

 private:
  QString station_;
  Clock clock_;
  qint64 counter_ = 0;
};

}  // namespace catalogue
