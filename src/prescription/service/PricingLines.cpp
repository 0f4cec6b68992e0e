#include "prescription/service/PricingLines.h"

#include "text/BraceEscapedName.h"
#include "text/Blank.h"
#include "text/Numbers.h"

#include <QRegularExpression>

namespace prescription {
namespace {

constexpr int kNumberedLimit = 20;
constexpr int kNumberingWidth = 4;

// The name before the first blank and the rest after it, both trimmed; nullopt without
// a blank.
std::optional<std::pair<QString, QString>> splitAtFirstBlank(const QString& line) {
  const qsizetype blank = line.indexOf(u' ');
  if (blank < 0) return std::nullopt;
  return std::pair{text::trimBlanks(line.left(blank)), text::trimBlanks(line.mid(blank + 1))};
}

}  // namespace

std::optional<QString> cleanedPricingLine(const QString& line) {
  QString cleaned = line;
  for (int k = kNumberedLimit; k >= 1; --k) {
    const QString n = QString::number(k);
    for (const QString& numbering :
         {u'(' + n + u')', u'（' + n + u'）', n + u'、', n + u'.', n + u' '}) {
      const qsizetype at = cleaned.indexOf(numbering);
      if (at >= 0 && at + numbering.size() <= kNumberingWidth) cleaned.remove(numbering);
    }
  }
  cleaned = text::trimBlanks(cleaned);
  if (cleaned.isEmpty() || cleaned.contains(QStringLiteral("用法"))) return std::nullopt;
  return cleaned;
}

QStringList cleanedPricingLines(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
  QStringList lines;
  for (const QString& line : text.split(lineBreak))
    if (const std::optional<QString> cleaned = cleanedPricingLine(line)) lines << *cleaned;
  return lines;
}

std::vector<PricingRequest> ordinaryPricingRequests(const QString& prescriptionText) {
  std::vector<PricingRequest> requests;
  for (const QString& line : cleanedPricingLines(prescriptionText)) {
    const auto parts = splitAtFirstBlank(line);
    if (!parts) continue;
    QString rest = parts->second;
    rest.replace(u'*', u'×');
    const qsizetype times = rest.lastIndexOf(u'×');
    requests.push_back({text::BraceEscapedName(parts->first), firstNumberIn(times < 0 ? rest : rest.mid(times + 1)),
                        PricingScope::Ordinary});
  }
  return requests;
}

std::vector<PricingRequest> herbalPricingRequests(const HerbalLayout& layout, const QString& doses) {
  std::vector<PricingRequest> requests;
  const double doseCount = text::leadingNumber(doses);
  for (const QString& entry : layout.entries) {
    QString s = entry;
    for (const QChar unit : kHerbUnits) s.remove(unit);
    s = text::trimBlanks(text::BraceEscapedName(s));
    const QString dose = firstNumberIn(s);
    if (dose.isEmpty()) continue;  // a herb without its dose is not priced
    requests.push_back({withoutNumbers(s), text::plainNumber(doseCount * text::leadingNumber(dose)), PricingScope::Herb});
  }
  for (const QString& line : cleanedPricingLines(layout.tail)) {
    const auto parts = splitAtFirstBlank(line);
    if (!parts) continue;
    // Fee names are looked up in brace form like every other name.
    requests.push_back({text::BraceEscapedName(parts->first), firstNumberIn(parts->second), PricingScope::Fee});
  }
  return requests;
}

}  // namespace prescription
