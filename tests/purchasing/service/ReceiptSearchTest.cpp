// The goods receipt's drop-down answered from the catalogue it keeps: the same drugs in the
// same order, with the same unit, prices and stock on a pick, as the plain query over the
// file gives, after every kind of change another workstation makes; a pick of a drug gone
// since the search picks nothing.
#include "catalogue/service/SearchKeyRebuild.h"
#include "purchasing/service/ReceiptSearch.h"
#include "store/DataFile.h"
#include "store/LikePattern.h"
#include "support/MainDbFixture.h"

#include <gtest/gtest.h>

namespace {

using purchasing::ReceiptSearch;

class ReceiptSearchTest : public testing_support::MainDbTest {
 protected:
  void add(const QString& id, const QString& name, const QString& category, const QString& key) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "分类", "查询", "单位", "单价", "备用1", "斗位")
                                   VALUES (?, ?, ?, ?, '盒', ?, ?, ?))");
    const QString values[] = {id, name, category, key, id + ".5", id + ".2", id};
    for (int i = 0; i < 7; ++i) store::bindText(q, i + 1, values[i]);
    q.exec();
  }
  // What the drop-down lists, one line per drug with what a pick fills in, as one query
  // gives it over the file without any index.
  QStringList plain(const QString& typed, const QString& category) {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), R"(SELECT "名称", "单位", "单价", "备用1", "斗位" FROM "商品" NOT INDEXED)"
                                 R"( WHERE "查询" LIKE ?1 ESCAPE '\' AND "分类" LIKE ?2 ESCAPE '\')"
                                 R"( ORDER BY "名称" COLLATE ZHNAME, "分类", rowid)");
    store::bindText(q, 1, "%" + store::escapedForLike(typed) + "%");
    store::bindText(q, 2, store::escapedForLike(category) + "%");
    QStringList lines;
    while (q.executeStep()) {
      QStringList fields;
      for (int i = 0; i < 5; ++i) fields << store::columnText(q, i);
      fields[0].replace('{', '[').replace('}', ']');
      lines << fields.join('|');
    }
    return lines;
  }
  QStringList searched(ReceiptSearch& search, const QString& typed, const QString& category) {
    search.find(db, typed, category);
    QStringList lines;
    for (int line = 0; line < search.count(); ++line) {
      const purchasing::PickOutcome picked = search.pick(db, line);
      EXPECT_TRUE(picked.reason.isEmpty()) << picked.reason.toStdString();
      if (!picked.drug) {
        lines << "<gone>";
        continue;
      }
      EXPECT_EQ(search.shownName(line), picked.drug->name) << "the list shows the name a pick fills in";
      const purchasing::CatalogueMatch& drug = *picked.drug;
      lines << QStringList{drug.name, drug.unit, drug.price, drug.cost, drug.stock}.join('|');
    }
    return lines;
  }
  void expectAsPlain(ReceiptSearch& search) {
    const struct {
      const char* typed;
      const char* category;
    } cases[] = {{"a", "西成药"}, {"am", "西成药"}, {"k1", "中药"}, {"VC", "西成药"}, {"阿莫", "西成药"},
                 {"-", "中药"},   {"100%", "西成药"}, {"a_b", "西成药"}, {"无此药", "西成药"}};
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.category) + " " + c.typed);
      EXPECT_EQ(searched(search, c.typed, c.category), plain(c.typed, c.category));
    }
  }
};

TEST_F(ReceiptSearchTest, ListsWhatThePlainQueryListsAfterEveryChangeFromAnotherConnection) {
  // Ties of equal names across categories, names equal to the collation only (case),
  // braces, keys with LIKE's special characters, rows without a key.
  const QStringList stems = {"阿莫西林", "Vc片", "vc片", "布洛芬{缓释}", "0.9%氯化钠", "阿莫西林", "头孢克肟", "VC片"};
  for (int n = 0; n < 90; ++n) {
    const QString name = stems[n % stems.size()] + (n % 5 == 0 ? QString() : QString::number(n % 3));
    add(QString::number(n), name, n % 4 == 0 ? "中药" : (n % 4 == 1 ? "西成药·抗生素" : "西成药·其他"),
        QString("%1-amk%2-$").arg(name).arg(n % 3));
  }
  add("91", "特殊", "西成药·其他", "100%-a_b-$");
  add("92", "特殊", "西成药·其他", "100x-aXb-$");
  exec(R"(UPDATE "商品" SET "查询" = NULL WHERE "ID号" IN ('7', '8'))");
  ReceiptSearch search;
  expectAsPlain(search);

  const char* changes[] = {
      R"(UPDATE "商品" SET "名称" = '阿胶', "查询" = '阿胶-ajk1-$' WHERE "ID号" = '3')",  // renamed
      R"(UPDATE "商品" SET "查询" = 'vc-k1-$' WHERE "ID号" = '9')",                        // re-keyed
      R"(UPDATE "商品" SET "分类" = '中药' WHERE "ID号" = '10')",                           // moved
      R"(UPDATE "商品" SET "斗位" = '77', "单价" = '9.900' WHERE "ID号" = '13')",           // a receipt elsewhere
      R"(DELETE FROM "商品" WHERE "ID号" = '11')",
      R"(INSERT INTO "商品" ("ID号", "名称", "分类", "查询") VALUES ('new', 'Vc片', '西成药·抗生素', 'Vc片-k1-$'))",
      // Rowids far apart.
      R"(INSERT INTO "商品" (rowid, "ID号", "名称", "分类", "查询") VALUES (5000000000, 'far', '阿莫西林', '西成药·其他', 'vc-amk1-$'))",
  };
  for (const char* change : changes) {
    SCOPED_TRACE(change);
    exec(change);
    expectAsPlain(search);
  }
  // The closing rebuild rewrites every key in one statement.
  exec(R"(UPDATE "商品" SET "查询" = "名称")");
  catalogue::rebuildSearchKeys(db, strokes);
  expectAsPlain(search);

  // A new search given what the first one kept answers the same, and sees what changed.
  exec(R"(DELETE FROM "商品" WHERE "ID号" = '12')");
  ReceiptSearch next(search.kept());
  expectAsPlain(next);
}

TEST_F(ReceiptSearchTest, APickOfADrugGoneOrMovedSinceTheSearchPicksNothing) {
  add("1", "阿莫西林", "西成药·抗生素", "阿莫西林-amxl-$");
  add("2", "阿莫西林{0.5g}", "西成药·抗生素", "阿莫西林{0.5g}-amxl-$");
  ReceiptSearch search;
  search.find(db, "amxl", "西成药");
  ASSERT_EQ(search.count(), 2);
  EXPECT_EQ(search.shownName(1), "阿莫西林[0.5g]");
  exec(R"(DELETE FROM "商品" WHERE "ID号" = '1'; UPDATE "商品" SET "分类" = '中药' WHERE "ID号" = '2')");
  for (int line = 0; line < 2; ++line) {
    const purchasing::PickOutcome picked = search.pick(db, line);
    EXPECT_FALSE(picked.drug.has_value()) << line;
    EXPECT_TRUE(picked.reason.isEmpty()) << line;
  }
  // A file that cannot be read says so; the list is empty for a search that cannot run.
  const QString gone = db + ".gone";
  search.offer(gone, "amxl", "西成药");
  EXPECT_EQ(search.count(), 0);
  EXPECT_THROW(search.find(gone, "amxl", "西成药"), store::StoreError);
}

}  // namespace
