#include "purchasing/PurchaseStatisticsWindow.h"

#include "grid/GridConfig.h"
#include "text/Blank.h"
#include "text/DateRange.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "spreadsheet/ListSheet.h"
#include "ui/SpreadsheetExport.h"

namespace purchasing {

PurchaseStatisticsWindow::PurchaseStatisticsWindow(ui::Session& session)
    : ui::DateRangeWindow(kName, QStringLiteral("进货统计"), 5910, 6900, Opening::LastMonth), session_(session) {
  makeGrid(grid::purchaseStatisticsGrid());
  makeFrame({120, 5460, 5715, 675});
  makeDateBoxes({"Label2", QStringLiteral("日期范围"), {120, 300}, {960, 240, 1275, 315}},
                {"Label3", QStringLiteral("至"), {2340, 300}, {2640, 240, 1275, 315}});
  makeCategoryBox({"Label1", QStringLiteral("类别"), {4020, 300}, {4500, 240, 1095, -1}},
                  {QStringLiteral("中药"), QStringLiteral("西成药")});
  busyBar = std::make_unique<ui::BusyBar>(this);
  Command1 = ui::make<QPushButton>(this, "Command1", {3300, 6300, 1035, 375}, QStringLiteral("统   计"));
  Command2 = ui::make<QPushButton>(this, "Command2", {4380, 6300, 1455, 375}, QStringLiteral("导出Excel表格"));
  Text1 = makeExportPathBox("Text1");
  connect(Command1, &QPushButton::clicked, this, &PurchaseStatisticsWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &PurchaseStatisticsWindow::Command2_Click);
}

void PurchaseStatisticsWindow::Command1_Click() {
  const text::DateRangeReading reading =
      text::readDateRange(Text3->text(), Text4->text(), {.maxDays = text::kMonthRangeDays});
  if (!reading.range) {
    session_.dialogs.message(reading.refusal);
    return;
  }
  const DateRange& range = *reading.range;
  ui::runGuarded(session_.dialogs, QStringLiteral("统计失败"), [&] {
    // The bar is gone before a failure is told; the list shown stays as it was.
    struct Running {
      explicit Running(ui::BusyBar& bar) : bar(bar) { bar.start(); }
      ~Running() { bar.stop(); }
      ui::BusyBar& bar;
    } running(*busyBar);
    lines_ = purchaseStatistics(session_.state.stockDbPath, text::trimBlanks(Combo1->currentText()), range);
    std::vector<grid::Record> records;
    for (const StatisticsLine& line : lines_) {
      // A zero amount shows as a blank cell; the export keeps "0.00".
      const QString amount = line.amount == QStringLiteral("0.00") ? QString() : line.amount;
      records.push_back(grid::Record{{line.name, line.quantity, line.unit, amount}, {}});
    }
    grid->setRecords(std::move(records));
  });
}

void PurchaseStatisticsWindow::Command2_Click() {
  if (lines_.empty()) {
    // Nothing to export before the first statistic: the chosen name is kept, no file written.
    const QString chosen =
        text::trimBlanks(session_.dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)")));
    if (!chosen.isEmpty()) Text1->setText(chosen);
    return;
  }
  const QString path = ui::chooseExportPath(session_.dialogs, Text1);
  if (path.isEmpty()) return;
  ui::writeExport(session_.dialogs, path, [this] {
    std::vector<QStringList> records;
    for (const StatisticsLine& line : lines_) records.push_back({line.name, line.quantity, line.unit, line.amount});
    return spreadsheet::listWorkbook({QStringLiteral("药品名称"), QStringLiteral("数量"), QStringLiteral("单位"),
                                      QStringLiteral("金额")},
                                     records, QList<int>{1, 3});
  });
}

}  // namespace purchasing
