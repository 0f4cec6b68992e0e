#include "purchasing/Form16.h"

#include "grid/GridConfig.h"
#include "store/DataFile.h"
#include "text/Blank.h"
#include "text/DateRange.h"
#include "text/Dates.h"
#include "ui/ComboBoxes.h"
#include "ui/Controls.h"
#include "spreadsheet/ListSheet.h"
#include "ui/SpreadsheetExport.h"

#include <QDate>

namespace purchasing {

Form16::Form16(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("进货统计"));
  setClientSize(5910, 6900);
  grid = new ui::PagedGrid(grid::purchaseStatisticsGrid(), this);
  Frame1 = ui::make<QGroupBox>(this, "Frame1", {120, 5460, 5715, 675});
  auto* label2 = ui::make<QLabel>(Frame1, "Label2", {120, 300}, QStringLiteral("日期范围"));
  Text3 = ui::make<QLineEdit>(Frame1, "Text3", {960, 240, 1275, 315}, QStringLiteral("2017-02-02"));
  ui::setCaption(label2, Text3);
  auto* label3 = ui::make<QLabel>(Frame1, "Label3", {2340, 300}, QStringLiteral("至"));
  Text4 = ui::make<QLineEdit>(Frame1, "Text4", {2640, 240, 1275, 315});
  ui::setCaption(label3, Text4);
  auto* label1 = ui::make<QLabel>(Frame1, "Label1", {4020, 300}, QStringLiteral("类别"));
  Combo1 = ui::make<QComboBox>(Frame1, "Combo1", {4500, 240, 1095, -1});
  ui::takeTextAsTyped(Combo1);
  Combo1->addItems({QStringLiteral("中药"), QStringLiteral("西成药")});
  Combo1->setCurrentText(QStringLiteral("西成药"));
  ui::setCaption(label1, Combo1);
  busyBar = std::make_unique<ui::BusyBar>(this);
  Command1 = ui::make<QPushButton>(this, "Command1", {3300, 6300, 1035, 375}, QStringLiteral("统   计"));
  Command2 = ui::make<QPushButton>(this, "Command2", {4380, 6300, 1455, 375}, QStringLiteral("导出Excel表格"));
  Text1 = ui::make<QLineEdit>(this, "Text1", {0, 0, 100, 100}, QStringLiteral("Text1"));
  Text1->hide();
  connect(Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form16::Command2_Click);
}

void Form16::Form_Load() {
  placeOnMainWindow();
  const QDate today = QDate::currentDate();
  Text3->setText(text::isoDate(text::oneMonthBack(today)));
  Text4->setText(text::isoDate(today));
}

void Form16::Command1_Click() {
  const text::DateRangeReading reading =
      text::readDateRange(Text3->text(), Text4->text(), {.maxDays = text::kMonthRangeDays});
  if (!reading.range) {
    session_.dialogs.message(reading.refusal);
    return;
  }
  const DateRange& range = *reading.range;
  busyBar->start();
  std::vector<StatisticsLine> result;
  QString failure;
  try {
    result = purchaseStatistics(session_.state.StockDbConnection, text::trimBlanks(Combo1->currentText()), range);
  } catch (const store::StoreError& e) {
    failure = e.reason();
  }
  if (failure.isEmpty()) {
    lines_ = std::move(result);
    std::vector<grid::Record> records;
    for (const StatisticsLine& line : lines_) {
      // A zero amount shows as a blank cell; the export keeps "0.00".
      const QString amount = line.amount == QStringLiteral("0.00") ? QString() : line.amount;
      records.push_back(grid::Record{{line.name, line.quantity, line.unit, amount}, {}});
    }
    grid->setRecords(std::move(records));
  }
  busyBar->stop();
  if (!failure.isEmpty()) session_.dialogs.message(QStringLiteral("统计失败：") + failure);
}

void Form16::Command2_Click() {
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
