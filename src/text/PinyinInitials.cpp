#include "text/PinyinInitials.h"

#include "text/PinyinTable.h"

namespace text {
namespace {

QString initialText(char32_t character) {
  const char letter = PinyinTable::shipped().initialOf(character);
  return letter ? QString(QLatin1Char(letter)) : QString();
}

}  // namespace

QString PinyinInitialOf(QChar character) { return initialText(character.unicode()); }

QString PinyinInitialOf(const QString& character) {
  if (character.isEmpty()) return QString();
  const QChar first = character.at(0);
  if (first.isHighSurrogate() && character.size() > 1 && character.at(1).isLowSurrogate())
    return initialText(QChar::surrogateToUcs4(first, character.at(1)));
  return initialText(first.unicode());
}

QString PinyinInitials(const QString& s) { return PinyinTable::shipped().initials(s); }

}  // namespace text
