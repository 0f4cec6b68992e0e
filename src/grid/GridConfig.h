// What one list window's paged grid is: its rows, its cell columns and the record field
// each shows, how its scroll bar moves, which controls carry the row stripes, what a
// click selects, and the design geometry in twips. A window takes its instance below
// and, where its design says more, adjusts it; the grid itself holds no window's rules.
#pragma once

#include <QColor>
#include <QString>

#include <vector>

namespace grid {

// Text boxes that the user edits in place (the catalogue) or labels for reading.
enum class CellKind { LineEdit, Label };

// How the window hands its records over. Both end up as one array of texts per record.
// A collection model numbers its items from 1, so row i of a page shows item
// Value + i + 1 of every collection: record Value + i counted from 0, as in a list model.
enum class ModelKind { List, Collections };

enum class BarRule {
  // The model ends in a page of blank records that take new entries: the bar always
  // moves, its maximum is the number of real records, and its last page shows only
  // blank rows.
  BlankTail,
  // The bar moves only when there are more records than rows; its last page ends with
  // the last record. Otherwise it is disabled and only the filled rows show records.
  RecordsOnly,
  // Every row is on screen; there is no paging.
  NotPaged,
};

enum class SelectionRule {
  None,           // clicks select nothing
  Row,            // the clicked row is highlighted and remembered until the next page
  HighlightOnly,  // the band is highlighted; nothing reads it
  RecordKey,      // highlighted, and the key field of the row's record is the selection
};

enum class SidewaysBar { None, PlacedOnly, Shifts };

// One cell array, Lb2 onwards, in array order.
struct Column {
  QString header;           // caption of its header button; empty: no header of its own
  int left = 0;             // cell, twips on the surface
  int width = 0;
  int field = -1;           // the record field it shows; -1: never filled
  bool selectsOnClick = true;
  bool readOnly = false;
  // A price, an amount or a quantity: it must read whole however narrow its cell, so a
  // text too wide for it is drawn in a narrower or smaller face, never cut off.
  bool number = false;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  // How a stored text is shown (a number written back in its shortest form, say);
  // null shows it as stored.
  QString (*shows)(const QString&) = nullptr;
};

struct Header {
  QString caption;
  int left = 0;
  int width = 0;
  bool hidden = false;
};

// The design row 0 and the frame around it, in twips.
struct Geometry {
  int viewportLeft = 120, viewportTop = 120, viewportWidth = 0;  // Pt1
  int surfaceWidth = 0;                                          // Pt2
  int bandLeft = -60, bandTop = 240, bandWidth = 0, rowPitch = 315;  // Lb1(0)
  int cellTop = 300, cellHeight = 225;
  int ruleLeft = 0, ruleRight = 0, ruleY = 540;                  // Ln1(0)
  int separatorX = -15, separatorTop = 0, separatorBottom = 8880;  // Ln2(0)
  int headerTop = 0, headerHeight = 255;
  int barWidth = 255;             // VS1
  int barExtraHeight = 0;         // VS1 is this much taller than the surface
  int hsLeft = 480, hsWidth = 0, hsHeight = 255;  // HS1
  QColor lineColor = QColor(0xE0, 0xE0, 0xE0);
  QColor viewportColor;           // invalid: the window's own background
  QColor surfaceColor;
};

struct GridConfig {
  // The rows of the design, to which the frame and the bars are sized. A page shows the
  // rows that stand whole above the sideways bar (GridLayout::pageRows): the bar takes
  // the place of the last designed row where it would cover it.
  int rows = 0;
  CellKind cells = CellKind::Label;
  ModelKind model = ModelKind::List;
  BarRule bar = BarRule::RecordsOnly;
  int fieldCount = 0;             // texts in one record
  std::vector<Column> columns;
  std::vector<Header> headers;
  // Cell columns painted with the band: once when the grid is built, and on every page
  // show and selection. The band itself is always painted.
  std::vector<int> stripedAtBuild;
  std::vector<int> stripedOnRepaint;
  SelectionRule selection = SelectionRule::None;
  int keyField = -1;              // RecordKey: the field that names the record
  SidewaysBar sideways = SidewaysBar::None;
  Geometry geometry;

  int columnCount() const { return static_cast<int>(columns.size()); }
};

// The instances of the program's list windows.
GridConfig catalogueGrid();          // drug catalogue: 21 rows of 11 text boxes
GridConfig outpatientLogGrid();      // outpatient log: 20 rows, six collections
GridConfig drugSalesGrid();          // drug-sales statistics: 16 rows, five collections
GridConfig salesDetailGrid();        // sales details: 24 rows, ten fields
GridConfig purchaseStatisticsGrid(); // purchase statistics: 16 rows, four collections
GridConfig purchaseLedgerGrid();     // purchase ledger: 25 rows, 13 fields, keyed selection

// The catalogue's cell columns, in array order (Lb2 .. Lb12); the value is the column
// index and the record field alike.
enum CatalogueColumn {
  kCatName = 0,      // Lb2 名称, brackets shown
  kCatDose = 1,      // Lb3 常用量
  kCatUnit = 2,      // Lb4 单位
  kCatUsage = 3,     // Lb5 用法用量
  kCatPinyin = 4,    // Lb6 拼音
  kCatCategory = 5,  // Lb7 分类 without "西成药·"
  kCatPrice = 6,     // Lb8 售价
  kCatCost = 7,      // Lb9 进价, shown left of 售价
  kCatStock = 8,     // Lb10 库存量
  kCatDrawer = 9,    // Lb11 斗位
  kCatKey = 10,      // Lb12 ID号
};
inline constexpr int kCatalogueRows = 21;
inline constexpr int kCatalogueFields = kCatKey + 1;

}  // namespace grid
