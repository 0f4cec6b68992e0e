// What the prints take from the settings: margins in millimetres as typed, the page
// orientation, and the face and size of the printed prescription body.
#pragma once

#include <QString>

namespace settings {
struct SettingsValues;
}

namespace printing {

struct PrintSettings {
  QString sheetLeft;   // 左边距: the prescription sheet
  QString sheetTop;    // 上边距
  QString cardLeft;    // 左边距2: the infusion card
  QString cardTop;     // 上边距2
  bool portrait = true;
  QString bodyFace = QStringLiteral("宋体");  // 处方字体
  QString bodySize;                            // 处方字号, as typed
};

PrintSettings printSettings(const settings::SettingsValues& values);

// A margin setting in twips: its leading number of millimetres × 56.7; 0 without one.
double marginTwips(const QString& millimetres);

// The body's print size: the leading number of the setting rounded to a whole number
// (halves to the even one); `fallback` when that is not above 0 (empty, "0", "abc", a
// negative size).
int bodyFontSize(const QString& setting, int fallback);

}  // namespace printing
