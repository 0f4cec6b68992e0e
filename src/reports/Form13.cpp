#include "reports/Form13.h"

#include "grid/GridConfig.h"
#include "text/Dates.h"
#include "ui/ComboBoxes.h"
#include "ui/Controls.h"
#include "ui/SpreadsheetExport.h"

#include <QApplication>

namespace reports {

Form13::Form13(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("药物销售统计"));
  setClientSize(5910, 6900);
  grid = new ui::PagedGrid(grid::drugSalesGrid(), this);

  Frame1 = ui::make<QGroupBox>(this, "Frame1", {120, 5460, 5715, 675});
  // The caption "药品类别" is twice as long as the twin window's "类别": the date boxes are a
  // little narrower (a date still fits) so that it stands clear of the category box.
  Text3 = ui::make<QLineEdit>(Frame1, "Text3", {960, 240, 1155, 315});
  Text4 = ui::make<QLineEdit>(Frame1, "Text4", {2520, 240, 1155, 315});
  Combo1 = ui::make<QComboBox>(Frame1, "Combo1", {4560, 240, 1095, 315});
  ui::takeTextAsTyped(Combo1);
  Combo1->addItems({QStringLiteral("中药"), QStringLiteral("西成药"), QStringLiteral("收费项目")});
  Combo1->setEditText(QStringLiteral("西成药"));
  Label2 = ui::make<QLabel>(Frame1, "Label2", {120, 300}, QStringLiteral("日期范围"));
  Label3 = ui::make<QLabel>(Frame1, "Label3", {2220, 300}, QStringLiteral("至"));
  Label1 = ui::make<QLabel>(Frame1, "Label1", {3780, 300}, QStringLiteral("药品类别"));
  ui::setCaption(Label2, Text3);
  ui::setCaption(Label3, Text4);
  ui::setCaption(Label1, Combo1);

  busyBar = std::make_unique<ui::BusyBar>(this);
  Command1 = ui::make<QPushButton>(this, "Command1", {3300, 6300, 1035, 375}, QStringLiteral("统   计"));
  Command2 = ui::make<QPushButton>(this, "Command2", {4380, 6300, 1455, 375}, QStringLiteral("导出Excel表格"));
  Text1 = ui::make<QLineEdit>(this, "Text1", {0, 0, 100, 100}, QStringLiteral("Text1"));
  Text1->hide();
  connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
}

void Form13::Form_Load() {
  placeOnMainWindow();
  const QDate today = QDate::currentDate();
  Text3->setText(text::isoDate(text::oneMonthBack(today)));
  Text4->setText(text::isoDate(today));
}

void Form13::Command1_Click() {
  busyBar->start();
  DrugSalesOutcome out = runDrugSales(session_.state.StockDbConnection, Text3->text(), Text4->text(),
                                      Combo1->currentText());
  if (out.ran) {
    rows_ = std::move(out.rows);
    grid->setRecords(drugSalesPage(rows_));
  }
  busyBar->stop();
  // A refused range or a failed read leaves the shown result as it was.
  if (!out.message.isEmpty()) session_.dialogs.message(out.message);
}

void Form13::Command2_Click() {
  const QString path = ui::chooseExportPath(session_.dialogs, Text1);
  // Before any run there is nothing to write, and nothing is said.
  if (path.isEmpty() || rows_.empty()) return;
  ui::writeExport(session_.dialogs, path, [this] { return drugSalesWorkbook(rows_); });
}

}  // namespace reports
