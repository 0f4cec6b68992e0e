#include "store/QueryIndexes.h"

#include "store/Catalogue.h"
#include "store/CatalogueLookup.h"
#include "store/CatalogueVersion.h"
#include "store/RecordsRepository.h"
#include "store/SalesReports.h"
#include "store/Suggestions.h"

namespace store {

void ensureMainIndexes(Database& main) {
  ensureRecordIndexes(main);
  Catalogue::ensureNameOrderIndexes(main);
  CatalogueLookup::ensureNameMatchIndex(main);
  ensureSuggestionIndexes(main);
  ensureReportIndexes(main);
  ensureCatalogueVersion(main);
  // The history search's name pieces are not made here: on a large file that takes a
  // while, so start-up leaves them to a BackgroundNameIndexFill.
}

void ensureStockIndexes(Database& stock) {
  stock.sql().exec(R"(CREATE INDEX IF NOT EXISTS "销售管理_日期" ON "销售管理" ("日期");
       CREATE INDEX IF NOT EXISTS "销售管理_ID号" ON "销售管理" ("ID号");
       CREATE INDEX IF NOT EXISTS "进货管理_分类日期" ON "进货管理" ("分类", "日期");)");
  ensureSalesReportIndexes(stock);
}

}  // namespace store
