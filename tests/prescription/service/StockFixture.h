// A data folder with an empty catalogue and no sales lines, on which prescriptions are
// priced, dispensed, undone and deleted, and a way to read the stock and sales lines back.
#pragma once

#include "prescription/service/Dispensing.h"
#include "prescription/service/RecordsFixture.h"
#include "store/SalesLines.h"
#include "text/Numbers.h"

#include <optional>

namespace testing_support {

class StockTest : public RecordsTest {
 public:
  // A grid row as pricing leaves it: the amount worked out, the stock shown as priced.
  static prescription::PricedRow row(const QString& name, const QString& quantity, const QString& category,
                                     const QString& price = "1", const QString& cost = "0.5") {
    return {name, quantity, u16(u"盒"), price,
            text::format000(text::leadingNumber(quantity) * text::leadingNumber(price)), "", category, "", cost};
  }
  // A prescription as the window shows it, with the given grid rows and dispense mark.
  static prescription::PrescriptionRecord prescribed(const QString& serial,
                                                     std::initializer_list<prescription::PricedRow> rows,
                                                     const QString& mark = "") {
    prescription::PrescriptionRecord r = shown(serial, u16(u"张三"));
    r.grid = {};
    int i = 0;
    for (const prescription::PricedRow& grid : rows) r.grid[i++] = grid;
    r.dispenseMark = mark;
    return r;
  }
  // The same as a window shows it after loading the record of its number.
  static prescription::PrescriptionRecord loaded(prescription::PrescriptionRecord r) {
    r.loadedOrSaved = true;
    return r;
  }

 protected:
  StockTest() : stockDb(QDir(folder.path()).filePath(startup::kStockDbFile)) {
    exec(R"(DELETE FROM "商品";)");
    store::Database(stockDb).exec(R"(DELETE FROM "销售管理";)");
  }

  prescription::Dispensing dispensing() const {
    return prescription::Dispensing(mainDb, stockDb, counterFile, [] { return kToday; });
  }

  // A catalogue row; a stock of nullopt is stored as NULL.
  void addDrug(const QString& name, const QString& category, const std::optional<QString>& stock,
               const QString& price = "1", const QString& cost = "0.5", const QString& unit = u16(u"盒"),
               const QString& drawer = "") {
    store::Database db(mainDb);
    SQLite::Statement insert(db.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "单位", "单价", "备用1", "备用2", "分类", "斗位")
                                          VALUES (?, ?, ?, ?, ?, ?, ?, ?))");
    int i = 1;
    for (const QString& v : {QString::number(++drugs_), name, unit, price, cost, drawer, category})
      store::bindText(insert, i++, v);
    store::bindText(insert, i, stock.value_or(QString()));
    insert.exec();
  }

  // The stored stock of the row with exactly this name and category; "<null>" for NULL.
  QString stockOf(const QString& name, const QString& category) const {
    const QStringList v = values(R"(SELECT "斗位" FROM "商品" WHERE "名称" = ? AND "分类" = ?)", {name, category});
    return v.value(0, QStringLiteral("<no row>"));
  }

  std::vector<store::SalesLine> salesOf(const QString& serial) const {
    store::Database db(stockDb, store::Database::Mode::ReadOnly);
    return store::SalesLines(db).of(serial);
  }
  QString storedMark(const QString& serial) const {
    return values(R"(SELECT "发药" FROM "档案" WHERE "序号" = ?)", {serial}).value(0, QStringLiteral("<no record>"));
  }

  QString stockDb;

 private:
  int drugs_ = 0;
};

}  // namespace testing_support
