// The goods-receipt window: books one delivery of one drug into the catalogue's prices
// and stock, the drug's receipt defaults and the receipt list. Opened by the ledger's
// "添加", which hands it the receipt's key and category.
#pragma once

#include "purchasing/service/GoodsReceipt.h"
#include "purchasing/service/ReceiptSearch.h"
#include "ui/Session.h"
#include "ui/TextRows.h"
#include "ui/Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <array>
#include <vector>

namespace purchasing {

// The twelve boxes of Text1, by caption.
enum ReceiptBox {
  kBoxDate = 0, kBoxName, kBoxUnit, kBoxQuantity, kBoxStock, kBoxCost, kBoxPrice, kBoxSupplier, kBoxMaker,
  kBoxBatch, kBoxExpiry, kBoxAmount, kBoxCount
};

class GoodsReceiptWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form18";

  explicit GoodsReceiptWindow(ui::Session& session);

  void Form_Load() override;
  void Form_Unload() override;

  // Sets the receipt's key (Label2) and category (Label4): the ledger's "添加", which
  // also hands over the catalogue it keeps for the name box's searches.
  void begin(const QString& key, const QString& category, ReceiptSearch::Kept catalogue = {});

  void Text1_Change(int index);
  void List1_DblClick();  // picks the selected drug
  void Command3_Click();  // "计算售价"
  void Text4_Change();
  void Command1_Click();  // "保  存"

  // The catalogue stock of the drug picked last; 0 before a pick.
  double StockBefore = 0;

  std::array<QLineEdit*, kBoxCount> Text1{};
  std::array<QLabel*, kBoxCount + 1> Label1{};
  QLineEdit* Text4 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command1 = nullptr;
  QListView* List1 = nullptr;  // the drug names found; its rows are the search's lines
  QLabel* Label2 = nullptr;  // hidden: the receipt's key
  QLabel* Label4 = nullptr;  // the receipt's category

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ui::Session& session_;
  ReceiptSearch search_;  // List2: what each line of List1 stands for
  ui::TextRows* rows_ = nullptr;
};

}  // namespace purchasing
