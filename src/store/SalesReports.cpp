#include "store/SalesReports.h"

#include "store/LikePattern.h"
#include "text/Dates.h"

namespace store {
namespace {

// The range as bounds on the stored date text: from the first day on, before the day
// after the last, so that "2019-01-31 10:00:00" still falls on 2019-01-31.
void bindRange(SQLite::Statement& q, int first, const DayRange& range) {
  bindText(q, first, text::isoDate(range.first));
  bindText(q, first + 1, text::isoDate(range.last.addDays(1)));
}

QString contains(const QString& s) { return containsPattern(s); }
QString startsWith(const QString& s) { return escapedForLike(s) + u'%'; }

// LIKE ignores ASCII case only, which is how names are compared.
constexpr const char* kDetailWhere =
    R"( WHERE "日期" >= ? AND "日期" < ?)"
    R"( AND "名称" LIKE ? ESCAPE '\' AND "患者" LIKE ? ESCAPE '\')"
    R"( AND "医师" LIKE ? ESCAPE '\' AND "分类" LIKE ? ESCAPE '\')";

void bindDetail(SQLite::Statement& q, const SalesDetailFilter& f) {
  bindRange(q, 1, f.range);
  bindText(q, 3, contains(f.name));
  bindText(q, 4, contains(f.patient));
  bindText(q, 5, contains(f.physician));
  bindText(q, 6, startsWith(f.categoryPrefix));
}

// The stored date as the list shows it: "yyyy-mm-dd", without a time of day.
QString shownDate(const QString& stored) {
  const auto date = text::readDate(stored);
  return date ? text::isoDate(*date) : stored;
}

}  // namespace

long long forEachPrescriptionTotal(Database& main, const DayRange& range,
                                   const std::function<void(const QString&)>& total) {
  SQLite::Statement q(main.sql(), R"(SELECT "16" FROM "档案" WHERE "5" >= ? AND "5" < ?)");
  bindRange(q, 1, range);
  long long n = 0;
  while (q.executeStep()) {
    total(columnText(q, 0));
    ++n;
  }
  return n;
}

void forEachSalesLine(Database& stock, const QString& categoryPrefix, const DayRange& range,
                      const std::function<void(const SalesLineValues&)>& line) {
  SQLite::Statement q(stock.sql(),
                      R"(SELECT "名称", "单位", "数量", "金额", "利润" FROM "销售管理")"
                      R"( WHERE "日期" >= ? AND "日期" < ? AND "分类" LIKE ? ESCAPE '\')"
                      R"( AND "名称" IS NOT NULL AND "名称" <> '' ORDER BY "日期", rowid)");
  bindRange(q, 1, range);
  bindText(q, 3, startsWith(categoryPrefix));
  SalesLineValues v;
  while (q.executeStep()) {
    v.name = columnText(q, 0);
    v.unit = columnText(q, 1);
    v.quantity = columnText(q, 2);
    v.amount = columnText(q, 3);
    v.profit = columnText(q, 4);
    line(v);
  }
}

int countSalesDetail(Database& stock, const SalesDetailFilter& filter, int limit) {
  SQLite::Statement q(stock.sql(), std::string(R"(SELECT count(*) FROM (SELECT 1 FROM "销售管理")") +
                                       kDetailWhere + " LIMIT ?)");
  bindDetail(q, filter);
  q.bind(7, limit);
  q.executeStep();
  return q.getColumn(0).getInt();
}

std::vector<SalesDetailLine> salesDetail(Database& stock, const SalesDetailFilter& filter) {
  SQLite::Statement q(stock.sql(),
                      std::string(R"(SELECT "日期", "名称", "数量", "单位", "进价", "单价", "金额", "利润",)"
                                  R"( "患者", "医师" FROM "销售管理")") +
                          kDetailWhere + R"( ORDER BY "ID号", rowid)");
  bindDetail(q, filter);
  std::vector<SalesDetailLine> lines;
  while (q.executeStep()) {
    SalesDetailLine l;
    l.date = shownDate(columnText(q, 0));
    l.name = columnText(q, 1);
    l.quantity = columnText(q, 2);
    l.unit = columnText(q, 3);
    l.cost = columnText(q, 4);
    l.price = columnText(q, 5);
    l.amount = columnText(q, 6);
    l.profit = columnText(q, 7);
    l.patient = columnText(q, 8);
    l.physician = columnText(q, 9);
    lines.push_back(std::move(l));
  }
  return lines;
}

void ensureReportIndexes(Database& main) {
  // Covers the workload count: the date range and the totals without reading the rows.
  main.exec(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "档案_日期金额" ON "档案" ("5", "16");)"));
}

void ensureSalesReportIndexes(Database& stock) {
  // Covers the drug-sales totals of a date range: the category test and the summed
  // columns are read from the index alone.
  stock.exec(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "销售管理_日期统计" ON "销售管理")"
                            R"( ("日期", "分类", "名称", "单位", "数量", "金额", "利润");)"));
}

}  // namespace store
