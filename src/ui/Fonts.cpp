#include "ui/Fonts.h"

#include "platform/FontSubstitutions.h"

namespace ui {

void installFontSubstitutions() { platform::installFontSubstitutions(); }

QFont designFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace ui
