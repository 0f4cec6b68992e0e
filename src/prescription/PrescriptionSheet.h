// The paper in the middle of the prescription window, laid out as it prints: the titles,
// the header fields with their captions and underlines, the prescription text, the herbal
// dose count and usage, the rules, and the suggestion lists that open over the fields.
// It shows what the window gives it, and tells the prints where everything stands.
#pragma once

#include "printing/service/SheetPrint.h"
#include "ui/ControlArray.h"
#include "ui/Line.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <vector>

namespace ui {
class EntryLinesLayout;
struct PadTarget;
}  // namespace ui

namespace prescription {

struct PrescriptionState;

// Elements of the sheet's label array Label2.
enum SheetLabel { kSheetTitle = 0, kDoseCaption = 1, kRp = 2, kSheetName = 3, kSheetMode = 4 };

class PrescriptionSheet {
 public:
  // Builds the sheet `Picture2` and everything on it as a child of `window`.
  explicit PrescriptionSheet(QWidget* window);

  // Places each header field's box and underline after its caption, and centres the
  // sheet's name; the captions must have their fonts, as they do once the window loads.
  void layOutFields();
  // The unit name as the title, sized to its caption and centred across the sheet.
  void setTitle(const QString& unitName);
  // The herbal layout: a wider text, the dose count and the usage under it.
  void setHerbal(bool herbal);
  void setModeCaption(const QString& caption);

  // The header fields the Tab key walks, in order; the others are reached by clicking.
  std::vector<QWidget*> fieldsInTabOrder() const;
  // What each box takes from the stroke pad.
  void declareInputKinds(ui::PadTarget& target) const;

  // The sheet as the prints take it: every title, field panel, rule, the dose count, the
  // usage and the body box where the window shows them, in twips, in their own fonts,
  // with the prescription's words.
  printing::SheetSnapshot snapshot(const PrescriptionState& state) const;
  printing::SheetBody bodyBox(const QString& text) const;
  // The fields of hidden panels are hidden on the screen too, as the print leaves them out.
  void hideFieldsAsPrinted(const printing::SheetSnapshot& sheet);

  QFrame* Picture2 = nullptr;
  ui::ControlArray<QLabel> Label2{QStringLiteral("Label2")};
  ui::ControlArray<ui::Line> Line2{QStringLiteral("Line2")};
  // The prescription text.
  QPlainTextEdit* R1 = nullptr;
  // The herbal dose count and usage phrase.
  QLineEdit* Text6 = nullptr;
  QComboBox* C1 = nullptr;
  // The header fields: panels, captions, boxes and underlines, by the field's index.
  ui::ControlArray<QFrame> Picture7{QStringLiteral("Picture7")};
  ui::ControlArray<QLabel> Label1{QStringLiteral("Label1")};
  ui::ControlArray<QLineEdit> Text5{QStringLiteral("Text5")};
  ui::ControlArray<ui::Line> Line6{QStringLiteral("Line6")};
  // The suggestions under the diagnosis, the address and the name.
  QListWidget* List3 = nullptr;
  QListWidget* List4 = nullptr;
  QListWidget* List5 = nullptr;

 private:
  void buildFields();

  // R1's lines, which keep each herb with its dose in the herbal layout.
  ui::EntryLinesLayout* bodyLines_ = nullptr;
};

}  // namespace prescription
