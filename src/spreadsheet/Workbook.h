// A workbook as plain data: what every export of the program writes and the import reads.
// Sheets hold columns with widths and rows with heights and fonts; cells are texts or
// numbers with the format that shows them.
#pragma once

#include <QList>
#include <QString>

namespace spreadsheet {

// The workbook's standard font: 宋体 at 12 points. Column widths count characters of
// this font (a Chinese character counts two), as spreadsheet programs do.
inline constexpr double kDefaultFontPoints = 12.0;

// The font of a row. Points 0 means the standard size.
struct Font {
  bool bold = false;
  double points = 0.0;

  double size() const { return points > 0.0 ? points : kDefaultFontPoints; }
  bool operator==(const Font&) const = default;
};

class Cell {
 public:
  enum class Kind { Empty, Text, Number };

  Cell() = default;

  // A text cell: shown and kept as it is ("007", "2024-03-05", a batch number).
  static Cell text(const QString& value);
  // A number cell shown through a number format: "General", "0", "0.00", "0.000"...
  static Cell number(double value, const QString& format = QStringLiteral("General"));
  // A value the program keeps as text. A plain decimal number that a number cell shows
  // exactly as written ("15.000", "13", "-3", "0.5": no leading zeros, no sign but "-",
  // at most 15 significant digits) becomes a number cell whose format keeps its shown
  // decimals; everything else ("007", "1.", "+3", names, dates) stays a text cell.
  static Cell fromStoredText(const QString& value);

  Kind kind() const { return kind_; }
  const QString& textValue() const { return text_; }
  double numberValue() const { return number_; }
  const QString& format() const { return format_; }

  // The text a spreadsheet program shows for the cell; the column fitting measures it.
  QString shownText() const;

 private:
  Kind kind_ = Kind::Empty;
  QString text_;
  double number_ = 0.0;
  QString format_;
};

struct Row {
  QList<Cell> cells;    // from column A on; a missing cell is empty
  Font font;            // the whole row's font, empty cells included
  double heightPoints = 0.0;  // 0: the height that the row's font needs
};

struct Column {
  enum class Width { Standard, Fixed, Fitted };
  Width mode = Width::Standard;
  double characters = 0.0;  // the width of a Fixed column, in characters

  static Column fixed(double characters) { return {Width::Fixed, characters}; }
  static Column fitted() { return {Width::Fitted, 0.0}; }
};

struct Sheet {
  QString name = QStringLiteral("Sheet1");
  QList<Column> columns;  // a column without an entry keeps the standard width
  QList<Row> rows;        // from row 1 on
};

struct Workbook {
  QList<Sheet> sheets;
};

// The most that a sheet of this file format holds.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;
inline constexpr int kMaxTextLength = 32767;

}  // namespace spreadsheet
