#include "reports/DrugSalesWindow.h"

#include "grid/GridConfig.h"
#include "ui/Controls.h"
#include "ui/SpreadsheetExport.h"

#include <tuple>

namespace reports {

DrugSalesWindow::DrugSalesWindow(ui::Session& session)
    : ui::DateRangeWindow(kName, QStringLiteral("药物销售统计"), 5910, 6900, Opening::LastMonth),
      session_(session) {
  makeGrid(grid::drugSalesGrid());
  makeFrame({120, 5460, 5715, 675});
  // The caption "药品类别" is twice as long as the twin window's "类别": the date boxes are a
  // little narrower (a date still fits) so that it stands clear of the category box.
  std::tie(Label2, Label3) =
      makeDateBoxes({"Label2", QStringLiteral("日期范围"), {120, 300}, {960, 240, 1155, 315}},
                    {"Label3", QStringLiteral("至"), {2220, 300}, {2520, 240, 1155, 315}});
  Label1 = makeCategoryBox({"Label1", QStringLiteral("药品类别"), {3780, 300}, {4560, 240, 1095, 315}},
                           {QStringLiteral("中药"), QStringLiteral("西成药"), QStringLiteral("收费项目")});

  busyBar = std::make_unique<ui::BusyBar>(this);
  Command1 = ui::make<QPushButton>(this, "Command1", {3300, 6300, 1035, 375}, QStringLiteral("统   计"));
  Command2 = ui::make<QPushButton>(this, "Command2", {4380, 6300, 1455, 375}, QStringLiteral("导出Excel表格"));
  Text1 = makeExportPathBox("Text1");
  connect(Command1, &QPushButton::clicked, this, &DrugSalesWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &DrugSalesWindow::Command2_Click);
}

void DrugSalesWindow::Command1_Click() {
  busyBar->start();
  DrugSalesOutcome out = runDrugSales(session_.state.stockDbPath, Text3->text(), Text4->text(),
                                      Combo1->currentText());
  if (out.ran) {
    rows_ = std::move(out.rows);
    grid->setRecords(drugSalesPage(rows_));
  }
  busyBar->stop();
  // A refused range or a failed read leaves the shown result as it was.
  if (!out.message.isEmpty()) session_.dialogs.message(out.message);
}

void DrugSalesWindow::Command2_Click() {
  const QString path = ui::chooseExportPath(session_.dialogs, Text1);
  // Before any run there is nothing to write, and nothing is said.
  if (path.isEmpty() || rows_.empty()) return;
  ui::writeExport(session_.dialogs, path, [this] { return drugSalesWorkbook(rows_); });
}

}  // namespace reports
