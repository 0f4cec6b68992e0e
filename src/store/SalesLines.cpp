#include "store/SalesLines.h"

namespace store {
namespace {

constexpr const char* kColumns =
    R"("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "日期", "医师", "利润", "患者")";

}  // namespace

std::vector<SalesLine> SalesLines::of(const QString& serial) {
  SQLite::Statement query(db_.sql(), std::string("SELECT ") + kColumns +
                                         R"( FROM "销售管理" WHERE "ID号" = ? ORDER BY rowid)");
  bindText(query, 1, serial);
  std::vector<SalesLine> lines;
  while (query.executeStep()) {
    SalesLine line;
    int i = 0;
    for (QString* value : {&line.serial, &line.name, &line.quantity, &line.unit, &line.price, &line.amount, &line.cost,
                           &line.category, &line.date, &line.physician, &line.profit, &line.patient})
      *value = columnText(query, i++);
    lines.push_back(std::move(line));
  }
  return lines;
}

void SalesLines::removeAllOf(const QString& serial) {
  SQLite::Statement remove(db_.sql(), R"(DELETE FROM "销售管理" WHERE "ID号" = ?)");
  bindText(remove, 1, serial);
  remove.exec();
}

void SalesLines::add(const std::vector<SalesLine>& lines) {
  SQLite::Statement insert(db_.sql(), std::string(R"(INSERT INTO "销售管理" ()") + kColumns +
                                          ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  for (const SalesLine& line : lines) {
    int i = 1;
    for (const QString* value : {&line.serial, &line.name, &line.quantity, &line.unit, &line.price, &line.amount,
                                 &line.cost, &line.category, &line.date, &line.physician, &line.profit, &line.patient})
      bindText(insert, i++, *value);
    insert.exec();
    insert.reset();
  }
}

}  // namespace store
