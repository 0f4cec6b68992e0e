// Fonts: the design names "宋体" and "黑体" map to the fonts installed on Debian.
#pragma once

#include <QFont>
#include <QStringList>
#include <QString>

namespace ui {

inline const QString kSongTi = QStringLiteral("宋体");
inline const QString kHeiTi = QStringLiteral("黑体");

// "宋体" → AR PL UMing CN (its Latin letters are half as wide as its Chinese, which the
// column layouts need); "黑体" → WenQuanYi Zen Hei. Call once, before any window.
void installFontSubstitutions();

// A font as the design names it: family, size in points (14.25, 10.5, ...), bold.
QFont designFont(const QString& family, double points, bool bold = false);

}  // namespace ui
