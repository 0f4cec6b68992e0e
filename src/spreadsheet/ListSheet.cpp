#include "spreadsheet/ListSheet.h"

namespace spreadsheet {
namespace {

constexpr double kListPoints = 10.0;
constexpr double kListRowHeight = 20.0;

}  // namespace

Workbook listWorkbook(const QStringList& captions, const std::vector<QStringList>& records) {
  Sheet sheet;
  for (qsizetype i = 0; i < captions.size(); ++i) sheet.columns.append(Column::fitted());

  Row header;
  for (const QString& caption : captions) header.cells.append(Cell::text(caption));
  header.font = Font{true, kListPoints};
  header.heightPoints = kListRowHeight;
  sheet.rows.append(header);

  for (const QStringList& record : records) {
    Row row;
    for (const QString& value : record) row.cells.append(Cell::fromStoredText(value));
    row.font = Font{false, kListPoints};
    row.heightPoints = kListRowHeight;
    sheet.rows.append(row);
  }
  // The formatting reaches one row past the last record.
  sheet.rows.append(Row{{}, Font{false, kListPoints}, kListRowHeight});
  return Workbook{{sheet}};
}

}  // namespace spreadsheet
