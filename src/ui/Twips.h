// Twips and pixels: windows are designed in twips (1/1440 inch), 15 twips a pixel at
// 96 dpi; Qt scales the pixels on high-dpi screens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Rounds half away from zero, so that a centred position computed in twips lands on the
// same pixel whichever side of the origin it falls.
constexpr int px(double twips) {
  const double pixels = twips / kTwipsPerPixel;
  return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect pxRect(double left, double top, double width, double height) {
  return QRect(px(left), px(top), px(width), px(height));
}
inline QSize pxSize(double width, double height) { return QSize(px(width), px(height)); }
inline QPoint pxPoint(double left, double top) { return QPoint(px(left), px(top)); }

}  // namespace ui
