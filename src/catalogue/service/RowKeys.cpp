#include "catalogue/service/RowKeys.h"

namespace catalogue {

RowKeys::RowKeys(QString stationCode, Clock clock) : station_(std::move(stationCode)), clock_(std::move(clock)) {}

QString RowKeys::next(const Taken& taken) {
  const QString stamp = clock_().toString(QStringLiteral("yyMMddHHmmss"));
  QString key;
  do {
    key = stamp + station_ + QString::number(++counter_);
  } while (taken && taken(key));
  return key;
}

}  // namespace catalogue
