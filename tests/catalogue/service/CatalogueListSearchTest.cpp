// The catalogue window's searches answered from the keys it keeps: the same rows in the
// same order as a plain query over the file, after every kind of change another
// workstation makes, and the keys read again only when the catalogue's version moves.
#include "catalogue/service/CatalogueListSearch.h"
#include "catalogue/service/SearchKeyRebuild.h"
#include "store/LikePattern.h"
#include "support/MainDbFixture.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class CatalogueListSearchTest : public testing_support::MainDbTest {
 protected:
  void add(const QString& id, const QString& name, const QString& category, const QString& key) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "分类", "查询") VALUES (?, ?, ?, ?))");
    store::bindText(q, 1, id);
    store::bindText(q, 2, name);
    store::bindText(q, 3, category);
    store::bindText(q, 4, key);
    q.exec();
  }
  // The list as one query sorting by the collation gives it, without any index.
  std::vector<int64_t> plain(const QString& prefix, const QString& typed) {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), R"(SELECT rowid FROM "商品" NOT INDEXED WHERE "分类" LIKE ?1 ESCAPE '\')"
                                 R"( AND (?2 = '' OR "查询" LIKE '%' || ?2 || '%' ESCAPE '\'))"
                                 R"( ORDER BY "名称" COLLATE ZHNAME, "分类", rowid)");
    store::bindText(q, 1, store::escapedForLike(prefix) + "%");
    store::bindText(q, 2, store::escapedForLike(typed));
    std::vector<int64_t> ids;
    while (q.executeStep()) ids.push_back(q.getColumn(0).getInt64());
    return ids;
  }
  void expectAsPlain(catalogue::CatalogueListSearch& search) {
    const struct {
      const char* prefix;
      const char* typed;
    } cases[] = {{"西成药", ""},  {"", ""},      {"西成药", "k1"},  {"", "VC"},     {"中药", "阿莫"},
                 {"西成药·抗", "-"}, {"", "$"}, {"西成药", "100%"}, {"", "a_b"},    {"西成药", "无此药"}};
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.prefix) + " " + c.typed);
      EXPECT_EQ(search.listingIds(db, c.prefix, c.typed), plain(c.prefix, c.typed));
    }
  }
};

TEST_F(CatalogueListSearchTest, ListsWhatAPlainQueryListsAfterEveryChangeFromAnotherConnection) {
  // Ties of equal names across categories, names equal to the collation only (case),
  // keys with LIKE's special characters, rows without a key.
  const QStringList stems = {"阿莫西林", "Vc片", "vc片", "布洛芬", "0.9%氯化钠", "阿莫西林", "头孢克肟", "VC片"};
  for (int n = 0; n < 90; ++n) {
    const QString name = stems[n % stems.size()] + (n % 5 == 0 ? QString() : QString::number(n % 3));
    add(QString::number(n), name, n % 4 == 0 ? "中药" : (n % 4 == 1 ? "西成药·抗生素" : "西成药·其他"),
        QString("%1-k%2-$").arg(name).arg(n % 3));
  }
  add("a", "特殊", "西成药·其他", "100%-a_b-$");
  add("b", "特殊", "西成药·其他", "100x-aXb-$");
  exec(R"(UPDATE "商品" SET "查询" = NULL WHERE "ID号" IN ('7', '8'))");
  catalogue::CatalogueListSearch search;
  expectAsPlain(search);

  const char* changes[] = {
      R"(UPDATE "商品" SET "名称" = '阿胶', "查询" = '阿胶-k1-$' WHERE "ID号" = '3')",  // renamed
      R"(UPDATE "商品" SET "查询" = 'vc-k1-$' WHERE "ID号" = '9')",                     // re-keyed
      R"(UPDATE "商品" SET "分类" = '中药' WHERE "ID号" = '10')",                        // moved
      R"(DELETE FROM "商品" WHERE "ID号" = '11')",
      R"(INSERT INTO "商品" ("ID号", "名称", "分类", "查询") VALUES ('new', 'Vc片', '西成药·抗生素', 'Vc片-k1-$'))",
      // Rowids far apart: the places are found another way.
      R"(INSERT INTO "商品" (rowid, "ID号", "名称", "分类", "查询") VALUES (5000000000, 'far', '阿莫西林', '西成药·其他', 'vc-k1-$'))",
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
}

TEST_F(CatalogueListSearchTest, KeepsTheKeysWhileTheVersionStaysAndReadsAFileOfItsOwn) {
  const QString other = db + ".other";
  ASSERT_TRUE(QFile::copy(db, other));  // an empty catalogue
  add("1", "黄芪", "中药", "黄芪-hq-$");
  catalogue::CatalogueListSearch search;
  ASSERT_EQ(search.listingIds(db, "", "hq").size(), 1u);
  // A key changed with the version put back as it was: what was kept is still answered.
  exec(R"(UPDATE "商品" SET "查询" = '黄芪-xx-$'; UPDATE "目录版本" SET "版本" = "版本" - 1;)");
  EXPECT_EQ(search.listingIds(db, "", "hq").size(), 1u);
  // Another data file is read for itself.
  EXPECT_TRUE(search.listingIds(other, "", "hq").empty());
  EXPECT_TRUE(search.listingIds(db, "", "hq").empty());
}

}  // namespace
