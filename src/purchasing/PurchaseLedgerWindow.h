// The purchase ledger: the goods receipts of one category and date range, newest first,
// optionally narrowed to names holding a typed text; delete, add, statistics, export.
#pragma once

#include "purchasing/service/ReceiptLedger.h"
#include "purchasing/service/ReceiptSearch.h"
#include "ui/PagedGrid.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace purchasing {

inline constexpr int kLedgerCap = 30000;
inline const QString kTooManyMessage = QStringLiteral("数据太多，请缩短查询时间范围！");

class PurchaseLedgerWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form17";

  explicit PurchaseLedgerWindow(ui::Session& session);

  void Form_Load() override;

  // "查询": lists the receipts of the filter boxes. Also run after a receipt is booked.
  void Command3_Click();
  void Command1_Click();  // "删除"
  void Command2_Click();  // "添加"
  void Command5_Click();  // "统计"
  void Command4_Click();  // "导出Excel表格"

  // After a receipt: name box emptied, dates from one month back to today, query run.
  void showRecentReceipts();

  const std::vector<LedgerRow>& receipts() const { return rows_; }

  QLineEdit* Text1 = nullptr;
  QComboBox* Combo1 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command4 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Text6 = nullptr;  // hidden: the last export path
  ui::PagedGrid* grid = nullptr;

 private:
  void showRows(std::vector<LedgerRow> rows);

  ui::Session& session_;
  std::vector<LedgerRow> rows_;
  // The catalogue as the receipts opened here search it, kept from one to the next.
  ReceiptSearch::Kept receiptCatalogue_ = ReceiptSearch::newKept();
};

}  // namespace purchasing
