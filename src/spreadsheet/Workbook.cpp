#include "spreadsheet/Workbook.h"

#include "text/Numbers.h"

namespace spreadsheet {
namespace {

// Digits a double carries without change; a longer number stays text so that no digit of
// a stored value is lost on the way out.
constexpr int kExactDigits = 15;

// The number of decimals a "0" or "0.000"-style format shows; -1 for any other format.
int fixedDecimals(const QString& format) {
  if (format == u"0") return 0;
  if (!format.startsWith(u"0.") || format.size() < 3) return -1;
  for (qsizetype i = 2; i < format.size(); ++i)
    if (format.at(i) != u'0') return -1;
  return static_cast<int>(format.size() - 2);
}

// True when s is "-"? then "0" or a digit run without a leading zero, then optionally a
// point and at least one digit; and the number is not a negative zero.
bool isPlainDecimal(const QString& s, int& decimals, int& significant) {
  qsizetype i = 0;
  const qsizetype n = s.size();
  const bool negative = n > 0 && s.at(0) == u'-';
  if (negative) ++i;
  const qsizetype wholeStart = i;
  while (i < n && s.at(i).isDigit() && s.at(i).unicode() < 0x80) ++i;
  const qsizetype wholeLength = i - wholeStart;
  if (wholeLength == 0) return false;
  if (wholeLength > 1 && s.at(wholeStart) == u'0') return false;
  decimals = 0;
  if (i < n) {
    if (s.at(i) != u'.') return false;
    ++i;
    const qsizetype fractionStart = i;
    while (i < n && s.at(i).isDigit() && s.at(i).unicode() < 0x80) ++i;
    if (i != n || i == fractionStart) return false;
    decimals = static_cast<int>(i - fractionStart);
  }
  // Significant digits: from the first non-zero digit to the end.
  significant = 0;
  bool started = false;
  bool nonZero = false;
  for (qsizetype k = wholeStart; k < n; ++k) {
    const QChar c = s.at(k);
    if (c == u'.') continue;
    if (c != u'0') nonZero = true;
    if (c != u'0' || started) {
      started = true;
      ++significant;
    }
  }
  return !(negative && !nonZero);
}

}  // namespace

Cell Cell::text(const QString& value) {
  Cell cell;
  cell.kind_ = value.isEmpty() ? Kind::Empty : Kind::Text;
  cell.text_ = value;
  return cell;
}

Cell Cell::number(double value, const QString& format) {
  Cell cell;
  cell.kind_ = Kind::Number;
  cell.number_ = value;
  cell.format_ = format;
  return cell;
}

Cell Cell::fromStoredText(const QString& value) {
  int decimals = 0;
  int significant = 0;
  if (!isPlainDecimal(value, decimals, significant) || significant > kExactDigits) return text(value);
  const QString format = decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, u'0');
  return number(text::leadingNumber(value), format);
}

QString Cell::shownText() const {
  switch (kind_) {
    case Kind::Empty:
      return {};
    case Kind::Text:
      return text_;
    case Kind::Number: {
      const int decimals = fixedDecimals(format_);
      return decimals >= 0 ? text::formatFixed(number_, decimals) : text::plainNumber(number_);
    }
  }
  return {};
}

}  // namespace spreadsheet
