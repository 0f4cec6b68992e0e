#include "purchasing/GoodsReceiptWindow.h"

#include "purchasing/PurchaseLedgerWindow.h"
#include "purchasing/service/ReceiptLedger.h"
#include "text/Blank.h"
#include "text/Dates.h"
#include "text/Numbers.h"
#include "ui/Controls.h"
#include "ui/FocusAndKeys.h"
#include "ui/Guard.h"
#include "ui/InputTarget.h"
#include "ui/SpacedText.h"

#include <QDate>
#include <QKeyEvent>
#include <QTimer>

namespace purchasing {
namespace {

const char16_t* const kCaptions[kBoxCount] = {u"进货日期", u"品名[规格]", u"单    位", u"数    量",
                                              u"库    存", u"进    价", u"售    价", u"供货单位",
                                              u"生产厂家", u"批    号", u"有效期至", u"金    额"};
constexpr int kCaptionTops[kBoxCount] = {180, 600, 1020, 1440, 1860, 2280, 2700, 3120, 3540, 3960, 4380, 4800};
constexpr int kBoxTops[kBoxCount] = {120, 540, 960, 1380, 1800, 2220, 2640, 3060, 3480, 3900, 4325, 4740};
const QString kBadRatioMessage = QStringLiteral("请输入大于0的利润率！");
const QString kPickFailed = QStringLiteral("读取药物资料失败");

}  // namespace

GoodsReceiptWindow::GoodsReceiptWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("进货"));
  setClientSize(4905, 5730);
  for (int i = 0; i < kBoxCount; ++i) {
    const QString caption = QString::fromUtf16(kCaptions[i]);
    Label1[i] = ui::make<QLabel>(this, QStringLiteral("Label1_%1").arg(i),
                                 {180, double(kCaptionTops[i]), i == kBoxName ? 900.0 : 720.0, 180}, caption);
    const bool narrow = i == kBoxCost || i == kBoxPrice;
    Text1[i] = ui::make<QLineEdit>(this, QStringLiteral("Text1_%1").arg(i),
                                   {1200, double(kBoxTops[i]), narrow ? 2295.0 : 3555.0, 315});
    ui::setCaption(Label1[i], Text1[i]);
    ui::declareInputTarget(session_.padTarget, Text1[i], text::InputKind::Drug);
    Text1[i]->installEventFilter(this);
    connect(Text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
  }
  Text1[kBoxStock]->setReadOnly(true);
  Label1[12] = ui::make<QLabel>(this, "Label1_12", {3600, 2310, 540, 180}, QStringLiteral("利润率"));
  Text4 = ui::make<QLineEdit>(this, "Text4", {4200, 2250, 555, 300}, QStringLiteral("1.25"));
  ui::setCaption(Label1[12], Text4);
  connect(Text4, &QLineEdit::textChanged, this, &GoodsReceiptWindow::Text4_Change);
  Command3 = ui::make<QPushButton>(this, "Command3", {3600, 2660, 1155, 300}, QStringLiteral("计算售价"));
  connect(Command3, &QPushButton::clicked, this, &GoodsReceiptWindow::Command3_Click);
  Command1 = ui::make<QPushButton>(this, "Command1", {3180, 5220, 1575, 375}, QStringLiteral("保  存"));
  Command1->setAutoDefault(true);  // Enter on the button saves
  connect(Command1, &QPushButton::clicked, this, &GoodsReceiptWindow::Command1_Click);
  List1 = ui::make<QListView>(this, "List1", {1200, 900, 3555, 4200});
  rows_ = new ui::TextRows(List1);
  List1->setModel(rows_);
  ui::spaceListRows(List1);  // strengths of one drug, one under the other, never touch
  // Rows of one height, laid out a batch at a time: a search that lists thousands of
  // drugs shows the first ones at once.
  List1->setUniformItemSizes(true);
  List1->setLayoutMode(QListView::Batched);
  List1->setBatchSize(100);
  List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List1->hide();
  ui::onPick(List1, [this] { List1_DblClick(); });
  Label2 = ui::make<QLabel>(this, "Label2", {0, 0, 100, 100});
  Label2->hide();
  Label4 = ui::make<QLabel>(this, "Label4", {285, 5310, 615, 180});
  Label4->setAlignment(Qt::AlignCenter);
  Label4->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-family: 宋体; font-size: 9pt;"));

  // Tab order: the name box first, through the boxes to "保  存", then the list and the date.
  const int order[] = {kBoxName, kBoxUnit, kBoxQuantity, kBoxStock, kBoxCost, kBoxPrice, kBoxSupplier, kBoxMaker, kBoxBatch, kBoxExpiry, kBoxAmount};
  std::vector<QWidget*> chain;
  for (int i : order) chain.push_back(Text1[i]);
  chain.insert(chain.end(), {Command1, List1, Text1[kBoxDate]});
  ui::setTabChain(chain);
}

void GoodsReceiptWindow::Form_Load() {
  const QRect main = mainWindowTwips();
  Move((main.width() - Width()) / 2.0, (main.height() - Height()) / 2.0 + 100);
  Text1[kBoxDate]->setText(text::isoDate(QDate::currentDate()));
  Text1[kBoxDate]->setCursorPosition(Text1[kBoxDate]->text().size());
  Text4->setText(text::plainNumber(session_.services.markupRatio()));
  Text1[kBoxName]->setFocus();
}

void GoodsReceiptWindow::begin(const QString& key, const QString& category, ReceiptSearch::Kept catalogue) {
  if (catalogue) {
    rows_->clear();
    search_ = ReceiptSearch(std::move(catalogue));
  }
  Label2->setText(key);
  Label4->setText(category);
  Text1[kBoxName]->setFocus();
  // The catalogue's keys are read once the window is drawn, not at the first keystroke.
  QTimer::singleShot(0, this, [this] { search_.readAhead(session_.state.mainDbPath); });
}

void GoodsReceiptWindow::Text1_Change(int index) {
  rows_->clear();
  search_.clear();
  const QString name = Text1[kBoxName]->text();
  if (index == kBoxName && !text::trimBlanks(name).isEmpty()) {
    search_.offer(session_.state.mainDbPath, name, Label4->text());
    rows_->setRows(search_.count(), [this](int line) { return search_.shownName(line); });
    List1->setVisible(search_.count() > 0);
    if (search_.count() > 0) List1->raise();
  } else {
    List1->hide();
  }
  const double quantity = text::leadingNumber(Text1[kBoxQuantity]->text());
  if (index == kBoxQuantity) Text1[kBoxStock]->setText(text::plainNumber(quantity + StockBefore));
  if (index == kBoxQuantity || index == kBoxCost)
    Text1[kBoxAmount]->setText(text::format000(quantity * text::leadingNumber(Text1[kBoxCost]->text())));
}

void GoodsReceiptWindow::List1_DblClick() {
  const int line = List1->currentIndex().row();
  if (line < 0 || line >= search_.count()) return;
  const PickOutcome picked = search_.pick(session_.state.mainDbPath, line);
  if (!picked.reason.isEmpty()) {
    ui::showFailure(session_.dialogs, kPickFailed, picked.reason);
    return;
  }
  if (!picked.drug) {
    // Removed, or moved to another category, since the list was made: the list is made
    // again from what the catalogue holds now.
    Text1_Change(kBoxName);
    return;
  }
  const CatalogueMatch match = *picked.drug;
  Text1[kBoxName]->setText(match.name);
  Text1[kBoxUnit]->setText(match.unit);
  Text1[kBoxCost]->setText(match.cost);
  Text1[kBoxPrice]->setText(match.price);
  StockBefore = text::leadingNumber(text::trimBlanks(match.stock));
  Text1[kBoxStock]->setText(text::plainNumber(StockBefore));
  // Without the defaults the four boxes keep what they hold; the user types them.
  if (const auto defaults = keptDefaults(session_.state.stockDbPath, text::trimBlanks(match.name))) {
    Text1[kBoxSupplier]->setText(defaults->supplier);
    Text1[kBoxMaker]->setText(defaults->maker);
    Text1[kBoxBatch]->setText(defaults->batch);
    Text1[kBoxExpiry]->setText(defaults->expiry);
  }
  List1->hide();
  Text1[kBoxQuantity]->setFocus();
  Text1[kBoxQuantity]->setCursorPosition(Text1[kBoxQuantity]->text().size());
}

void GoodsReceiptWindow::Command3_Click() {
  const std::optional<double> ratio = text::readLeadingNumber(text::trimBlanks(Text4->text()));
  if (!ratio || *ratio <= 0) {
    // A selling price of 0.000 from a blank or bad ratio would be sold at nothing.
    session_.dialogs.message(kBadRatioMessage);
    Text4->setFocus();
    return;
  }
  Text1[kBoxPrice]->setText(text::format000(text::leadingNumber(text::trimBlanks(Text1[kBoxCost]->text())) * *ratio));
  Text1[kBoxPrice]->setFocus();
  Text1[kBoxPrice]->setCursorPosition(Text1[kBoxPrice]->text().size());
}

void GoodsReceiptWindow::Text4_Change() {
  const std::optional<double> ratio = text::readLeadingNumber(text::trimBlanks(Text4->text()));
  if (ratio && *ratio > 0) session_.services.setMarkupRatio(*ratio);
}

void GoodsReceiptWindow::Command1_Click() {
  ReceiptInput in;
  in.date = Text1[kBoxDate]->text();
  in.name = Text1[kBoxName]->text();
  in.unit = Text1[kBoxUnit]->text();
  in.quantity = Text1[kBoxQuantity]->text();
  in.cost = Text1[kBoxCost]->text();
  in.price = Text1[kBoxPrice]->text();
  in.supplier = Text1[kBoxSupplier]->text();
  in.maker = Text1[kBoxMaker]->text();
  in.batch = Text1[kBoxBatch]->text();
  in.expiry = Text1[kBoxExpiry]->text();
  in.amount = Text1[kBoxAmount]->text();
  in.key = Label2->text();
  in.category = Label4->text();
  List1->hide();
  const ReceiptOutcome outcome = bookReceipt(session_.state.mainDbPath, session_.state.stockDbPath, in);
  switch (outcome.status) {
    case ReceiptOutcome::Status::BadDate:
      session_.dialogs.message(kBadReceiptDateMessage);
      Text1[kBoxDate]->setFocus();
      return;
    case ReceiptOutcome::Status::MissingDrug:
      session_.dialogs.message(kMissingDrugMessage);
      if (registry()->isDefined(QStringLiteral("Form3"))) registry()->openFresh(QStringLiteral("Form3"));
      return;
    case ReceiptOutcome::Status::Failed:
      ui::showFailure(session_.dialogs, QStringLiteral("入库失败，未保存"), outcome.reason);
      return;
    case ReceiptOutcome::Status::Booked:
      break;
  }
  Text1[kBoxStock]->setText(outcome.newStock);
  if (PurchaseLedgerWindow* ledger = registry()->findAs<PurchaseLedgerWindow>()) ledger->showRecentReceipts();
  registry()->unload(name());
}

void GoodsReceiptWindow::Form_Unload() {
  // Closing this window, by a save or its close box, lets the client area activate
  // whichever window it picks, often the prescription window over the ledger; the ledger
  // that opened the receipt is the one the user goes on with. It comes forward once the
  // close is done, if it is still open then.
  ui::WindowRegistry* windows = registry();
  if (PurchaseLedgerWindow* ledger = windows->findAs<PurchaseLedgerWindow>()) {
    QTimer::singleShot(0, ledger, [windows] {
      if (PurchaseLedgerWindow* open = windows->findAs<PurchaseLedgerWindow>()) open->Show();
    });
  }
}

bool GoodsReceiptWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return ui::Window::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (watched == Text1[kBoxName] && List1->isVisible() && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)) {
    ui::enterList(List1);
    return true;
  }
  if (enter) {
    // Enter walks the boxes as the tab key does, ending on "保  存".
    focusNextChild();
    return true;
  }
  return false;
}

void GoodsReceiptWindow::mousePressEvent(QMouseEvent* event) {
  List1->hide();
  ui::Window::mousePressEvent(event);
}

}  // namespace purchasing
