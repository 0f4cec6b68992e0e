// The worksheet that the catalogue export writes and its import reads back.
#pragma once

#include "catalogue/service/CatalogueRow.h"
#include "spreadsheet/Workbook.h"

#include <QList>

namespace catalogue {

// Row 1 holds the captions "名称", "常用量", "单位", "用法用量", "拼音", "分类", "进价",
// "售价", "库存量" in bold; one stored row per sheet row below, each value as stored
// (braces and the western prefix included), plain decimal numbers as number cells;
// columns fitted to their widest text.
spreadsheet::Workbook catalogueWorkbook(const QList<CatalogueRow>& rows);

}  // namespace catalogue
