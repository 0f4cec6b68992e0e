#include "prescription/DrugSearchPanel.h"

#include "ui/ControlEvents.h"
#include "ui/ControlTable.h"
#include "ui/Fonts.h"
#include "ui/FocusAndKeys.h"
#include "ui/Session.h"
#include "ui/TextRows.h"

#include <QColor>

#include <array>

namespace prescription {
namespace {

// The category buttons Command1(0..16), 300 high: left, top, width on the window.
struct CategoryButton {
  double left;
  double top;
  double width;
};
constexpr std::array<CategoryButton, 17> kCategoryButtons = {{
    {60, 840, 795},   {900, 840, 615},   {1560, 840, 795},  {2400, 840, 615},  {3060, 840, 615},
    {60, 1200, 675},  {780, 1200, 795},  {1620, 1200, 915}, {2580, 1200, 1095},
    {60, 1560, 675},  {780, 1560, 795},  {1620, 1560, 795}, {2460, 1560, 1215},
    {60, 1920, 675},  {780, 1920, 735},  {1560, 1920, 1035}, {2640, 1920, 1035},
}};
constexpr double kCategoryButtonHeight = 300;

// The stroke keys Command16(0..4) under the search box and the digits they append.
constexpr std::array<const char16_t*, 5> kStrokeKeys = {u"一", u"丨", u"丿", u"丶", u"ㄑ"};
constexpr std::array<double, 5> kStrokeKeyLefts = {1650, 1980, 2310, 2640, 2970};

const QColor kSearchYellow(255, 255, 192);

// The box's text after a key of the panel, with the caret at its end.
void typeInto(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setFocus();
  box->end(false);
}

}  // namespace

void DrugSearchPanel::build(QWidget* window, ui::ControlArray<QLabel>& captions, Handlers handlers) {
  handlers_ = std::move(handlers);
  for (int i = 0; i < kCategoryCount; ++i) {
    const CategoryButton& b = kCategoryButtons[i];
    QPushButton* button = Command1.make(i, window, {b.left, b.top, b.width, kCategoryButtonHeight}, kCategoryCaptions[i]);
    QObject::connect(button, &QPushButton::clicked, button, [this, i] { Command1_Click(i); });
  }
  ui::markChosen(Command1, 0);

  Text1 = ui::makeCaptionedBox(captions, window,
                               {1, {60, 2385, 1800, 240}, QStringLiteral("中文\\拼音\\笔画查询"), "Text1",
                                {1800, 2320, 1875, 315}, ui::Look().coloured(Qt::red),
                                ui::Look().filled(kSearchYellow).coloured(Qt::red)});
  QObject::connect(Text1, &QLineEdit::textChanged, Text1, [this] { Text1_Change(); });
  ui::onEvent(Text1, [this](QEvent* event) {
    // Leaving the header for the search closes its suggestion lists.
    if (event->type() == QEvent::FocusIn) handlers_.searching();
    return false;
  });
  ui::onKeyDown(Text1, [this](int key) { return Text1_KeyDown(key); });

  std::vector<QPushButton*> keys = ui::makeButtons(window, {
      // The pad types into the box that had the focus before this click.
      {"Command17", u"笔画输入法", {60, 2730, 1215, 300},
       [this] { session_.windows.openFresh(QStringLiteral("Form21")); }},
      {"Command18", u"?", {1320, 2730, 345, 300},
       [this] { session_.dialogs.message(kStrokeHintLines.join(u'\n'), kStrokeHintTitle); }},
  });
  ui::ControlArray<QPushButton> Command16{QStringLiteral("Command16")};
  for (int i = 0; i < static_cast<int>(kStrokeKeys.size()); ++i) {
    QPushButton* key = Command16.make(i, window, {kStrokeKeyLefts[i], 2730, 345, 300}, QString::fromUtf16(kStrokeKeys[i]));
    QObject::connect(key, &QPushButton::clicked, key, [this, i] { typeInto(Text1, appendStroke(Text1->text(), i)); });
    keys.push_back(key);
  }
  keys.push_back(ui::makeButtons(window, {{"Command15", u"←", {3300, 2730, 375, 300},
                 [this] { typeInto(Text1, dropLastCharacter(Text1->text())); }}})[0]);
  for (QPushButton* b : keys) b->setFocusPolicy(Qt::NoFocus);

  List1 = ui::make<QListView>(window, "List1", {60, 3120, 3615, 3480});
  rows_ = new ui::TextRows(List1);
  List1->setModel(rows_);
  // Rows of one height, laid out a batch at a time: a search that lists thousands of rows
  // shows the first ones at once.
  List1->setUniformItemSizes(true);
  List1->setLayoutMode(QListView::Batched);
  List1->setBatchSize(100);
  List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List1->setFont(ui::designFont(ui::kSongTi, 9));
  ui::onKeyDown(List1, [this](int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    List1_DblClick();
    return true;
  });
  QObject::connect(List1, &QListView::doubleClicked, List1, [this] { List1_DblClick(); });
}

void DrugSearchPanel::Command1_Click(int index) {
  if (index < 0 || index >= kCategoryCount) return;
  ui::markChosen(Command1, index);
  // The search text goes at every click; its listing is replaced by the click's own.
  Text1->clear();
  Text1->setFocus();
  rows_->clear();

  handlers_.categoryClicked(index);
  showListing(clickQuery(index));
}

void DrugSearchPanel::Text1_Change() {
  const QString typed = Text1->text();
  const QString search = withoutApostrophes(typed);
  if (search != typed) {
    // Setting the text runs this handler again for the text without apostrophes.
    Text1->setText(search);
    return;
  }
  // The listing replaces the list's entries in one go (an unreadable catalogue lists none).
  showListing(searchQuery(handlers_.category(), search));
  handlers_.searching();
}

bool DrugSearchPanel::Text1_KeyDown(int key) {
  if (key == Qt::Key_Down) {
    List1->setFocus();
    if (rows_->rowCount() > 0) List1->setCurrentIndex(rows_->index(0));
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // One hit is picked at once; with none or several the key does nothing.
    if (rows_->rowCount() == 1) {
      List1->setCurrentIndex(rows_->index(0));
      List1_DblClick();
    }
    return true;
  }
  return false;
}

void DrugSearchPanel::showListing(const CatalogQuery& query) {
  // The old entries go first: the kept catalogue rows they were made from are then no
  // longer shared, and a change to the catalogue is applied to them in place.
  rows_->clear();
  entries_ = {};
  try {
    entries_ = handlers_.listing(query);
  } catch (const std::exception&) {
    // Left unsaid on purpose: a catalogue that cannot be read lists nothing while the
    // physician types, and the search box keeps its text; pricing says why.
  }
  rows_->setRows(static_cast<int>(entries_.size()), [this](int row) { return entries_.item(static_cast<size_t>(row)); });
}

void DrugSearchPanel::List1_DblClick() {
  const int row = List1->currentIndex().row();
  // With rows but none chosen there is nothing to pick.
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  handlers_.picked(entries_[static_cast<size_t>(row)]);
  Text1->clear();
  Text1->setFocus();
  List1->setCurrentIndex(QModelIndex());
  List1->clearSelection();
}

}  // namespace prescription
