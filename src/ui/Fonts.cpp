#include "ui/Fonts.h"

namespace ui {

void installFontSubstitutions() {
  QFont::insertSubstitutions(kSongTi, QStringList{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW")});
  QFont::insertSubstitutions(kHeiTi, QStringList{QStringLiteral("WenQuanYi Zen Hei")});
}

QFont designFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace ui
