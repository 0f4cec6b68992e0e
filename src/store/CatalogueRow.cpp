#include "store/CatalogueRow.h"

#include "text/Blank.h"
#include "text/Numbers.h"

namespace store {

std::optional<double> keptStock(const std::optional<QString>& stock) {
  if (!stock) return std::nullopt;
  return text::readLeadingNumber(text::trimBlanks(*stock));
}

}  // namespace store
