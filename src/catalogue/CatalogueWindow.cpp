#include "catalogue/CatalogueWindow.h"

#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueFile.h"
#include "catalogue/service/CatalogueImport.h"
#include "catalogue/service/CatalogueListing.h"
#include "catalogue/service/CatalogueSheet.h"
#include "catalogue/service/CellEditing.h"
#include "catalogue/service/RowSave.h"
#include "grid/GridConfig.h"
#include "platform/WebPages.h"
#include "spreadsheet/ExportFile.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "text/Blank.h"
#include "text/Numbers.h"
#include "text/PinyinInitials.h"
#include "ui/ControlEvents.h"
#include "ui/ControlTable.h"
#include "ui/Controls.h"
#include "ui/FocusAndKeys.h"
#include "ui/Guard.h"
#include "ui/InputTarget.h"
#include "ui/SpacedText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace catalogue {
namespace {

const QString kPickListStyle =
    QStringLiteral("QListWidget { background: rgb(255, 255, 192); color: rgb(0, 0, 192); }");
const QColor kGreyedBox(0xE0, 0xE0, 0xE0);
const QString kListUnreadable = QStringLiteral("药物列表读取失败");

// The busy cursor for the length of an export or an import.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

CatalogueCells cellsOf(const grid::Record& record) {
  CatalogueCells cells;
  for (int i = 0; i < kCatalogueFieldCount && i < static_cast<int>(record.fields.size()); ++i)
    cells[i] = record.fields[static_cast<size_t>(i)];
  return cells;
}

}  // namespace

CatalogueWindow::CatalogueWindow(ui::Session& session)
    : ui::Window(QString::fromLatin1(kName)), session_(session), keys_(session.state.stationCode) {
  setWindowTitle(QStringLiteral("药物维护"));
  setClientSize(13935, 9180);
  build();
}

void CatalogueWindow::build() {
  buildTopStrip();
  grid = new ui::PagedGrid(grid::catalogueGrid(), this);
  buildPickLists();
  buildPalette();
  buildBottomRow();
  wireCells();
}

void CatalogueWindow::buildTopStrip() {
  Text2 = ui::make<QLineEdit>(this, "Text2", {1920, 120, 2160, 315});
  ui::makeCaption(this, Text2, QStringLiteral("输入拼音或中文查询"), 120, 180);
  Text4 = ui::make<QLineEdit>(this, "Text4", {5640, 120, 720, 315});
  ui::makeCaption(this, Text4, QStringLiteral("药品售价利润率"), 4260, 180);
  Text3 = ui::make<QLineEdit>(this, "Text3", {7560, 120, 720, 315});
  ui::makeCaption(this, Text3, QStringLiteral("库存量少于"), 6600, 180);
  Command2 = ui::make<QPushButton>(this, "Command2", {8400, 90, 1440, 375}, QStringLiteral("库存报警查询"));
  Label3 = ui::make<QLabel>(this, "Label3", {10080, 180, 1500, 255}, QStringLiteral("西成药"));
  Label3->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
  // Why a row could not be saved, until it is.
  Label8 = ui::make<QLabel>(this, "Label8", {11640, 180, 2220, 255});
  Label8->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));

  // The category buttons in one row: 全部西药, the twelve sub-categories, 中药, 收费项目, 用法.
  const int order[kCategoryButtons] = {kAllWesternButton, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                       kHerbalButton, kFeeButton, kUsageButton};
  // Each as wide as its caption needs, so that "维生素激素" shows whole.
  double left = 120;
  for (int slot = 0; slot < kCategoryButtons; ++slot) {
    const int index = order[slot];
    const double width = 300 + 195 * buttonCaption(index).size();
    QPushButton* b = Command1.make(index, this, {left, 660, width, 375}, buttonCaption(index));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
    left += width;
  }

  connect(Command2, &QPushButton::clicked, this, &CatalogueWindow::Command2_Click);
  connect(Text2, &QLineEdit::textChanged, this, [this] {
    // Every change lists again, unless the user keeps rows that are not yet saved.
    if (loaded_ && mayDropUnsaved()) reload();
  });
  connect(Text4, &QLineEdit::textChanged, this,
          [this](const QString& text) { session_.services.setMarkupRatio(text::leadingNumber(text)); });
  ui::declareInputTarget(session_.padTarget, Text2, text::InputKind::Drug);
  ui::onClick(Text2, [this] { List1->hide(); });

  Text1 = ui::make<QLineEdit>(this, "Text1", {120, 8700, 300, 285});
  Text1->hide();
  text9 = ui::make<QLabel>(this, "text9", {120, 8700, 300, 285});
  text9->hide();
}

void CatalogueWindow::buildPickLists() {
  List1 = ui::make<QListWidget>(this, "List1", {0, 0, 2385, 1290});
  List1->addItems(usagePhrases());
  List3 = ui::make<QListWidget>(this, "List3", {0, 0, 795, 930});
  List4 = ui::make<QListWidget>(this, "List4", {0, 0, 1755, 1290});
  for (QListWidget* list : {List1, List3, List4}) {
    list->setStyleSheet(kPickListStyle);
    ui::spaceListRows(list);
    list->hide();
    ui::onPick(list, [this, list] { takePick(list); });
  }
  // A shown list stays under its cell while the grid is shifted sideways.
  connect(grid->HS1(), &QScrollBar::valueChanged, this, [this] { placePickList(); });
}

void CatalogueWindow::buildPalette() {
  auto* strip = ui::make<QWidget>(this, "Picture3", {120, 8160, 13695, 330});
  ui::make<QLabel>(strip, "Label6", {60, 60, 1620, 225}, QStringLiteral("点击插入常用词："));
  double left = 1680;
  const QStringList& words = paletteWords();
  for (int i = 0; i < words.size(); ++i) {
    // Chinese characters take 180 twips, Latin letters and "×" half of it.
    double width = 120;
    for (const QChar c : words[i]) width += c.unicode() < 0x2E80 ? 105 : 195;
    if (words[i].isEmpty()) width = 150;
    QLabel* word = Label5.make(i, strip, {left, 60, width, 225}, words[i]);
    word->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    word->setCursor(Qt::PointingHandCursor);
    ui::onClick(word, [this, i] { insertPaletteWord(i); });
    left += width;
  }
}

void CatalogueWindow::buildBottomRow() {
  struct Button {
    QPushButton** target;
    const char* name;
    const char* caption;
  } buttons[] = {{&Command5, "Command5", "药物维护帮助"}, {&Command3, "Command3", "添  加"},
                 {&Command10, "Command10", "保  存"},     {&Command4, "Command4", "删  除"},
                 {&Command7, "Command7", "导出到Excel"},  {&Command6, "Command6", "导  入"},
                 {&Command8, "Command8", "清  空"}};
  double left = 120;
  for (const Button& b : buttons) {
    *b.target = ui::make<QPushButton>(this, b.name, {left, 8610, 1380, 435}, QString::fromUtf8(b.caption));
    left += 1500;
  }
  Label7 = ui::make<QLabel>(this, "Label7", {left + 120, 8700, 3000, 255}, QStringLiteral("可直接在表格中修改或添加药物！"));
  Label7->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));

  connect(Command3, &QPushButton::clicked, this, &CatalogueWindow::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &CatalogueWindow::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &CatalogueWindow::Command5_Click);
  connect(Command6, &QPushButton::clicked, this, &CatalogueWindow::Command6_Click);
  connect(Command7, &QPushButton::clicked, this, &CatalogueWindow::Command7_Click);
  connect(Command8, &QPushButton::clicked, this, &CatalogueWindow::Command8_Click);
  connect(Command10, &QPushButton::clicked, this, &CatalogueWindow::Command10_Click);
}

void CatalogueWindow::wireCells() {
  for (int row = 0; row < grid->rows(); ++row) {
    for (int column = kNameField; column <= kDrawerField; ++column) {
      QLineEdit* cell = cellAt(row, column);
      cellPlaces_.insert(cell, {row, column});
      cell->installEventFilter(this);
      // The stroke pad types into every cell up to 库存量.
      if (column <= kStockField) ui::declareInputTarget(session_.padTarget, cell, text::InputKind::Drug);
    }
  }
  connect(grid, &ui::PagedGrid::cellEdited, this, [this](int row, int column) { onCellEdited(row, column); });
  connect(grid, &ui::PagedGrid::cellClicked, this, &CatalogueWindow::onCellClicked);
  connect(grid, &ui::PagedGrid::pageShown, this, [this] { hidePickLists(); });
  connect(grid, &ui::PagedGrid::selectionChanged, this, [this](int row) {
    const bool selected = row >= 0;
    Command4->setEnabled(selected);
    Text1->setEnabled(selected);
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, selected ? QApplication::palette().color(QPalette::Base) : kGreyedBox);
    Text1->setPalette(palette);
    if (!selected) Text1->clear();
  });
}

void CatalogueWindow::Form_Load() {
  placeOnMainWindow();
  Text4->setText(text::plainNumber(session_.services.markupRatio()));
  Text3->setText(QStringLiteral("500"));
  List4->addItems(westernSubcategories());
  chosenCategory_ = kAllWesternButton;
  ui::markChosen(Command1, kAllWesternButton);
  Label3->setText(categoryPrefix(kAllWesternButton));
  reload();
  loaded_ = true;
}

void CatalogueWindow::Command1_Click(int index) {
  if (!mayDropUnsaved()) return;
  chosenCategory_ = index;
  ui::markChosen(Command1, index);
  Label3->setText(categoryPrefix(index));
  reload();
}

void CatalogueWindow::Command10_Click() {
  if (mayDropUnsaved()) reload();
}

void CatalogueWindow::reload() {
  hidePickLists();
  readFailureTold_ = false;
  std::vector<int64_t> ids;
  ui::runGuarded(session_.dialogs, kListUnreadable, [&] {
    ids = listSearch_.listingIds(session_.state.mainDbPath, Label3->text(), Text2->text());
  });
  // Only the ids are read here; each page reads its own rows as it is shown.
  grid->setSource(std::make_unique<CatalogueListing>(
      std::move(ids),
      [this](const std::vector<int64_t>& wanted) {
        return CatalogueFile(session_.state.mainDbPath).rowsWithIds(wanted);
      },
      [this](const QString& reason) { tellReadFailure(reason); }));
  showSaveStatus();
}

void CatalogueWindow::tellReadFailure(const QString& reason) {
  if (std::exchange(readFailureTold_, true)) return;
  // Told after the page show that met it, not in the middle of filling the cells.
  QMetaObject::invokeMethod(
      this, [this, reason] { ui::showFailure(session_.dialogs, kListUnreadable, reason); },
      Qt::QueuedConnection);
}

bool CatalogueWindow::mayDropUnsaved() {
  const int unsaved = grid->state().unsavedCount();
  if (unsaved == 0) return true;
  return session_.dialogs.ask(QStringLiteral("有%1行修改尚未保存（见红色行），重新列出药物将丢弃这些修改。是否继续？").arg(unsaved),
                              platform::kPromptTitle,
                              platform::Dialogs::Buttons::YesNo) == platform::Dialogs::Answer::Yes;
}

void CatalogueWindow::Command2_Click() {
  if (!mayDropUnsaved()) return;
  const double threshold = text::leadingNumber(text::trimBlanks(Text3->text()));
  std::vector<CatalogueRow> rows;
  ui::runGuarded(session_.dialogs, QStringLiteral("库存报警查询失败"), [&] {
    rows = CatalogueFile(session_.state.mainDbPath).lowStock(Label3->text(), threshold);
  });
  // The blank rows after a low-stock list hold one blank in every cell.
  grid->setRecords(gridRecords(rows), QStringLiteral(" "));
  showSaveStatus();
}

void CatalogueWindow::Command3_Click() {
  const int row = grid->showAddTarget();
  QLineEdit* name = cellAt(row, kNameField);
  name->setFocus();
  name->setCursorPosition(name->text().size());
}

void CatalogueWindow::Command4_Click() {
  const int row = grid->state().selectedRow();
  if (row < 0) return;
  const int index = grid->state().recordAt(row);
  if (index < 0) return;
  const grid::Record& record = grid->state().record(index);
  if (record.unreadable) return;
  const QString key = record.fields.at(kKeyField);
  // A row that has no key was never stored: there is nothing to delete.
  if (text::trimBlanks(key).isEmpty()) return;
  if (!mayDropUnsaved()) return;
  if (!ui::runGuarded(session_.dialogs, QStringLiteral("删除失败"),
                      [&] { CatalogueFile(session_.state.mainDbPath).deleteRow(key); }))
    return;
  const int before = grid->VS1()->value();
  reload();
  grid->showAfterDelete(before);
}

void CatalogueWindow::Command5_Click() { platform::openWebPage(session_.dialogs, platform::WebPage::Help); }

void CatalogueWindow::Command8_Click() {
  if (session_.dialogs.ask(QStringLiteral("在进行清空操作前，务必先将药品导出备份，否则不能恢复！"), platform::kPromptTitle,
                           platform::Dialogs::Buttons::YesNo,
                           platform::Dialogs::Icon::Warning) != platform::Dialogs::Answer::Yes)
    return;
  if (!mayDropUnsaved()) return;
  ui::runGuarded(session_.dialogs, QStringLiteral("清空失败"),
                 [&] { CatalogueFile(session_.state.mainDbPath).clearCategory(Label3->text()); });
  reload();
}

void CatalogueWindow::Command7_Click() {
  const QString chosen =
      text::trimBlanks(session_.dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)")));
  if (chosen.isEmpty()) return;
  text9->setText(chosen);
  QString path = chosen;
  if (!path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) path += QStringLiteral(".xls");
  if (QFile::exists(path) &&
      session_.dialogs.ask(QStringLiteral("文件已存在，是否替换？"), platform::kPromptTitle,
                           platform::Dialogs::Buttons::YesNo) != platform::Dialogs::Answer::Yes)
    return;

  spreadsheet::WriteOutcome outcome;
  {
    const BusyCursor busy;
    outcome = CatalogueFile(session_.state.mainDbPath).exportTo(Label3->text(), path);
  }
  if (outcome.ok)
    session_.dialogs.message(QStringLiteral("文件导出成功！"));
  else
    ui::showFailure(session_.dialogs, spreadsheet::kExportFailed, outcome.reason);
}

void CatalogueWindow::Command6_Click() {
  // One entry for both kinds of workbook the reader takes, so that neither hides behind a
  // second filter.
  const QString chosen = text::trimBlanks(session_.dialogs.openFileName(
      QStringLiteral("打开"), QStringLiteral("Microsoft Excel 工作簿(*.xls *.xlsx)")));
  if (chosen.isEmpty()) return;
  text9->setText(chosen);
  if (!mayDropUnsaved()) return;

  QString reason;
  {
    const BusyCursor busy;
    const spreadsheet::SheetRows sheet = spreadsheet::SpreadsheetReader::readFirstSheet(chosen);
    if (!sheet.ok) {
      reason = sheet.reason;
    } else {
      const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
      reason = CatalogueFile(session_.state.mainDbPath)
                    .importFrom(sheet, chosen, chosenCategory_, stamp, session_.services.strokes());
    }
  }
  // Nothing was added when it failed; the list shows the table as it is either way.
  if (!reason.isEmpty()) ui::showFailure(session_.dialogs, QStringLiteral("导入失败，没有添加任何药物"), reason);
  reload();
}

void CatalogueWindow::focusCell(int row, int column) {
  if (column < 0 || column > 10 || row < 0 || row >= grid->rows()) return;
  QLineEdit* target = cellAt(row, column);
  target->setFocus();
  target->setCursorPosition(target->text().size());
}

void CatalogueWindow::onCellEdited(int row, int column) {
  if (column == kKeyField) return;  // the key changes only with the name
  ++editDepth_;
  bool save = true;
  if (column == kNameField) {
    save = !text::trimBlanks(cellAt(row, column)->text()).isEmpty();
    if (save) nameCellSteps(row);
  } else {
    QLineEdit* cell = cellAt(row, column);
    const QString replaced = replacedInColumn(column, cell->text());
    if (replaced != cell->text()) replaceInCell(cell, replaced);
  }
  if (save) pendingSaves_.insert(row);
  // The writes of one change (the name's key, category, initials) are saved together,
  // once, when the outermost handling ends.
  if (--editDepth_ == 0) {
    const QSet<int> rows = std::exchange(pendingSaves_, {});
    for (int r : rows) saveRow(r);
  }
}

void CatalogueWindow::nameCellSteps(int row) {
  QLineEdit* key = cellAt(row, kKeyField);
  if (text::trimBlanks(key->text()).isEmpty()) {
    key->setText(keys_.next(
        [this](const QString& candidate) { return CatalogueFile(session_.state.mainDbPath).keyTaken(candidate); }));
  }
  QLineEdit* category = cellAt(row, kCategoryField);
  if (text::trimBlanks(category->text()).isEmpty()) category->setText(newRowCategory(button()));
  if (button() == kHerbalButton) {
    QLineEdit* dose = cellAt(row, kUsualDoseField);
    if (text::trimBlanks(dose->text()).isEmpty()) dose->setText(QStringLiteral("10"));
    QLineEdit* unit = cellAt(row, kUnitField);
    if (text::trimBlanks(unit->text()).isEmpty()) unit->setText(QStringLiteral("g"));
  }
  QLineEdit* name = cellAt(row, kNameField);
  const QString bracketed = nameWithBrackets(name->text());
  if (bracketed != name->text()) replaceInCell(name, bracketed);
  cellAt(row, kInitialsField)->setText(text::trimBlanks(text::PinyinInitials(name->text())));
  pickRow_ = row;
}

void CatalogueWindow::replaceInCell(QLineEdit* cell, const QString& replaced) {
  const int caret = cell->cursorPosition();
  cell->setText(replaced);
  cell->setCursorPosition(caret);
}

void CatalogueWindow::saveRow(int row) {
  if (grid->isBusy()) return;
  grid->storeRow(row);
  saveRecord(grid->state().recordAt(row));
}

std::optional<CatalogueRow> CatalogueWindow::saveRecord(int index, const std::optional<QString>& fillRatio) {
  if (index < 0 || index >= grid->state().modelSize()) return std::nullopt;
  const grid::Record& record = grid->state().record(index);
  if (record.unreadable) return std::nullopt;  // never written back: its stored values are unknown
  const CatalogueCells cells = cellsOf(record);
  if (text::trimBlanks(cells[kKeyField]).isEmpty()) {
    // A row is stored once its name has given it a key; until then it is kept on screen.
    const bool typedInto =
        std::any_of(cells.begin(), cells.end(), [](const QString& c) { return !text::trimBlanks(c).isEmpty(); });
    if (typedInto)
      grid->markRecordUnsaved(index, QStringLiteral("请先输入药物名称"));
    else
      grid->markRecordSaved(index);
    showSaveStatus();
    return std::nullopt;
  }
  // A record that no file held when it was shown compares with blank cells.
  CatalogueCells before;
  for (size_t i = 0; i < before.size() && i < record.stored.size(); ++i) before[i] = record.stored[i];
  const text::StrokeCoder& strokes = session_.services.strokes();
  const int category = button();
  const CatalogueFile::SavedRow saved =
      CatalogueFile(session_.state.mainDbPath)
          .saveRow(text::trimBlanks(cells[kKeyField]), [&](const std::optional<CatalogueRow>& stored) {
            return rowToStore(stored, before, cells, category, strokes, fillRatio);
          });
  // A row the store refused, or one removed on another workstation, stays on screen, red,
  // with the reason.
  if (saved.saved())
    grid->markRecordStored(index);
  else
    grid->markRecordUnsaved(index, saved.reason);
  showSaveStatus();
  return saved.saved() ? std::optional<CatalogueRow>(saved.row) : std::nullopt;
}

void CatalogueWindow::Form_Unload() {
  for (const int index : grid->state().unsavedRecords()) saveRecord(index);
  const std::vector<int> left = grid->state().unsavedRecords();
  if (left.empty()) return;
  QStringList rows;
  for (const int index : left) {
    const grid::Record& record = grid->state().record(index);
    const QString name = text::trimBlanks(record.fields.at(kNameField));
    rows << (name.isEmpty() ? QStringLiteral("（无名称）") : name) + QStringLiteral("：") + record.saveFailure;
  }
  session_.dialogs.message(QStringLiteral("以下%1行修改未能保存，关闭窗口后不再保留：\n").arg(left.size()) +
                           rows.join(QStringLiteral("\n")));
}

void CatalogueWindow::showSaveStatus() {
  const grid::PagedGridState& state = grid->state();
  const std::vector<int> unsaved = state.unsavedRecords();
  const QString status =
      unsaved.empty() ? QString() : grid::PagedGridState::unsavedStatus(state.record(unsaved.front()).saveFailure);
  Label8->setText(status);
  Label8->setToolTip(status);
}

void CatalogueWindow::onCellFocused(int row, int column) {
  QLineEdit* cell = cellAt(row, column);
  switch (column) {
    case kNameField:
      // A name of blanks only is emptied as the caret enters it.
      if (!cell->text().isEmpty() && text::trimBlanks(cell->text()).isEmpty()) cell->clear();
      paletteTarget_ = Text1;
      hidePickLists();
      break;
    case kUsualDoseField:
      paletteTarget_ = cell;
      hidePickLists();
      break;
    case kUnitField:
      paletteTarget_ = Text1;
      List1->hide();
      List4->hide();
      List3->clear();
      List3->addItems(unitChoices(button()));
      if (pickListFor(column, button()) == PickList::Unit) showPickList(List3, row, column);
      pickRow_ = row;
      break;
    case kUsageField:
      paletteTarget_ = cell;
      hidePickLists();
      if (pickListFor(column, button()) == PickList::Usage) showPickList(List1, row, column);
      pickRow_ = row;
      break;
    case kCategoryField:
      paletteTarget_ = Text1;
      List1->hide();
      List3->hide();
      if (pickListFor(column, button()) == PickList::Category) showPickList(List4, row, column);
      pickRow_ = row;
      break;
    case kSellingPriceField:
      paletteTarget_ = Text1;
      hidePickLists();
      fillSellingPrice(row);
      break;
    case kInitialsField:
    case kPurchasePriceField:
      paletteTarget_ = Text1;
      hidePickLists();
      break;
    case kStockField:
      paletteTarget_ = Text1;
      break;
    case kDrawerField:
      hidePickLists();
      break;
    default:
      break;
  }
}

void CatalogueWindow::onCellClicked(int row, int column) {
  if (column == kNameField) hidePickLists();
  if (column == kSellingPriceField) fillSellingPrice(row);
}

void CatalogueWindow::fillSellingPrice(int row) {
  QLineEdit* price = cellAt(row, kSellingPriceField);
  const std::optional<QString> proposed =
      proposedSellingPrice(cellAt(row, kPurchasePriceField)->text(), Text4->text(), price->text());
  if (!proposed) return;
  const int index = grid->state().recordAt(row);
  if (index < 0 || text::trimBlanks(grid->state().record(index).fields[kKeyField]).isEmpty()) {
    // A line not yet stored: the fill is one of its cells, saved with it once it is named.
    price->setText(*proposed);
  } else {
    // A stored row: the page may be stale, so the save decides the fill from what the file
    // holds, and the cell then shows the price stored: the fill, or a newer one.
    const std::optional<CatalogueRow> stored = saveRecord(index, Text4->text());
    if (!stored) return;
    const QString shown = shownCells(*stored)[kSellingPriceField];
    {
      const grid::BusyFlag::Hold filling = grid->busyFlag().hold();
      price->setText(shown);
    }
    grid->state().setCellText(row, kSellingPriceField, shown);
    grid->markRecordStored(index);
  }
  price->setCursorPosition(price->text().size());
}

void CatalogueWindow::hidePickLists() {
  for (QListWidget* list : {List1, List3, List4}) list->hide();
  shownList_ = nullptr;
}

void CatalogueWindow::showPickList(QListWidget* list, int row, int column) {
  shownList_ = list;
  pickColumn_ = column;
  pickRow_ = row;
  placePickList();
  list->show();
  list->raise();
}

// Under its cell, 60 twips in and down, wherever the surface stands sideways.
void CatalogueWindow::placePickList() {
  if (!shownList_ || pickColumn_ < 0) return;
  const QLineEdit* cell = cellAt(pickRow_, pickColumn_);
  const QPoint surface = grid->surface()->pos() + grid->pos();
  shownList_->move(surface.x() + cell->x() + ui::px(60), surface.y() + cell->y() + cell->height() + ui::px(60));
}

void CatalogueWindow::takePick(QListWidget* list) {
  const QListWidgetItem* item = list->currentItem();
  if (!item) return;  // nothing chosen: the list stays open
  const QString value = item->text();
  const int row = pickRow_;
  const auto moveTo = [this, row](int column) { focusCell(row, column); };
  if (list == List3) {
    cellAt(row, kUnitField)->setText(value);
    moveTo(kUsageField);
  } else if (list == List1) {
    cellAt(row, kUsageField)->setText(value);
    moveTo(kInitialsField);
  } else {
    cellAt(row, kCategoryField)->setText(value);
    moveTo(kSellingPriceField);
  }
  list->hide();
  if (shownList_ == list) shownList_ = nullptr;
}

void CatalogueWindow::insertPaletteWord(int index) {
  if (!paletteTarget_) return;
  paletteTarget_->insert(paletteWords().value(index));
}

bool CatalogueWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto it = cellPlaces_.constFind(watched);
  if (it == cellPlaces_.constEnd()) return false;
  const auto [row, column] = it.value();
  if (event->type() == QEvent::FocusIn) {
    // Coming back to the window is no new entry into the cell.
    if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) onCellFocused(row, column);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (column > kStockField) return false;  // Enter in 斗位 stays there
    const int target = enterTarget(column);
    if (target >= 0) focusCell(row, target);
    return true;
  }
  if (key == Qt::Key_Down && (column == kUnitField || column == kUsageField || column == kCategoryField)) {
    QListWidget* list = column == kUnitField ? List3 : column == kUsageField ? List1 : List4;
    if (list->isVisible() && list->count() > 0) ui::enterList(list);
    return true;
  }
  return false;
}

}  // namespace catalogue
