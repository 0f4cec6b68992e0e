#include "catalogue/service/CatalogueSheet.h"

namespace catalogue {

using spreadsheet::Cell;

spreadsheet::Workbook catalogueWorkbook(const QList<CatalogueRow>& rows) {
  spreadsheet::Sheet sheet;
  static const QStringList captions = {"名称", "常用量", "单位", "用法用量", "拼音", "分类", "进价", "售价", "库存量"};
  spreadsheet::Row header;
  header.font.bold = true;
  for (const QString& caption : captions) header.cells.append(Cell::text(caption));
  sheet.rows.reserve(rows.size() + 1);
  sheet.rows.append(header);

  for (const CatalogueRow& row : rows) {
    spreadsheet::Row line;
    for (const QString* value : {&row.name, &row.usualDose, &row.unit, &row.usage, &row.initials, &row.category,
                                 &row.purchasePrice, &row.sellingPrice, &row.stock})
      line.cells.append(Cell::fromStoredText(*value));
    sheet.rows.append(line);
  }
  for (qsizetype c = 0; c < captions.size(); ++c) sheet.columns.append(spreadsheet::Column::fitted());
  return {{sheet}};
}

}  // namespace catalogue
