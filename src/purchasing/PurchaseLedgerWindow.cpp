#include "purchasing/PurchaseLedgerWindow.h"

#include "grid/GridConfig.h"
#include "purchasing/PurchaseStatisticsWindow.h"
#include "purchasing/GoodsReceiptWindow.h"
#include "purchasing/service/GoodsReceipt.h"
#include "purchasing/service/PurchaseStatistics.h"
#include "text/Blank.h"
#include "text/DateRange.h"
#include "text/Dates.h"
#include "text/Numbers.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "spreadsheet/ListSheet.h"
#include "ui/SpreadsheetExport.h"

#include <QApplication>
#include <QDate>

namespace purchasing {
namespace {

QString asNumber(const QString& stored) { return text::plainNumber(text::leadingNumber(stored)); }
QString asPrice(const QString& stored) { return text::format000(text::leadingNumber(stored)); }

// The record as the grid shows it: quantities and stock in shortest form, prices "0.000".
grid::Record shownRecord(const LedgerRow& row) {
  grid::Record record;
  for (const QString& field : row.fields) record.fields.push_back(field);
  record.fields[kLedgerQuantity] = asNumber(row.fields[kLedgerQuantity]);
  record.fields[kLedgerStock] = asNumber(row.fields[kLedgerStock]);
  record.fields[kLedgerCost] = asPrice(row.fields[kLedgerCost]);
  record.fields[kLedgerPrice] = asPrice(row.fields[kLedgerPrice]);
  return record;
}

}  // namespace

PurchaseLedgerWindow::PurchaseLedgerWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("进货明细管理"));
  setClientSize(14790, 9600);
  grid = new ui::PagedGrid(grid::purchaseLedgerGrid(), this);
  const int y = 8760;
  auto* nameCaption = ui::make<QLabel>(this, "Label2", {120, y + 60}, QStringLiteral("药物名称"));
  Text1 = ui::make<QLineEdit>(this, "Text1", {960, y, 1695, 315});
  ui::setCaption(nameCaption, Text1);
  Combo1 = ui::make<QComboBox>(this, "Combo1", {2760, y, 1095, 315});
  Combo1->addItems({QStringLiteral("中药"), QStringLiteral("西成药")});
  Combo1->setCurrentText(QStringLiteral("西成药"));
  auto* fromCaption = ui::make<QLabel>(this, "Label3", {3960, y + 60}, QStringLiteral("日期"));
  Text3 = ui::make<QLineEdit>(this, "Text3", {4440, y, 1155, 315});
  ui::setCaption(fromCaption, Text3);
  auto* toCaption = ui::make<QLabel>(this, "Label4", {5640, y + 60}, QStringLiteral("至"));
  Text4 = ui::make<QLineEdit>(this, "Text4", {5940, y, 1155, 315});
  ui::setCaption(toCaption, Text4);
  Command3 = ui::make<QPushButton>(this, "Command3", {7200, y - 30, 855, 375}, QStringLiteral("查询"));
  Command2 = ui::make<QPushButton>(this, "Command2", {8100, y - 30, 855, 375}, QStringLiteral("添加"));
  Command1 = ui::make<QPushButton>(this, "Command1", {9000, y - 30, 855, 375}, QStringLiteral("删除"));
  Command5 = ui::make<QPushButton>(this, "Command5", {9900, y - 30, 855, 375}, QStringLiteral("统计"));
  Command4 = ui::make<QPushButton>(this, "Command4", {10800, y - 30, 1455, 375}, QStringLiteral("导出Excel表格"));
  Label1 = ui::make<QLabel>(this, "Label1", {12360, y + 60, 1200, -1}, QStringLiteral("记录数：0"));
  Label1->setStyleSheet(QStringLiteral("color: blue;"));
  Label5 = ui::make<QLabel>(this, "Label5", {120, y + 480}, QStringLiteral("请首先选择“西成药”或“中药”！"));
  Label5->setStyleSheet(QStringLiteral("color: red;"));
  Text6 = ui::make<QLineEdit>(this, "Text6", {0, 0, 100, 100}, QStringLiteral("Text1"));
  Text6->hide();
  connect(Command3, &QPushButton::clicked, this, &PurchaseLedgerWindow::Command3_Click);
  connect(Command2, &QPushButton::clicked, this, &PurchaseLedgerWindow::Command2_Click);
  connect(Command1, &QPushButton::clicked, this, &PurchaseLedgerWindow::Command1_Click);
  connect(Command5, &QPushButton::clicked, this, &PurchaseLedgerWindow::Command5_Click);
  connect(Command4, &QPushButton::clicked, this, &PurchaseLedgerWindow::Command4_Click);
}

void PurchaseLedgerWindow::Form_Load() {
  placeOnMainWindow();
  const QString today = text::isoDate(QDate::currentDate());
  Text3->setText(today);
  Text4->setText(today);
  Command3_Click();
}

void PurchaseLedgerWindow::showRows(std::vector<LedgerRow> rows) {
  rows_ = std::move(rows);
  std::vector<grid::Record> records;
  records.reserve(rows_.size());
  for (const LedgerRow& row : rows_) records.push_back(shownRecord(row));
  grid->setRecords(std::move(records));
  Label1->setText(QStringLiteral("记录数：") + QString::number(rows_.size()));
}

void PurchaseLedgerWindow::Command3_Click() {
  const std::optional<text::DateRange> range = text::readDateRange(Text3->text(), Text4->text()).range;
  if (!range) {
    showRows({});
    session_.dialogs.message(text::kBadDatesMessage);
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  LedgerOutcome read = readLedger(session_.state.stockDbPath, Text1->text(), Combo1->currentText(), *range, kLedgerCap);
  QApplication::restoreOverrideCursor();
  if (!read.reason.isEmpty()) {
    showRows({});
    ui::showFailure(session_.dialogs, QStringLiteral("查询失败"), read.reason);
    return;
  }
  if (read.tooMany) {
    // Refused: nothing listed, so no stale row stays selectable for "删除".
    showRows({});
    session_.dialogs.message(kTooManyMessage);
    return;
  }
  showRows(std::move(read.rows));
}

void PurchaseLedgerWindow::Command1_Click() {
  const int row = grid->state().selectedRow();
  if (row < 0) return;
  const int index = grid->state().recordAt(row);
  if (index < 0 || index >= static_cast<int>(rows_.size())) return;
  const LedgerRow picked = rows_[index];
  const DeleteOutcome outcome = deleteReceipt(session_.state.mainDbPath, session_.state.stockDbPath,
                                              picked.id, picked.fields[kLedgerKey]);
  if (!outcome.ok) {
    ui::showFailure(session_.dialogs, QStringLiteral("删除失败"), outcome.reason);
    return;
  }
  const int before = grid->state().firstVisible();
  Command3_Click();
  grid->showAfterDelete(before);
}

void PurchaseLedgerWindow::Command2_Click() {
  registry()->unload(QString::fromLatin1(GoodsReceiptWindow::kName));
  GoodsReceiptWindow& receipt = registry()->get<GoodsReceiptWindow>();
  receipt.Show();
  receipt.begin(session_.services.serials().TimestampKey(), Combo1->currentText(), receiptCatalogue_);
}

void PurchaseLedgerWindow::Command5_Click() { registry()->openFresh(QString::fromLatin1(PurchaseStatisticsWindow::kName)); }

void PurchaseLedgerWindow::Command4_Click() {
  const QString path = ui::chooseExportPath(session_.dialogs, Text6);
  if (path.isEmpty()) return;
  ui::writeExport(session_.dialogs, path, [this] {
    std::vector<QStringList> records;
    records.reserve(rows_.size());
    for (const LedgerRow& row : rows_) records.push_back(row.fields.mid(0, kLedgerKey));
    return spreadsheet::listWorkbook({QStringLiteral("进货日期"), QStringLiteral("药品名称"), QStringLiteral("单位"),
                             QStringLiteral("数量"), QStringLiteral("库存"), QStringLiteral("进价"),
                             QStringLiteral("售价"), QStringLiteral("供货单位"), QStringLiteral("生产厂家"),
                             QStringLiteral("批号"), QStringLiteral("有效期至"), QStringLiteral("金额")},
                            records, QList<int>{kLedgerQuantity, kLedgerStock, kLedgerCost,
                                                kLedgerPrice, kLedgerAmount});
  });
}

void PurchaseLedgerWindow::showRecentReceipts() {
  const QDate today = QDate::currentDate();
  Text1->setText(QString());
  Text3->setText(text::isoDate(text::oneMonthBack(today)));
  Text4->setText(text::isoDate(today));
  Command3_Click();
}

}  // namespace purchasing
