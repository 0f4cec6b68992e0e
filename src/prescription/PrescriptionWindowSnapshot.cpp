// The prescription window's sheet as the prints take it: every title, field panel, rule,
// the dose count, the usage and the body box where the window shows them, in twips, in
// their own fonts; the words come from the prescription state.
#include "prescription/PrescriptionWindow.h"

#include "prescription/service/PrintedPrescription.h"
#include "ui/TextBoxHelpers.h"
#include "ui/Twips.h"

namespace prescription {
namespace {

// A control of the sheet with its text: its font, its place in its container and whether
// it shows on the sheet (a control inside a hidden panel does not).
printing::SheetText sheetText(const QWidget* control, const QWidget* sheet, const QString& text) {
  const QFont font = control->font();
  return printing::SheetText{text,
                             font.family(),
                             font.pointSizeF(),
                             font.bold(),
                             static_cast<double>(ui::twips(control->x())),
                             static_cast<double>(ui::twips(control->y())),
                             control->isVisibleTo(sheet)};
}

printing::SheetLine sheetLine(const ui::Line* line, const QWidget* sheet) {
  return printing::SheetLine{line->X1(), line->Y1(), line->X2(), line->Y2(), line->borderWidth(),
                             line->isVisibleTo(sheet)};
}

}  // namespace

printing::SheetBody PrescriptionWindow::bodyBox() const {
  printing::SheetBody body;
  body.text = model_.state().text;
  body.face = R1->font().family();
  body.size = R1->font().pointSizeF();
  body.left = ui::twips(R1->x());
  body.top = ui::twips(R1->y());
  // The width at which the box itself breaks its lines, so paper breaks them alike.
  body.wrapWidth = ui::TextBoxWrapWidth(R1);
  return body;
}

printing::SheetSnapshot PrescriptionWindow::sheetSnapshot() const {
  printing::SheetSnapshot sheet;
  for (int i = 0; i < printing::kSheetTitleCount; ++i)
    sheet.titles[i] = sheetText(Label2[i], Picture2, Label2[i]->text());
  for (int i = 0; i < printing::kSheetFieldCount; ++i) {
    printing::SheetField& field = sheet.fields[i];
    field.left = ui::twips(Picture7[i]->x());
    field.top = ui::twips(Picture7[i]->y());
    field.visible = Picture7[i]->isVisibleTo(Picture2);
    field.caption = sheetText(Label1[i], Picture7[i], Label1[i]->text());
    field.text = sheetText(Text5[i], Picture7[i], QString());
    field.underline = sheetLine(Line6[i], Picture7[i]);
  }
  for (int i = 0; i < printing::kSheetRuleCount; ++i) sheet.rules[i] = sheetLine(Line2[i], Picture2);
  sheet.doseCount = sheetText(Text6, Picture2, QString());
  sheet.usage = sheetText(C1, Picture2, QString());
  sheet.body = bodyBox();
  fillSheetTexts(sheet, state());
  return sheet;
}

}  // namespace prescription
