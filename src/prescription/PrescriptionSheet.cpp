#include "prescription/PrescriptionSheet.h"

#include "prescription/PrescriptionWindowLayout.h"
#include "prescription/service/HerbalLayout.h"
#include "prescription/service/PrescriptionState.h"
#include "prescription/service/PrintedPrescription.h"
#include "text/InputKind.h"
#include "ui/ControlTable.h"
#include "ui/Controls.h"
#include "ui/EntryLines.h"
#include "ui/ScrollMark.h"
#include "ui/SpacedText.h"
#include "ui/Fonts.h"
#include "ui/InputTarget.h"
#include "ui/TextBoxHelpers.h"
#include "ui/Twips.h"
#include "ui/TypingLimits.h"
#include "ui/WholeText.h"

#include <algorithm>
#include <array>

namespace prescription {
namespace {

using text::InputKind;

using layout::kBlue;

// The header fields: caption, panel left, top and width on the sheet (315 high), shown or
// hidden for good, the most characters the user may type, the input kind it announces.
struct HeaderField {
  int index;
  const char16_t* caption;
  double left;
  double top;
  double width;
  bool shown;
  int longestTyped;
  InputKind kind;
};
constexpr std::array<HeaderField, 19> kHeaderFields = {{
    {0, u"姓名：", 120, 1020, 1755, true, 6, InputKind::Name},
    {1, u"性别：", 1860, 1020, 975, true, 1, InputKind::Frequency},
    {2, u"年龄：", 2820, 1020, 1575, true, 6, InputKind::Frequency},
    {3, u"科别：", 4380, 1020, 1515, true, 5, InputKind::Frequency},
    {4, u"住址（电话）：", 120, 1320, 3975, true, 20, InputKind::Address},
    {5, u"日期：", 4080, 1320, 1815, true, 11, InputKind::Frequency},
    {6, u"诊断：", 120, 1620, 3975, true, 30, InputKind::Diagnosis},
    {7, u"医师：", 120, 7860, 1815, true, 6, InputKind::Frequency},
    {8, u"配药：", 2100, 7860, 1815, true, 6, InputKind::Frequency},
    {9, u"药费：", 120, 8160, 1815, true, 7, InputKind::Frequency},
    {10, u"复核：", 4080, 7860, 1815, true, 6, InputKind::Frequency},
    {11, u"电话：", 300, 4140, 1755, false, 12, InputKind::Frequency},
    {12, u"病历号：", 300, 3780, 1755, false, 20, InputKind::Frequency},
    {13, u"过敏史：", 4080, 1620, 1815, true, 20, InputKind::Drug},
    {14, u"费别：", 240, 5040, 1755, false, 5, InputKind::Frequency},
    {15, u"其他：", 2100, 8160, 1815, true, 7, InputKind::Frequency},
    {16, u"合计：", 4080, 8160, 1815, true, 7, InputKind::Frequency},
    {17, u"医疗证号：", 300, 4560, 1755, false, 20, InputKind::Frequency},
    {18, u"日期：", 240, 5580, 1755, false, 12, InputKind::Frequency},
}};
constexpr double kHeaderPanelHeight = 315;
// The body's inner margins, in pixels: the box's own, and the narrower ones of the herbal
// layout, inside which four herbs of 13 columns and a wider fourth one fit on a row.
constexpr int kBodyMargin = 4;
constexpr int kHerbalBodyMargin = 1;
// The fields the Tab key and Enter walk, in order; the search box and the drug list follow.
constexpr std::array<int, 8> kHeaderTabOrder = {0, 1, 2, 3, 4, 5, 6, 13};
constexpr int kReadOnlyField = 5;  // the visit date: the program fills it

// Centres a label of the sheet across it, keeping its top; a title wider than the sheet
// overhangs both sides equally.
void centreOnSheet(QLabel* label) {
  const double left = (ui::twips(label->parentWidget()->width()) - ui::twips(label->width())) / 2.0;
  label->move(ui::px(left), label->y());
}

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

PrescriptionSheet::PrescriptionSheet(QWidget* window) {
  Picture2 = ui::makePanel(window, "Picture2", {3720, 840, 6120, 8625}, Qt::white);
  Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Picture2->setLineWidth(2);

  // The title is sized to its caption and centred by the load; the other captions on the
  // sheet size themselves to their font from their designed place.
  const ui::Look heading = ui::Look::font(ui::kHeiTi, 14.25);
  const ui::LabelRow captions[] = {
      {kSheetTitle, {0, 120}, {}, heading},
      {kSheetName, {2340, 540, 1500, 285}, QStringLiteral("处  方  笺"), heading},
      {kSheetMode, {5385, 240, 450, 225}, kOrdinarySheet, ui::Look::font(ui::kSongTi, 11.25)},
      {kRp, {180, 1920}, QStringLiteral("Rp"), ui::Look::font(ui::kSongTi, 18, true).fitted()},
      {kDoseCaption, {180, 7500}, QStringLiteral("共   剂"),
       ui::Look::font(ui::kSongTi, 9, true).fitted().hiddenAtFirst()},
  };
  ui::makeLabels(Label2, Picture2, captions);
  // The box round the sheet's mode and the rule over the signatures.
  const ui::LineRow rules[] = {{1, 5340, 180, 5880, 180, Qt::black, 2}, {2, 5340, 510, 5880, 510, Qt::black, 2},
                               {3, 5340, 180, 5340, 510, Qt::black, 2}, {4, 5880, 180, 5880, 510, Qt::black, 2},
                               {0, 180, 7800, 5880, 7800}};
  ui::makeLines(Line2, Picture2, rules);

  R1 = ui::make<QPlainTextEdit>(Picture2, "R1", {1380, 2400, 4575, 4995});
  R1->setFrameStyle(QFrame::NoFrame);
  R1->setFont(ui::designFont(ui::kSongTi, 10.5));
  bodyLines_ = ui::keepEntriesWhole(R1);
  R1->document()->setDocumentMargin(kBodyMargin);
  // No scroll bar narrows the text, but a mark tells of the lines below.
  ui::markHiddenText(R1);
  R1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  R1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ui::paint(R1, Qt::white);

  Text6 = ui::make<QLineEdit>(Picture2, "Text6", {420, 7500, 255, 225}, kDefaultDoses);
  ui::flatten(Text6);
  ui::applyLook(Text6, ui::Look::font(ui::kSongTi, 9, true)
                           .aligned(Qt::AlignCenter)
                           .filled(Qt::transparent)
                           .coloured(kBlue)
                           .hiddenAtFirst());
  // The dose count sits in the gap of "共   剂" without covering its characters.
  Text6->setAutoFillBackground(false);

  C1 = ui::make<QComboBox>(Picture2, "C1", {1020, 7470, 4875, 300});
  ui::setTextColour(C1, kBlue);
  C1->hide();

  buildFields();

  // The suggestion lists open over the fields below theirs.
  List5 = ui::make<QListWidget>(Picture2, "List5", {720, 1260, 1275, 1110});
  List4 = ui::make<QListWidget>(Picture2, "List4", {1500, 1560, 2595, 1110});
  List3 = ui::make<QListWidget>(Picture2, "List3", {720, 1860, 2235, 1110});
  for (QListWidget* list : {List3, List4, List5}) {
    ui::spaceListRows(list);
    list->hide();
  }
}

void PrescriptionSheet::buildFields() {
  for (const HeaderField& f : kHeaderFields) {
    QFrame* panel = Picture7.make(f.index, Picture2, {f.left, f.top, f.width, kHeaderPanelHeight});
    QLabel* caption = Label1.make(f.index, panel, {60, 60}, QString::fromUtf16(f.caption));
    ui::applyLook(caption, ui::Look::font(ui::kSongTi, 9, true).fitted());
    QLineEdit* box = Text5.make(f.index, panel, {0, 30, 0, 210});
    ui::flatten(box);
    ui::applyLook(box, ui::Look::font(ui::kSongTi, 9.75).coloured(kBlue));
    ui::limitTyping(box, f.longestTyped);
    ui::setCaption(caption, box);
    if (f.index == kReadOnlyField) box->setReadOnly(true);
    Line6.make(f.index, panel, {});
    panel->setVisible(f.shown);
    // A field without a place in the Tab order is reached by clicking.
    if (std::find(kHeaderTabOrder.begin(), kHeaderTabOrder.end(), f.index) == kHeaderTabOrder.end())
      box->setFocusPolicy(Qt::ClickFocus);
  }
}

// Each field's box starts right of its caption and ends 60 twips short of the panel's right
// edge; its underline runs from 60 twips left of the box to the panel's edge.
void PrescriptionSheet::layOutFields() {
  for (const HeaderField& f : kHeaderFields) {
    QLabel* caption = Label1[f.index];
    caption->move(ui::pxPoint(60, 60));
    const double left = ui::twips(caption->width()) + 75;
    const double width = ui::twips(Picture7[f.index]->width()) - ui::twips(caption->width()) - 135;
    Text5[f.index]->setGeometry(ui::pxRect(left, 30, width, 210));
    Line6[f.index]->setEnds(left - 60, 250, left + width + 60, 250);
    ui::paint(Picture7[f.index], Qt::white);
  }
  centreOnSheet(Label2[kSheetName]);
}

void PrescriptionSheet::setTitle(const QString& unitName) {
  QLabel* title = Label2[kSheetTitle];
  title->setText(unitName);
  title->adjustSize();
  centreOnSheet(title);
}

void PrescriptionSheet::setHerbal(bool herbal) {
  // The herbal text reaches past the sheet's edge, where nothing of it would show: the
  // box ends there, so its lines (and the printed ones) break where they can be read.
  const QRect body = herbal ? ui::pxRect(660, 2400, 5655, 4995) : ui::pxRect(1380, 2400, 4575, 4995);
  R1->setGeometry(body.intersected(Picture2->contentsRect()));
  Label2[kDoseCaption]->setVisible(herbal);
  Text6->setVisible(herbal);
  C1->setVisible(herbal);
  // Herbs stay whole with their doses, on the screen and on paper.
  R1->document()->setDocumentMargin(herbal ? kHerbalBodyMargin : kBodyMargin);
  bodyLines_->setEntryEnds(herbal ? kHerbUnits : QString());
}

void PrescriptionSheet::setModeCaption(const QString& caption) { ui::setWholeText(Label2[kSheetMode], caption); }

std::vector<QWidget*> PrescriptionSheet::fieldsInTabOrder() const {
  std::vector<QWidget*> fields;
  for (int i : kHeaderTabOrder) fields.push_back(Text5[i]);
  return fields;
}

void PrescriptionSheet::declareInputKinds(ui::PadTarget& target) const {
  for (const HeaderField& f : kHeaderFields) ui::declareInputTarget(target, Text5[f.index], f.kind);
  ui::declareInputTarget(target, R1, InputKind::Drug);
}

printing::SheetBody PrescriptionSheet::bodyBox(const QString& text) const {
  printing::SheetBody body;
  body.text = text;
  body.face = R1->font().family();
  body.size = R1->font().pointSizeF();
  body.left = ui::twips(R1->x());
  body.top = ui::twips(R1->y());
  // The width at which the box itself breaks its lines, so paper breaks them alike.
  body.wrapWidth = ui::TextBoxWrapWidth(R1);
  body.entryEnds = bodyLines_->entryEnds();
  return body;
}

printing::SheetSnapshot PrescriptionSheet::snapshot(const PrescriptionState& state) const {
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
  sheet.body = bodyBox(state.text);
  fillSheetTexts(sheet, state);
  return sheet;
}

void PrescriptionSheet::hideFieldsAsPrinted(const printing::SheetSnapshot& sheet) {
  for (int i = 0; i < printing::kSheetFieldCount; ++i) {
    if (sheet.fields[i].visible) continue;
    Label1[i]->hide();
    Text5[i]->hide();
    Line6[i]->hide();
  }
}

}  // namespace prescription
