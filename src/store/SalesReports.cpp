#include "store/SalesReports.h"

#include "store/LikePattern.h"
#include "text/Dates.h"

#include <sqlite3.h>

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

// "dddd-dd-dd" and nothing else.
bool isPlainIsoDate(const QString& s) {
  if (s.size() != 10) return false;
  for (int i = 0; i < 10; ++i) {
    const char16_t c = s[i].unicode();
    if (i == 4 || i == 7 ? c != u'-' : c < u'0' || c > u'9') return false;
  }
  return true;
}

// The stored date as the list shows it: "yyyy-mm-dd", without a time of day.
QString shownDate(const QString& stored) {
  // Dispensing stores "yyyy-mm-dd": that text shows as it is, whether or not it is a real
  // day, so the common case skips the full reading.
  if (isPlainIsoDate(stored)) return stored;
  const auto date = text::readDate(stored);
  return date ? text::isoDate(*date) : stored;
}

// The texts of a query's columns, each remembered with the stored bytes it came from,
// so that a column holding the same bytes as in the row before gives the same string.
class ColumnTexts {
 public:
  explicit ColumnTexts(int columns) : last_(static_cast<size_t>(columns)) {}

  QString read(const SQLite::Statement& q, int column, QString (*shown)(const QString&) = nullptr) {
    Last& last = last_[static_cast<size_t>(column)];
    const SQLite::Column value = q.getColumn(column);
    const bool null = value.isNull();
    const std::string_view bytes(value.getText(), static_cast<size_t>(value.getBytes()));
    if (!last.valid || null != last.null || bytes != last.bytes) {
      last.valid = true;
      last.null = null;
      last.bytes.assign(bytes);
      last.text = columnText(q, column);
      if (shown) last.text = shown(last.text);
    }
    return last.text;
  }

 private:
  struct Last {
    bool valid = false;
    bool null = false;
    std::string bytes;
    QString text;
  };
  std::vector<Last> last_;
};

// The running sum of one query: an aggregate function whose steps add each row's number.
struct RunningSum {
  const std::function<double(std::string_view)>* number;
  double sum = 0.0;
};

void addRow(sqlite3_context* context, int, sqlite3_value** values) {
  auto* running = static_cast<RunningSum*>(sqlite3_user_data(context));
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(values[0]));
  const int bytes = sqlite3_value_bytes(values[0]);
  running->sum += (*running->number)(text ? std::string_view(text, static_cast<std::size_t>(bytes)) : std::string_view());
}

void noResult(sqlite3_context* context) { sqlite3_result_null(context); }

}  // namespace

PrescriptionTotals sumPrescriptionTotals(Database& main, const DayRange& range,
                                         const std::function<double(std::string_view)>& number) {
  RunningSum running{&number};
  sqlite3* handle = main.sql().getHandle();
  const char* name = "tavorin_running_sum";
  const int made = sqlite3_create_function_v2(handle, name, 1, SQLITE_UTF8, &running, nullptr, addRow, noResult, nullptr);
  if (made != SQLITE_OK) throw SQLite::Exception(handle, made);
  // The function points at this call's sum: it goes with the call, however the query ends.
  struct Unregister {
    sqlite3* handle;
    const char* name;
    ~Unregister() { sqlite3_create_function_v2(handle, name, 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr); }
  } unregister{handle, name};
  SQLite::Statement q(main.sql(),
                      R"(SELECT count(*), tavorin_running_sum("16") FROM "档案" WHERE "5" >= ? AND "5" < ?)");
  bindRange(q, 1, range);
  q.executeStep();
  return {q.getColumn(0).getInt64(), running.sum};
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

void forEachSalesDetailLine(Database& stock, const SalesDetailFilter& filter,
                            const std::function<void(SalesDetailLine&&)>& line) {
  SQLite::Statement q(stock.sql(),
                      std::string(R"(SELECT "日期", "名称", "数量", "单位", "进价", "单价", "金额", "利润",)"
                                  R"( "患者", "医师" FROM "销售管理")") +
                          kDetailWhere + R"( ORDER BY "ID号", rowid)");
  bindDetail(q, filter);
  // Dates, units, prices, patients and physicians repeat from line to line: a text equal
  // to the one above it is shared instead of made again, which halves the strings that
  // a list of 30,000 lines makes.
  ColumnTexts texts(10);
  while (q.executeStep()) {
    SalesDetailLine l;
    l.date = texts.read(q, 0, &shownDate);
    l.name = texts.read(q, 1);
    l.quantity = texts.read(q, 2);
    l.unit = texts.read(q, 3);
    l.cost = texts.read(q, 4);
    l.price = texts.read(q, 5);
    l.amount = texts.read(q, 6);
    l.profit = texts.read(q, 7);
    l.patient = texts.read(q, 8);
    l.physician = texts.read(q, 9);
    line(std::move(l));
  }
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
  // Covers the sales-detail filter: a range too long for the list is counted up to the
  // cap and refused from the index alone, without reading a row.
  stock.exec(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "销售管理_日期明细" ON "销售管理")"
                            R"( ("日期", "分类", "名称", "患者", "医师");)"));
}

}  // namespace store
