// Dates as the program writes and reads them: stored "yyyy-mm-dd", printed
// "yyyy年mm月dd日", keyed "yyyymmddhhmmss".
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace text {

// "yyyy-mm-dd": how dates are stored and shown in the date boxes.
QString isoDate(const QDate& date);
// "yyyy-mm-dd hh:mm:ss": a stored date with its time of day.
QString isoDateTime(const QDateTime& time);
// "yyyy年mm月dd日": the date field of a prescription.
QString chineseDate(const QDate& date);
// "yyyymmddhhmmss": the time part of keys and prescription numbers.
QString timestampText(const QDateTime& time);

// The same day one month earlier, or that month's last day when it has no such day
// (03-31 gives 02-28, or 02-29 in a leap year).
QDate oneMonthBack(const QDate& date);

// A date typed or stored as "yyyy-m-d" (also with "/" or as "yyyy年m月d日"), with
// blanks around it and a time of day after it allowed; nullopt when it is no valid date.
std::optional<QDate> readDate(const QString& s);

}  // namespace text
