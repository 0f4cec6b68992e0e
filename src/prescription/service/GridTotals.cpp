#include "prescription/service/GridTotals.h"

#include "prescription/service/PrescriptionState.h"
#include "text/Numbers.h"

#include <cstdint>
#include <limits>

namespace prescription {
namespace {

// A money sum in ten-thousandths of a yuan. It saturates instead of wrapping: no
// catalogue price comes near the limit (about 9.2 x 10^14 yuan).
class FixedSum {
 public:
  void add(const QString& amount) {
    const std::int64_t value = tenThousandths(amount);
    if (value > 0 && sum_ > kMax - value) {
      sum_ = kMax;
    } else if (value < 0 && sum_ < -kMax - value) {
      sum_ = -kMax;
    } else {
      sum_ += value;
    }
  }
  double value() const { return text::leadingNumber(plainText()); }

 private:
  static constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

  // The exact value of an amount text ("-12.345", "3.000", ""), read digit by digit so
  // that no binary fraction creeps in; an amount too large for the sum saturates.
  static std::int64_t tenThousandths(const QString& amount) {
    bool negative = false;
    std::int64_t value = 0;
    int decimals = -1;
    for (QChar c : amount) {
      if (c == u'-' && value == 0 && decimals < 0) {
        negative = true;
      } else if (c == u'.' && decimals < 0) {
        decimals = 0;
      } else if (c.isDigit() && c.unicode() < 0x80) {
        if (decimals >= 4) continue;  // amounts carry three decimals
        if (value > (kMax - 9) / 10) return negative ? -kMax : kMax;
        value = value * 10 + (c.unicode() - u'0');
        if (decimals >= 0) ++decimals;
      } else {
        break;
      }
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d) {
      if (value > kMax / 10) return negative ? -kMax : kMax;
      value *= 10;
    }
    return negative ? -value : value;
  }

  // The sum's plain decimal text, as the totals are formatted from it.
  QString plainText() const {
    const std::uint64_t magnitude = sum_ < 0 ? -static_cast<std::uint64_t>(sum_) : static_cast<std::uint64_t>(sum_);
    QString whole = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QChar(u'0'));
    return (sum_ < 0 ? QStringLiteral("-") : QString()) + whole + u'.' + fraction;
  }

  std::int64_t sum_ = 0;
};

// "0.00" of a total, or "" when the text reads as zero.
QString moneyText(double value) {
  const QString text = text::format00(value);
  return text::leadingNumber(text) == 0 ? QString() : text;
}

}  // namespace

GridTotals RecalcTotals(const PricedGrid& grid) {
  GridTotals totals;
  FixedSum drugs;
  double fees = 0;
  for (int r = 0; r < kGridRows; ++r) {
    const PricedRow& row = grid[r];
    // Quantities and prices are typed: a sign is no digit, so "-2" prices as 0.
    const double amount = text::typedNumber(row[kQuantity]) * text::typedNumber(row[kPrice]);
    QString amountText = text::format000(amount);
    if (amountText == u"0.000") amountText.clear();
    if (row[kCategory] == kFeeItemCategory) {
      fees += text::leadingNumber(amountText);
    } else {
      drugs.add(amountText);
    }
    totals.amounts[r] = amountText;
  }
  // Each sum goes through its plain decimal form, so 0.1 + 0.2 in fee rows is 0.3.
  const double d = drugs.value();
  const double f = text::leadingNumber(text::plainNumber(fees));
  totals.total = moneyText(d + f);
  totals.drugFee = moneyText(d);
  totals.otherFee = moneyText(f);
  return totals;
}

void applyTotals(PrescriptionState& state, const GridTotals& totals) {
  for (int r = 0; r < kGridRows; ++r) state.grid[r][kAmount] = totals.amounts[r];
  state.total = totals.total;
  state.header[header::kDrugFee] = totals.drugFee;
  state.header[header::kOtherFee] = totals.otherFee;
  state.header[header::kTotal] = state.total;
}

}  // namespace prescription
