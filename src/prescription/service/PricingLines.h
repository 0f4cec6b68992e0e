// Automatic pricing reads the prescription text as catalogue look-ups: a drug or fee
// name and its quantity per line (ordinary prescriptions), or per herb entry and fee
// line (herbal prescriptions). Looking the names up in the catalogue comes after.
#pragma once

#include "prescription/service/HerbalLayout.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace prescription {

// Which catalogue rows a look-up may find.
enum class PricingScope {
  Ordinary,  // every category but "用法" and "中药"
  Herb,      // "中药"
  Fee,       // "收费项目"
};

struct PricingRequest {
  QString name;      // in the catalogue's brace form ("维生素{B1}片"); trailing blanks may remain
  QString quantity;  // plain decimal text
  PricingScope scope = PricingScope::Ordinary;

  bool operator==(const PricingRequest&) const = default;
};

// One line with its numbering taken off: for k = 20 down to 1, a "(k)", "（k）", "k、",
// "k." or "k " that lies wholly in the first four characters is removed wherever it
// occurs in the line; then the line is trimmed of blanks. nullopt for a line that is
// then empty or holds "用法".
std::optional<QString> cleanedPricingLine(const QString& line);

// The cleaned lines of a text, read line by line at its line breaks (however wide the
// box that shows it).
QStringList cleanedPricingLines(const QString& text);

// An ordinary prescription: per cleaned line, the name before the first blank (brackets
// as braces) and the quantity after the last "×" or "*" (or of the whole rest). A line
// without a blank asks for nothing.
std::vector<PricingRequest> ordinaryPricingRequests(const QString& prescriptionText);

// A herbal prescription laid out: per herb entry with a dose, the herb and doses × dose;
// then the fee lines of the text after the herbs.
std::vector<PricingRequest> herbalPricingRequests(const HerbalLayout& layout, const QString& doses);

}  // namespace prescription
