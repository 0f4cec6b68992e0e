// The prescription sheet on paper: the sheet as the prescription window shows it,
// replayed at 1.2 times its on-screen positions in fonts two points larger, shifted by
// the sheet margins, with the body broken where the on-screen body box breaks it.
#pragma once

#include "printing/service/PrintSettings.h"
#include "printing/service/PrintSurface.h"

#include <QString>
#include <QStringList>

#include <array>

namespace printing {

// A label or a one-line box of the sheet: twips inside its container.
struct SheetText {
  QString text;
  QString face = QStringLiteral("宋体");
  double size = 9;  // points
  bool bold = false;
  double left = 0;
  double top = 0;
  bool visible = true;
};

// A line control of the sheet: end points in twips inside its container.
struct SheetLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int width = 1;  // border width, device pixels on paper
  bool visible = true;
};

// A header field: the panel Picture7(i) on the sheet and, inside it, its caption
// Label1(i), its box Text5(i) and its underline Line6(i).
struct SheetField {
  double left = 0;
  double top = 0;
  bool visible = true;
  SheetText caption;
  SheetText text;
  SheetLine underline;
};

// The body box R1: its text ("\n" or CR LF between lines), its own font, its place on
// the sheet and the width in screen pixels at which it wraps its lines, breaking them
// only between entries when the characters that end an entry are given (the herbs).
struct SheetBody {
  QString text;
  QString face = QStringLiteral("宋体");
  double size = 10.5;
  double left = 0;
  double top = 0;
  double wrapWidth = 0;
  QString entryEnds;
};

inline constexpr int kSheetTitleCount = 5;   // Label2(0) to Label2(4)
inline constexpr int kSheetFieldCount = 19;  // Picture7(0) to Picture7(18)
inline constexpr int kSheetRuleCount = 5;    // Line2(0) to Line2(4)

// The sheet as the window shows it when the print starts. The dose count's visibility
// is the sign of a herbal prescription.
struct SheetSnapshot {
  std::array<SheetText, kSheetTitleCount> titles;
  std::array<SheetField, kSheetFieldCount> fields;
  std::array<SheetLine, kSheetRuleCount> rules;
  SheetText doseCount;  // Text6
  SheetText usage;      // C1
  SheetBody body;

  bool herbal() const { return doseCount.visible; }
};

inline constexpr double kSheetScale = 1.2;
inline constexpr double kSheetFontIncrease = 2;
inline constexpr int kDefaultBodySize = 14;

// The caption, text and underline of a field whose panel is hidden are hidden too; the
// window takes this visibility back, so they stay hidden on the screen after the print.
void hideFieldsOfHiddenPanels(SheetSnapshot& sheet);

// The body's lines as the on-screen box breaks them, blank ones left out.
QStringList sheetBodyLines(const SheetBody& body);

// Draws the sheet onto one page; the caller ends the document. Hides the fields of
// hidden panels in `sheet` first.
void printSheet(PrintSurface& surface, SheetSnapshot& sheet, const PrintSettings& settings);

// Prints the body's lines from the current position: each line at `left`, stepped down
// by the gap and then by the line itself. The sheet and the overlay print share it.
void printBodyLines(PrintSurface& surface, const QStringList& lines, double left, bool herbal);

// The message of the sticky-label button: the print is made to order only.
inline const QString kLabelPrintMessage = QStringLiteral("此功能仅给有需要的用户定做！");

}  // namespace printing
