// The herbal part of a prescription text: herbs with their quantities laid out in cells of
// 13 display columns, four to a row, followed by whatever came after the last herb.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace prescription {

// The characters that end a herb entry (the unit of its quantity); "g" in lower case only.
inline const QString kHerbUnits = QStringLiteral("条g枚个袋对");

inline bool isHerbUnit(QChar c) { return kHerbUnits.contains(c); }

struct HerbalLayout {
  QString text;         // the new prescription text: the laid-out entries, then the tail
  QStringList entries;  // the herb entries in text order, as pricing reads them
  QString tail;         // the text after the last entry (fee lines and the like)
  // "中药共 N 味  重量：Wg" when there was an entry; nullopt leaves the summary as it was.
  std::optional<QString> summary;
  int caret = 0;        // after the last entry's cell, in front of the tail (0 without entries)
};

// Lays the herbs of `text` out again. An entry runs up to and including the next unit
// character (a "$" also ends one, and goes); it is trimmed of blanks and loses its line
// breaks, then takes a 13-column cell, and a row is ended by a blank line once the next
// cell would start past column 48. The blanks right after the last unit are the previous
// layout's padding and are dropped, so laying out a laid-out text changes nothing.
HerbalLayout herbalLayout(const QString& text);

// The number that starts at the first digit or "." of s, in its plain decimal form
// ("每日3次" gives "3", ".5g" gives "0.5"); "" when s holds neither.
QString firstNumberIn(const QString& s);

// s without its ASCII digits, each taking the run of "." that directly follows it
// ("当归 3.5g" gives "当归 g").
QString withoutNumbers(const QString& s);

}  // namespace prescription
