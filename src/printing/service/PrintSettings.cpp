#include "printing/service/PrintSettings.h"

#include "printing/service/PrintSurface.h"
#include "settings/Settings.h"
#include "text/Numbers.h"

#include <algorithm>
#include <cmath>

namespace printing {

PrintSettings printSettings(const settings::SettingsValues& v) {
  PrintSettings s;
  s.sheetLeft = v.sheetLeft;
  s.sheetTop = v.sheetTop;
  s.cardLeft = v.cardLeft;
  s.cardTop = v.cardTop;
  s.portrait = v.portrait;
  s.bodyFace = v.fontName;
  s.bodySize = v.fontSize;
  return s;
}

double marginTwips(const QString& millimetres) { return text::leadingNumber(millimetres) * kTwipsPerMillimetre; }

int bodyFontSize(const QString& setting, int fallback) {
  // std::nearbyint rounds halves to the even number in the default rounding mode.
  const double size = std::nearbyint(text::leadingNumber(setting));
  if (!(size > 0)) return fallback;
  return static_cast<int>(std::min(size, 1000.0));  // keeps a mistyped huge size within an int
}

}  // namespace printing
