#include "text/Dates.h"

#include "text/Blank.h"

#include <QRegularExpression>

namespace text {

QString isoDate(const QDate& date) {
  if (!date.isValid()) return QString();
  return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

QString isoDateTime(const QDateTime& time) {
  if (!time.isValid()) return QString();
  const QTime t = time.time();
  return isoDate(time.date()) + QString::asprintf(" %02d:%02d:%02d", t.hour(), t.minute(), t.second());
}

QString chineseDate(const QDate& date) {
  if (!date.isValid()) return QString();
  return QString::asprintf("%04d", date.year()) + u'年' + QString::asprintf("%02d", date.month()) + u'月' +
         QString::asprintf("%02d", date.day()) + u'日';
}

QString timestampText(const QDateTime& time) {
  if (!time.isValid()) return QString();
  const QDate d = time.date();
  const QTime t = time.time();
  return QString::asprintf("%04d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                           t.second());
}

QDate oneMonthBack(const QDate& date) { return date.addMonths(-1); }  // keeps to the month's last day

std::optional<QDate> readDate(const QString& s) {
  static const QRegularExpression pattern(
      QStringLiteral("^(\\d{4})(?:-|/|年)(\\d{1,2})(?:-|/|月)(\\d{1,2})日?(?: .*)?$"));
  const QRegularExpressionMatch m = pattern.match(trimBlanks(s));
  if (!m.hasMatch()) return std::nullopt;
  const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  if (!date.isValid()) return std::nullopt;
  return date;
}

}  // namespace text
