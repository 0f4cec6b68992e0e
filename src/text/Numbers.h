// Numbers in text: prices, quantities, doses and margins are stored and typed as text.
#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace text {

// The leading number of a text: an optional sign, then digits with at most one decimal
// point, read up to the first other character; blanks, tabs and line feeds among them
// are skipped. 0 when no digit is read ("12g" gives 12, "g12" gives 0).
double leadingNumber(const QString& s);
// The same reading, with nullopt instead of 0 when the text holds no leading number.
std::optional<double> readLeadingNumber(const QString& s);
// The same reading of a text held as UTF-8 bytes, as the store hands it out: sums over
// many stored rows read each value without making a QString of it first.
double leadingNumberUtf8(std::string_view utf8);

// A number as the user types it (quantities and prices in the priced grid, the fee
// fields): digits with at most one decimal point, blanks, tabs and line feeds among them
// skipped, read up to the first other character; 0 when no digit is read. A sign is no
// digit, so "-2" reads 0 and "+2" reads 0. Stored values keep their sign: read them with
// leadingNumber.
double typedNumber(const QString& s);
// The same reading, with nullopt instead of 0 when no digit is read ("-2", "abc", "").
std::optional<double> readTypedNumber(const QString& s);

// The number with exactly `decimals` decimals, rounded half away from zero on its
// 15-significant-digit decimal form, so that 1.5 x 1.45 (2.17499...) gives "2.18".
// A result that rounds to zero has no sign. Not-a-number and infinities give zero.
QString formatFixed(double value, int decimals);

// The "0.000" pattern: amounts and prices.
inline QString format000(double value) { return formatFixed(value, 3); }
// The "0.00" pattern: money totals.
inline QString format00(double value) { return formatFixed(value, 2); }

// The shortest plain decimal form on 15 significant digits, without exponent or
// trailing zeros: 10, 7.5, 0.5, 0.3 for 0.1 + 0.2.
QString plainNumber(double value);

}  // namespace text
