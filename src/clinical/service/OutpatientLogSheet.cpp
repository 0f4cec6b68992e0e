#include "clinical/service/OutpatientLogSheet.h"

namespace clinical {

using spreadsheet::Cell;

spreadsheet::Workbook outpatientLogWorkbook(const std::vector<LogRecord>& records) {
  spreadsheet::Sheet sheet;
  spreadsheet::Row title;
  title.cells = {Cell(), Cell(), Cell(), Cell::text(QStringLiteral("门 诊 日 志 登 记 本"))};
  title.font = {true, 20};
  title.heightPoints = 30;
  sheet.rows << title;

  spreadsheet::Row captions;
  for (const char16_t* caption : {u"姓名", u"性别", u"年龄", u"诊断", u"住址/电话", u"就诊日期", u"备注"})
    captions.cells << Cell::text(QString::fromUtf16(caption));
  captions.font = {true, 10};
  captions.heightPoints = 20;
  sheet.rows << captions;

  sheet.rows.reserve(static_cast<qsizetype>(records.size()) + 2);
  for (const LogRecord& record : records) {
    spreadsheet::Row row;
    row.cells = {Cell::text(record.name),      Cell::text(record.sex),     Cell::text(record.age),
                 Cell::text(record.diagnosis), Cell::text(record.address), Cell::text(record.visitDate)};
    row.font = {false, 10};
    row.heightPoints = 20;
    sheet.rows << row;
  }
  // G (备注) keeps the sheet's standard width.
  for (double width : {10.0, 5.0, 5.0, 25.0, 25.0, 10.0}) sheet.columns << spreadsheet::Column::fixed(width);

  spreadsheet::Workbook workbook;
  workbook.sheets << sheet;
  return workbook;
}

}  // namespace clinical
