#include "printing/service/SheetPrint.h"

#include "text/Blank.h"
#include "text/TextWrap.h"

namespace printing {
namespace {

constexpr double kPortraitOrigin = 567;        // 10 mm
constexpr double kLandscapeOrigin = -7654.5;   // 135 mm the other way
constexpr double kSingleDigitShift = 60;       // a one-character dose count stands centred
constexpr double kUsageDrop = 30;
constexpr double kHerbalBodyGap = 220;
constexpr double kBodyGap = 120;

void useFontOf(PrintSurface& surface, const SheetText& control) {
  surface.setFontName(control.face);
  surface.setFontBold(control.bold);
  surface.setFontSize(control.size + kSheetFontIncrease);
}

// A text at its scaled position (container offset added), printed when it is visible.
// The font is set whether or not it is printed.
void printText(PrintSurface& surface, const SheetText& control, double offsetX = 0, double offsetY = 0) {
  useFontOf(surface, control);
  surface.setCurrentX((control.left + offsetX) * kSheetScale);
  surface.setCurrentY((control.top + offsetY) * kSheetScale);
  if (control.visible) surface.print(control.text);
}

void printLine(PrintSurface& surface, const SheetLine& line, double offsetX = 0, double offsetY = 0) {
  surface.setDrawWidth(line.width);
  if (!line.visible) return;
  surface.line((line.x1 + offsetX) * kSheetScale, (line.y1 + offsetY) * kSheetScale, (line.x2 + offsetX) * kSheetScale,
               (line.y2 + offsetY) * kSheetScale);
}

}  // namespace

void hideFieldsOfHiddenPanels(SheetSnapshot& sheet) {
  for (SheetField& field : sheet.fields) {
    if (field.visible) continue;
    field.caption.visible = false;
    field.text.visible = false;
    field.underline.visible = false;
  }
}

QStringList sheetBodyLines(const SheetBody& body) {
  QFont font(body.face);
  font.setPointSizeF(body.size);
  return text::WrapTextToLines(body.text, font, body.wrapWidth, body.entryEnds);
}

void printBodyLines(PrintSurface& surface, const QStringList& lines, double left, bool herbal) {
  for (const QString& line : lines) {
    surface.setCurrentX(left);
    surface.setCurrentY(surface.currentY() + (herbal ? kHerbalBodyGap : kBodyGap));
    surface.print(line);
  }
}

void printSheet(PrintSurface& surface, SheetSnapshot& sheet, const PrintSettings& settings) {
  hideFieldsOfHiddenPanels(sheet);

  const double top = marginTwips(settings.sheetTop);
  const double left = marginTwips(settings.sheetLeft);
  surface.setOrientation(settings.portrait ? Orientation::Portrait : Orientation::Landscape);
  surface.setScaleLeft(settings.portrait ? kPortraitOrigin - left : kLandscapeOrigin - left);
  surface.setScaleTop(kPortraitOrigin - top);

  for (const SheetText& title : sheet.titles) printText(surface, title);
  for (const SheetField& field : sheet.fields) printText(surface, field.caption, field.left, field.top);
  for (const SheetField& field : sheet.fields) printText(surface, field.text, field.left, field.top);
  for (const SheetLine& rule : sheet.rules) printLine(surface, rule);
  for (const SheetField& field : sheet.fields) printLine(surface, field.underline, field.left, field.top);

  // The dose count is printed without its blanks; a single character is moved right to
  // stand in the middle of the gap in "共   剂".
  SheetText dose = sheet.doseCount;
  dose.text = text::trimBlanks(dose.text);
  useFontOf(surface, dose);
  surface.setCurrentX(dose.left * kSheetScale + (dose.text.size() == 1 ? kSingleDigitShift : 0));
  surface.setCurrentY(dose.top * kSheetScale);
  if (dose.visible) surface.print(dose.text);

  useFontOf(surface, sheet.usage);
  surface.setCurrentX(sheet.usage.left * kSheetScale);
  surface.setCurrentY(sheet.usage.top * kSheetScale + kUsageDrop);
  if (sheet.usage.visible) surface.print(sheet.usage.text);

  surface.setFontName(settings.bodyFace);
  surface.setFontBold(false);
  surface.setFontSize(bodyFontSize(settings.bodySize, kDefaultBodySize));
  surface.setCurrentX(sheet.body.left * kSheetScale);
  surface.setCurrentY(sheet.body.top * kSheetScale);
  printBodyLines(surface, sheetBodyLines(sheet.body), sheet.body.left * kSheetScale, sheet.herbal());
}

}  // namespace printing
