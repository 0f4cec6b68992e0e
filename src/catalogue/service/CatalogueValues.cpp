#include "catalogue/service/CatalogueValues.h"

#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/Numbers.h"

namespace catalogue {

QString withoutLineBreaks(const QString& s) {
  QString joined = s;
  joined.remove(u'\r');
  joined.remove(u'\n');
  return joined;
}

QString storedName(const QString& cell) { return text::BraceEscapedName(withoutLineBreaks(text::trimBlanks(cell))); }

QString storedPrice(const QString& cell) {
  const QString trimmed = text::trimBlanks(cell);
  return trimmed.isEmpty() ? QString() : text::format000(text::leadingNumber(trimmed));
}

}  // namespace catalogue
