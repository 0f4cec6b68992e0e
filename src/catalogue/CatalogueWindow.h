// The catalogue window "药物维护": the drug table by category in a grid edited cell by
// cell, each change saved at once, with the low-stock query, add, delete, clear, and the
// spreadsheet export and import.
#pragma once

#include "catalogue/service/CatalogueListSearch.h"
#include "catalogue/service/CatalogueRow.h"
#include "catalogue/service/RowKeys.h"
#include "ui/ControlArray.h"
#include "ui/PagedGrid.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSet>

namespace store {
class Catalogue;
}

namespace catalogue {

class CatalogueWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form3";

  explicit CatalogueWindow(ui::Session& session);

  void Form_Load() override;
  // Closing: what a failed save left unsaved is saved once more; what still cannot be
  // saved is named to the user instead of vanishing with the window.
  void Form_Unload() override;

  // The controls that code outside the window drives and reads directly; the others are
  // found by their object names.
  ui::PagedGrid* grid = nullptr;
  ui::ControlArray<QPushButton> Command1{QStringLiteral("Command1")};
  QLabel* Label3 = nullptr;        // the category prefix of the chosen button
  QLineEdit* Text2 = nullptr;      // search
  QLineEdit* Text4 = nullptr;      // markup ratio
  QLineEdit* Text3 = nullptr;      // low-stock threshold
  QPushButton* Command4 = nullptr;
  QPushButton* Command6 = nullptr;
  QLabel* Label8 = nullptr;        // why a row is not saved
  QLabel* text9 = nullptr;         // the path chosen last by the export or the import
  QListWidget* List1 = nullptr;    // usage phrases
  QListWidget* List3 = nullptr;    // units
  QListWidget* List4 = nullptr;    // western sub-categories
  ui::ControlArray<QLabel> Label5{QStringLiteral("Label5")};  // the palette

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Category button `index` (0 .. 15): lists that category.
  void Command1_Click(int index);
  // "保  存": lists the chosen category again (every cell is saved as it changes).
  void Command10_Click();
  // "库存报警查询": the rows of the category whose kept stock is below the threshold.
  void Command2_Click();
  // "添  加": the first blank row, its name cell ready for typing.
  void Command3_Click();
  // "删  除": the row shown in the selected grid row.
  void Command4_Click();
  // "药物维护帮助": the help page.
  void Command5_Click();
  // "导  入": adds the rows of a spreadsheet file.
  void Command6_Click();
  // "导出到Excel": every row of the chosen category, by name.
  void Command7_Click();
  // "清  空": every row of the chosen category, after the warning.
  void Command8_Click();

  QLineEdit* Text1 = nullptr;      // the palette's target for cells that take no words
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command7 = nullptr;
  QPushButton* Command8 = nullptr;
  QPushButton* Command10 = nullptr;
  QLabel* Label7 = nullptr;        // the hint

  void build();
  void buildTopStrip();
  void buildPickLists();
  void buildPalette();
  void buildBottomRow();
  void wireCells();

  // Lists the rows of the chosen category that the search box matches.
  void reload();
  // True when nothing unsaved would be lost, or the user agrees to drop it.
  bool mayDropUnsaved();
  // Writes record `index` of the grid's model into the catalogue under its key and marks
  // it saved or not; with `fillRatio`, fills in a selling price that reads 0 (rowToStore).
  // The row as the file then holds it, or nullopt when it was not saved.
  std::optional<CatalogueRow> saveRecord(int index, const std::optional<QString>& fillRatio = std::nullopt);
  // Tells once per list that rows of it could not be read.
  void tellReadFailure(const QString& reason);
  void hidePickLists();

  // Cell handling.
  // Puts the focus, caret at the end, into a cell of the row (columns 0 .. 10).
  void focusCell(int row, int column);
  // Writes the row's cells into the catalogue under its key.
  void saveRow(int row);
  void onCellEdited(int row, int column);
  void nameCellSteps(int row);
  void replaceInCell(QLineEdit* cell, const QString& replaced);
  void onCellFocused(int row, int column);
  void onCellClicked(int row, int column);
  void fillSellingPrice(int row);
  void showPickList(QListWidget* list, int row, int column);
  void placePickList();
  void takePick(QListWidget* list);
  void insertPaletteWord(int index);
  void showSaveStatus();

  QLineEdit* cellAt(int row, int column) const { return grid->lineCell(row, column); }
  int button() const { return chosenCategory_; }

  ui::Session& session_;
  // The chosen category button.
  int chosenCategory_ = 15;
  // The row whose cell the shown pick list fills.
  int pickRow_ = 0;
  // The box the palette's words go into.
  QPointer<QLineEdit> paletteTarget_;
  RowKeys keys_;
  CatalogueListSearch listSearch_;
  // Rows whose cells changed inside the current change handling; saved once at its end.
  int editDepth_ = 0;
  QSet<int> pendingSaves_;
  // The cell the shown pick list stands under.
  int pickColumn_ = -1;
  QListWidget* shownList_ = nullptr;
  // Each editable cell's row and column, for the focus and key handling.
  QHash<const QObject*, std::pair<int, int>> cellPlaces_;
  bool loaded_ = false;
  bool readFailureTold_ = false;
};

}  // namespace catalogue
