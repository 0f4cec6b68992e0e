#include "text/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

namespace text {
namespace {

// A decimal number as its significant digits and the place of the point: the value is
// 0.<digits> x 10^point, so point is the number of digits before the point.
struct Decimal {
  bool negative = false;
  std::string digits;
  int point = 0;
};

// The 15-significant-digit decimal form of a finite value.
Decimal decimalForm(double value) {
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  const std::string text(buffer, result.ptr);  // "-d.dddddddddddddde+XX"
  Decimal d;
  std::size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  const std::size_t e = text.find('e');
  for (; i < e; ++i)
    if (text[i] != '.') d.digits += text[i];
  d.point = std::stoi(text.substr(e + 1)) + 1;
  return d;
}

bool isZero(const Decimal& d) { return d.digits.find_first_not_of('0') == std::string::npos; }

// Rounds to `decimals` decimals, half away from zero.
void roundTo(Decimal& d, int decimals) {
  const int keep = d.point + decimals;
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    ++d.point;
  }
}

char digitAt(const Decimal& d, int index) {
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

QString render(const Decimal& d, int decimals) {
  std::string out;
  if (d.negative && !isZero(d)) out += '-';
  if (d.point <= 0) out += '0';
  for (int i = 0; i < d.point; ++i) out += digitAt(d, i);
  if (decimals > 0) {
    out += '.';
    for (int j = 0; j < decimals; ++j) out += digitAt(d, d.point + j);
  }
  return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

}  // namespace

namespace {

// The reading behind both entries: the units are UTF-16 code units or UTF-8 bytes. Every
// character that matters is ASCII, and any other unit (a byte of a multi-byte character
// included) ends the number, so both forms of one text read alike.
template <class Unit>
std::optional<double> readLeading(const Unit* begin, const Unit* end, bool withSign = true) {
  std::string digits;
  bool negative = false;
  bool sign = false;
  bool point = false;
  bool digit = false;
  for (const Unit* p = begin; p != end; ++p) {
    const auto u = static_cast<char16_t>(static_cast<std::make_unsigned_t<Unit>>(*p));
    if (u == u' ' || u == u'\t' || u == u'\n') continue;
    if (withSign && (u == u'+' || u == u'-') && !sign && !point && !digit) {
      sign = true;
      negative = u == u'-';
    } else if (u >= u'0' && u <= u'9') {
      digit = true;
      digits += static_cast<char>(u);
    } else if (u == u'.' && !point) {
      point = true;
      digits += '.';
    } else {
      break;
    }
  }
  if (!digit) return std::nullopt;
  double value = 0.0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small gives 0; too large (hundreds of digits before the point) the largest double.
    const std::size_t whole = digits.find('.');
    value = (whole == std::string::npos ? digits.size() : whole) > 300 ? std::numeric_limits<double>::max() : 0.0;
  }
  if (value == 0.0) return 0.0;  // never -0
  return negative ? -value : value;
}

}  // namespace

std::optional<double> readLeadingNumber(const QString& s) {
  const char16_t* units = reinterpret_cast<const char16_t*>(s.utf16());
  return readLeading(units, units + s.size());
}

double leadingNumberUtf8(std::string_view utf8) {
  return readLeading(utf8.data(), utf8.data() + utf8.size()).value_or(0.0);
}

double leadingNumber(const QString& s) { return readLeadingNumber(s).value_or(0.0); }

double typedNumber(const QString& s) { return readTypedNumber(s).value_or(0.0); }

std::optional<double> readTypedNumber(const QString& s) {
  const char16_t* units = reinterpret_cast<const char16_t*>(s.utf16());
  return readLeading(units, units + s.size(), false);
}

QString formatFixed(double value, int decimals) {
  if (!std::isfinite(value)) value = 0.0;
  Decimal d = decimalForm(value);
  roundTo(d, decimals);
  return render(d, decimals);
}

QString plainNumber(double value) {
  if (!std::isfinite(value)) value = 0.0;
  Decimal d = decimalForm(value);
  const std::size_t last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) return QStringLiteral("0");
  d.digits.resize(last + 1);
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.point);
  return render(d, decimals);
}

}  // namespace text
