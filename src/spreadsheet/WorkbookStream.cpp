#include "spreadsheet/WorkbookStream.h"

#include "spreadsheet/BiffRecords.h"
#include "spreadsheet/CellStyles.h"
#include "spreadsheet/ColumnWidths.h"
#include "spreadsheet/LittleEndian.h"
#include "spreadsheet/SharedStrings.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {
namespace {

using namespace biff;

constexpr std::uint16_t kUtf16CodePage = 1200;
constexpr int kRowsPerBlock = 32;

void putBof(QByteArray& stream, std::uint16_t kind) {
  QByteArray data;
  putU16(data, 0x0600);  // this format's version
  putU16(data, kind);    // 0x0005 workbook globals, 0x0010 worksheet
  putU16(data, 0x0DBB);  // build
  putU16(data, 0x07CC);  // year
  putU32(data, 0x00000041);
  putU32(data, 0x00000006);
  putRecord(stream, kBof, data);
}

void putU16Record(QByteArray& stream, std::uint16_t type, std::uint16_t value) {
  QByteArray data;
  putU16(data, value);
  putRecord(stream, type, data);
}

void putWindow1(QByteArray& stream) {
  QByteArray data;
  putU16(data, 0);       // left
  putU16(data, 0);       // top
  putU16(data, 0x4000);  // width
  putU16(data, 0x2000);  // height
  putU16(data, 0x0038);  // scroll bars and sheet tabs shown
  putU16(data, 0);       // first sheet active
  putU16(data, 0);       // first tab shown
  putU16(data, 1);       // one tab selected
  putU16(data, 600);     // tab bar width ratio
  putRecord(stream, kWindow1, data);
}

void putWindow2(QByteArray& stream, bool active) {
  QByteArray data;
  // Grid lines, headers, zeros, automatic grid colour, outline symbols; the first sheet
  // is selected and shown.
  putU16(data, active ? 0x06B6 : 0x00B6);
  putU16(data, 0);   // top row
  putU16(data, 0);   // left column
  putU16(data, 64);  // grid line colour
  putU16(data, 0);
  putU16(data, 0);   // page break preview zoom: default
  putU16(data, 0);   // normal zoom: default
  putU32(data, 0);
  putRecord(stream, kWindow2, data);
}

// Where one sheet's cells are and which style each takes.
struct SheetPlan {
  const Sheet* sheet = nullptr;
  QList<std::uint16_t> rowXf;           // per row: the style of the row itself
  QList<QList<std::uint16_t>> cellXf;   // per row and cell
  QList<QList<std::uint32_t>> cellSst;  // per row and cell: the shared string of a text cell
  int firstRow = -1, lastRow = -1, firstColumn = -1, lastColumn = -1;
};

SheetPlan planSheet(const Sheet& sheet, CellStyles& styles, SharedStrings& strings) {
  SheetPlan plan;
  plan.sheet = &sheet;
  for (int r = 0; r < sheet.rows.size(); ++r) {
    const Row& row = sheet.rows[r];
    plan.rowXf.append(styles.xfFor(row.font, QString()));
    QList<std::uint16_t> xfs;
    QList<std::uint32_t> sst;
    for (int c = 0; c < row.cells.size(); ++c) {
      const Cell& cell = row.cells[c];
      xfs.append(cell.kind() == Cell::Kind::Number ? styles.xfFor(row.font, cell.format()) : plan.rowXf.last());
      sst.append(cell.kind() == Cell::Kind::Text ? strings.indexOf(cell.textValue()) : 0);
      if (cell.kind() == Cell::Kind::Empty) continue;
      if (plan.firstRow < 0) plan.firstRow = r;
      plan.lastRow = r;
      plan.firstColumn = plan.firstColumn < 0 ? c : std::min(plan.firstColumn, c);
      plan.lastColumn = std::max(plan.lastColumn, c);
    }
    plan.cellXf.append(xfs);
    plan.cellSst.append(sst);
  }
  return plan;
}

void putColumns(QByteArray& stream, const Sheet& sheet) {
  putU16Record(stream, kDefColWidth, 8);
  for (int c = 0; c < sheet.columns.size(); ++c) {
    const Column& column = sheet.columns[c];
    double characters = 0.0;
    if (column.mode == Column::Width::Fixed) characters = column.characters;
    if (column.mode == Column::Width::Fitted) characters = fittedWidth(sheet, c);
    if (characters <= 0.0) continue;  // standard width
    QByteArray data;
    putU16(data, static_cast<std::uint16_t>(c));
    putU16(data, static_cast<std::uint16_t>(c));
    putU16(data, widthUnits(characters));
    putU16(data, 15);      // standard cell style
    putU16(data, 0x0002);  // width set by the writer, not the standard one
    putU16(data, 0);
    putRecord(stream, kColInfo, data);
  }
}

bool rowNeedsRecord(const SheetPlan& plan, int r) {
  const Row& row = plan.sheet->rows[r];
  if (row.heightPoints > 0.0 || plan.rowXf[r] != 15) return true;
  return std::any_of(row.cells.begin(), row.cells.end(), [](const Cell& c) { return c.kind() != Cell::Kind::Empty; });
}

void putRow(QByteArray& stream, const SheetPlan& plan, int r) {
  const Row& row = plan.sheet->rows[r];
  int first = 0;
  while (first < row.cells.size() && row.cells[first].kind() == Cell::Kind::Empty) ++first;
  int end = static_cast<int>(row.cells.size());
  while (end > first && row.cells[end - 1].kind() == Cell::Kind::Empty) --end;
  if (first >= end) first = end = 0;

  std::uint32_t flags = 0x0100;  // a reserved bit that is always set
  if (row.heightPoints > 0.0) flags |= 0x0040;  // height set, not to be recomputed
  if (plan.rowXf[r] != 15) flags |= 0x0080 | (static_cast<std::uint32_t>(plan.rowXf[r]) << 16);  // row style

  QByteArray data;
  putU16(data, static_cast<std::uint16_t>(r));
  putU16(data, static_cast<std::uint16_t>(first));
  putU16(data, static_cast<std::uint16_t>(end));
  putU16(data, static_cast<std::uint16_t>(std::lround(rowHeightPoints(row) * 20.0)));
  putU16(data, 0);
  putU16(data, 0);
  putU32(data, flags);
  putRecord(stream, kRow, data);
}

void putCells(QByteArray& stream, const SheetPlan& plan, int r) {
  const Row& row = plan.sheet->rows[r];
  for (int c = 0; c < row.cells.size(); ++c) {
    const Cell& cell = row.cells[c];
    if (cell.kind() == Cell::Kind::Empty) continue;
    QByteArray data;
    putU16(data, static_cast<std::uint16_t>(r));
    putU16(data, static_cast<std::uint16_t>(c));
    putU16(data, plan.cellXf[r][c]);
    if (cell.kind() == Cell::Kind::Text) {
      putU32(data, plan.cellSst[r][c]);
      putRecord(stream, kLabelSst, data);
    } else {
      putF64(data, cell.numberValue());
      putRecord(stream, kNumber, data);
    }
  }
}

void putSheet(QByteArray& stream, const SheetPlan& plan, bool active) {
  const Sheet& sheet = *plan.sheet;
  putBof(stream, 0x0010);
  QByteArray height;
  putU16(height, 0);
  putU16(height, static_cast<std::uint16_t>(std::lround(rowHeightPoints(Row{}) * 20.0)));
  putRecord(stream, kDefaultRowHeight, height);
  putColumns(stream, sheet);

  QByteArray dimensions;
  const bool empty = plan.firstRow < 0;
  putU32(dimensions, empty ? 0 : plan.firstRow);
  putU32(dimensions, empty ? 0 : plan.lastRow + 1);
  putU16(dimensions, static_cast<std::uint16_t>(empty ? 0 : plan.firstColumn));
  putU16(dimensions, static_cast<std::uint16_t>(empty ? 0 : plan.lastColumn + 1));
  putU16(dimensions, 0);
  putRecord(stream, kDimensions, dimensions);

  // Rows in blocks of 32: the row records of a block, then its cells.
  const int rows = static_cast<int>(sheet.rows.size());
  for (int block = 0; block < rows; block += kRowsPerBlock) {
    const int end = std::min(rows, block + kRowsPerBlock);
    for (int r = block; r < end; ++r)
      if (rowNeedsRecord(plan, r)) putRow(stream, plan, r);
    for (int r = block; r < end; ++r) putCells(stream, plan, r);
  }
  putWindow2(stream, active);
  putRecord(stream, kEof, {});
}

}  // namespace

QByteArray workbookStream(const Workbook& workbook) {
  CellStyles styles;
  SharedStrings strings;
  QList<SheetPlan> plans;
  for (const Sheet& sheet : workbook.sheets) plans.append(planSheet(sheet, styles, strings));

  QByteArray stream;
  putBof(stream, 0x0005);
  putU16Record(stream, kCodePage, kUtf16CodePage);
  putWindow1(stream);
  putU16Record(stream, kDateMode, 0);  // dates count from 1900
  styles.write(stream);

  // Each sheet's entry holds the stream position of its substream, known only later.
  QList<qsizetype> positionFields;
  for (const Sheet& sheet : workbook.sheets) {
    QByteArray data;
    putU32(data, 0);
    putU8(data, 0);  // visible
    putU8(data, 0);  // worksheet
    putShortString(data, sheet.name);
    positionFields.append(stream.size() + 4);
    putRecord(stream, kBoundSheet, data);
  }
  strings.write(stream);
  putRecord(stream, kEof, {});

  for (qsizetype i = 0; i < plans.size(); ++i) {
    setU32(stream, positionFields[i], static_cast<std::uint32_t>(stream.size()));
    putSheet(stream, plans[i], i == 0);
  }
  return stream;
}

}  // namespace spreadsheet
