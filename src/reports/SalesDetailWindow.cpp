#include "reports/SalesDetailWindow.h"

#include "grid/GridConfig.h"
#include "reports/DrugSalesWindow.h"
#include "reports/service/SalesDetail.h"
#include "ui/Controls.h"
#include "ui/SpreadsheetExport.h"

#include <QApplication>

namespace reports {
namespace {

grid::GridConfig detailGrid() {
  grid::GridConfig config = grid::salesDetailGrid();
  config.columns[7].shows = &shownProfit;  // Lb9: the profit in "0.00"
  return config;
}

}  // namespace

SalesDetailWindow::SalesDetailWindow(ui::Session& session)
    : ui::DateRangeWindow(kName, QStringLiteral("销售明细管理"), 11520, 9360, Opening::Today), session_(session) {
  makeGrid(detailGrid());

  makeFrame({120, 7980, 11295, 705});
  makeDateBoxes({"Label2", QStringLiteral("日期"), {120, 300}, {600, 240, 1095, 315}},
                {"Label3", QStringLiteral("至"), {1800, 300}, {2100, 240, 1095, 315}});
  const struct {
    QLineEdit** box;
    const char* name;
    const char* label;
    const char* caption;
    double captionLeft, left, width;
  } boxes[] = {
      {&Text1, "Text1", "Label4", "药物名称", 3300, 4080, 1755},
      {&Text2, "Text2", "Label5", "患者姓名", 5940, 6720, 1155},
      {&Text5, "Text5", "Label6", "医师", 7980, 8460, 1155},
  };
  for (const auto& b : boxes) {
    *b.box = ui::make<QLineEdit>(Frame1, b.name, {b.left, 240, b.width, 315});
    ui::setCaption(ui::make<QLabel>(Frame1, b.label, {b.captionLeft, 300}, QString::fromUtf8(b.caption)), *b.box);
  }
  makeCategoryBox({"Label7", QStringLiteral("类别"), {9720, 300}, {10200, 240, 915, 315}},
                  {QStringLiteral("中药"), QStringLiteral("西成药")});

  Command3 = ui::make<QPushButton>(this, "Command3", {7140, 8820, 1335, 375}, QStringLiteral("查   询"));
  Command5 = ui::make<QPushButton>(this, "Command5", {8520, 8820, 1395, 375}, QStringLiteral("统计"));
  Command4 = ui::make<QPushButton>(this, "Command4", {9960, 8820, 1455, 375}, QStringLiteral("导出Excel表格"));
  Label1 = ui::make<QLabel>(this, "Label1", {180, 8760});
  Label1->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
  Text6 = makeExportPathBox("Text6");

  connect(Command3, &QPushButton::clicked, this, &SalesDetailWindow::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &SalesDetailWindow::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &SalesDetailWindow::Command5_Click);
  connect(grid, &ui::PagedGrid::cellClicked, this, [this](int row, int) { grid->selectRow(row); });
}

void SalesDetailWindow::Form_Load() {
  ui::DateRangeWindow::Form_Load();
  Command3_Click();
}

void SalesDetailWindow::Command3_Click() {
  // The query runs to its end before any other click is handled.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SalesDetailOutcome out = runSalesDetail(
      session_.state.stockDbPath,
      {Text3->text(), Text4->text(), Text1->text(), Text2->text(), Text5->text(), Combo1->currentText()});
  using Kind = SalesDetailOutcome::Kind;
  if (out.kind != Kind::BadDates) {
    // A refused or failed query leaves the list empty; a refused one keeps the count line.
    if (out.kind == Kind::Listed) Label1->setText(QStringLiteral("记录数：%1").arg(out.records.size()));
    if (out.kind == Kind::Failed) Label1->setText(QStringLiteral("记录数：0"));
    Label1->adjustSize();
    grid->setRecords(std::move(out.records));
  }
  QApplication::restoreOverrideCursor();
  if (!out.message.isEmpty()) session_.dialogs.message(out.message);
}

void SalesDetailWindow::Command4_Click() {
  const QString path = ui::chooseExportPath(session_.dialogs, Text6);
  if (path.isEmpty()) return;
  ui::writeExport(session_.dialogs, path, [this] {
    std::vector<grid::Record> records;
    const grid::PagedGridState& state = grid->state();
    records.reserve(static_cast<size_t>(state.recordCount()));
    for (int i = 0; i < state.recordCount(); ++i) records.push_back(state.record(i));
    return salesDetailWorkbook(records);
  });
}

void SalesDetailWindow::Command5_Click() { session_.windows.openFresh(QString::fromLatin1(DrugSalesWindow::kName)); }

}  // namespace reports
