#include "store/CatalogueLookup.h"

#include "store/CatalogueColumns.h"

namespace store {
namespace {

// Must repeat the indexed expression exactly, or SQLite will not use the index.
#define NAME_MATCH R"(rtrim("名称", ' ') = rtrim(?1, ' ') COLLATE NOCASE)"

// The price look-up: the first row of that name the category test lets through, read into
// a CataloguePriceRow's fields in their order.
std::string priceSql(const char* categoryTest) {
  return "SELECT " +
         catalogueColumns({&CatalogueRow::name, &CatalogueRow::unit, &CatalogueRow::sellingPrice, &CatalogueRow::stock,
                           &CatalogueRow::category, &CatalogueRow::drawer, &CatalogueRow::purchasePrice}) +
         R"( FROM "商品" WHERE )" NAME_MATCH " AND " + categoryTest + " ORDER BY rowid LIMIT 1";
}

const std::string kStock = catalogueColumn(&CatalogueRow::stock);

QString orEmpty(const SQLite::Statement& row, int column) {
  const QString value = columnText(row, column);
  return value.isNull() ? QStringLiteral("") : value;
}

}  // namespace

CatalogueLookup::CatalogueLookup(Database& db)
    : priceQuery_{
          SQLite::Statement(db.sql(), priceSql(R"("分类" NOT IN ('用法', '中药'))")),
          SQLite::Statement(db.sql(), priceSql(R"("分类" = '中药')")),
          SQLite::Statement(db.sql(), priceSql(R"("分类" = '收费项目')")),
      },
      stockQuery_(db.sql(), "SELECT rowid, " + kStock + R"( FROM "商品" WHERE )" NAME_MATCH
                                R"( AND substr("分类", 1, length(?2)) = ?2 COLLATE NOCASE ORDER BY rowid LIMIT 1)"),
      stockUpdate_(db.sql(), R"(UPDATE "商品" SET )" + kStock + " = ? WHERE rowid = ?") {}

std::optional<CataloguePriceRow> CatalogueLookup::priced(const QString& storedName, PricingCategories categories) {
  SQLite::Statement& query = priceQuery_[static_cast<int>(categories)];
  query.reset();
  bindText(query, 1, storedName);
  if (!query.executeStep()) return std::nullopt;
  CataloguePriceRow row{orEmpty(query, 0), orEmpty(query, 1), orEmpty(query, 2), orEmpty(query, 3),
                        orEmpty(query, 4), orEmpty(query, 5), orEmpty(query, 6)};
  query.reset();
  return row;
}

std::optional<StockRow> CatalogueLookup::stockRow(const QString& storedName, const QString& categoryPrefix) {
  stockQuery_.reset();
  bindText(stockQuery_, 1, storedName);
  bindText(stockQuery_, 2, categoryPrefix.isNull() ? QStringLiteral("") : categoryPrefix);
  if (!stockQuery_.executeStep()) return std::nullopt;
  StockRow row{stockQuery_.getColumn(0).getInt64(), orEmpty(stockQuery_, 1)};
  stockQuery_.reset();
  return row;
}

void CatalogueLookup::setStock(std::int64_t rowId, const QString& stock) {
  stockUpdate_.reset();
  bindText(stockUpdate_, 1, stock);
  stockUpdate_.bind(2, static_cast<int64_t>(rowId));
  stockUpdate_.exec();
}

void CatalogueLookup::ensureNameMatchIndex(Database& db) {
  db.sql().exec(R"(CREATE INDEX IF NOT EXISTS "商品_名称比对" ON "商品" (rtrim("名称", ' ') COLLATE NOCASE);)");
}

#undef NAME_MATCH

}  // namespace store
