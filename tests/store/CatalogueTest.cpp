// The catalogue repository: listings by category prefix and literal search in name
// order, the low-stock rule, the row save by key, the all-or-none import write, the clear.
#include "store/Catalogue.h"
#include "store/LikePattern.h"
#include "support/MainDbFixture.h"

#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

using store::CatalogueRow;

class CatalogueTest : public testing_support::MainDbTest {
 protected:
  // A row with the given name, category, stock (nullopt stores NULL) and search key.
  void add(const QString& key, const QString& name, const QString& category,
           const std::optional<QString>& stock = QString(""), const QString& searchKey = {}) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "分类", "斗位", "查询", "拼音") VALUES (?, ?, ?, ?, ?, 'x'))");
    store::bindText(q, 1, key);
    store::bindText(q, 2, name);
    store::bindText(q, 3, category);
    store::bindText(q, 4, stock ? *stock : QString());
    store::bindText(q, 5, searchKey.isEmpty() ? name + "-x-1$" : searchKey);
    q.exec();
  }
  template <class Work>
  auto withCatalogue(Work&& work) {
    store::Database d(db);
    store::Catalogue c(d);
    return work(c);
  }
  static QStringList names(const std::vector<CatalogueRow>& rows) {
    QStringList out;
    for (const CatalogueRow& r : rows) out << r.name;
    return out;
  }
  static CatalogueRow row(const QString& key, const QString& name, const QString& initials = "a") {
    CatalogueRow r;
    r.key = key;
    r.name = name;
    r.initials = initials;
    r.category = "西成药·西成药";
    r.searchKey = name + "-" + initials + "-$";
    return r;
  }
};

TEST_F(CatalogueTest, ListsACategoryByPrefixInNameOrder) {
  add("1", "阿莫西林", "西成药·抗生素");
  add("2", "Vc片", "西成药·维生素激素");
  add("3", "布洛芬", "西成药·解热镇痛");
  add("4", "黄芪", "中药");
  add("5", "挂号费", "收费项目");
  add("6", "无键", "西成药·其他");
  exec(R"(UPDATE "商品" SET "查询" = NULL WHERE "ID号" = '6')");

  // Latin letters first, then pinyin order; a row without a search key is still listed.
  EXPECT_EQ(names(withCatalogue([](auto& c) { return c.listing("西成药", ""); })),
            (QStringList{"Vc片", "阿莫西林", "布洛芬", "无键"}));
  EXPECT_EQ(names(withCatalogue([](auto& c) { return c.listing("西成药·抗生素", ""); })), QStringList{"阿莫西林"});
  EXPECT_EQ(names(withCatalogue([](auto& c) { return c.listing("中药", ""); })), QStringList{"黄芪"});
}

TEST_F(CatalogueTest, SearchMatchesTheTypedTextLiterallyIgnoringAsciiCase) {
  add("1", "葡萄糖", "西成药·输液", "", "葡萄糖-ptt-1$");
  add("2", "氯化钠", "西成药·输液", "", "氯化钠-lhn-1$");
  add("3", "百分_号", "西成药·输液", "", "100%_x'-bfh-1$");
  const auto search = [&](const QString& typed) {
    return names(withCatalogue([&](auto& c) { return c.listing("西成药", typed); }));
  };
  EXPECT_EQ(search("PTT"), QStringList{"葡萄糖"});
  EXPECT_EQ(search("萄"), QStringList{"葡萄糖"});
  EXPECT_EQ(search("%"), QStringList{"百分_号"});  // no wildcard
  EXPECT_EQ(search("_"), QStringList{"百分_号"});
  EXPECT_EQ(search("x'"), QStringList{"百分_号"});  // an apostrophe is only a character
  EXPECT_EQ(search("0%_"), QStringList{"百分_号"});
  EXPECT_EQ(search("$").size(), 3);                // every key ends in "$"
  EXPECT_EQ(search("p_t"), QStringList{});
}

TEST_F(CatalogueTest, TheListByIdsReadsTheSameRowsInTheSameOrderAsTheWholeList) {
  // More rows than a page, with repeated names (ties), Latin and digit names, two
  // categories, and rows out of name order in the table.
  const QStringList stems = {"阿莫西林", "布洛芬", "Vc片", "0.9%氯化钠", "葡萄糖", "阿莫西林", "头孢克肟"};
  for (int n = 0; n < 60; ++n)
    add(QString::number(1000 - n), stems[n % stems.size()] + (n % 4 == 0 ? QString() : QString::number(n % 5)),
        n % 3 == 0 ? "中药" : "西成药·其他", QString::number(n), QString("%1-k%2-$").arg(stems[n % stems.size()]).arg(n % 2));
  const struct {
    const char* prefix;
    const char* typed;
  } cases[] = {{"西成药", ""}, {"西成药", "k1"}, {"西成药", "阿莫"}, {"中药", ""}, {"西成药", "无此药"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.prefix) + " " + c.typed);
    const std::vector<CatalogueRow> whole = withCatalogue([&](auto& cat) { return cat.listing(c.prefix, c.typed); });
    const std::vector<int64_t> ids = withCatalogue([&](auto& cat) { return cat.listingIds(c.prefix, c.typed); });
    ASSERT_EQ(ids.size(), whole.size());
    // Page by page, as the grid reads them.
    for (size_t first = 0; first < ids.size(); first += 21) {
      const std::vector<int64_t> page(ids.begin() + first, ids.begin() + std::min(ids.size(), first + 21));
      const auto rows = withCatalogue([&](auto& cat) { return cat.rowsWithIds(page); });
      ASSERT_EQ(rows.size(), page.size());
      for (size_t i = 0; i < rows.size(); ++i) {
        ASSERT_TRUE(rows[i].has_value());
        EXPECT_EQ(*rows[i], whole[first + i]) << first + i;
      }
    }
  }
  // A row removed after the list was read comes back as none; the others still come.
  const std::vector<int64_t> ids = withCatalogue([](auto& cat) { return cat.listingIds("西成药", ""); });
  const std::vector<CatalogueRow> whole = withCatalogue([](auto& cat) { return cat.listing("西成药", ""); });
  withCatalogue([&](auto& cat) { return cat.deleteRow(whole[1].key); });
  const auto rows = withCatalogue([&](auto& cat) { return cat.rowsWithIds({ids[0], ids[1], ids[2]}); });
  EXPECT_EQ(rows[0], whole[0]);
  EXPECT_EQ(rows[1], std::nullopt);
  EXPECT_EQ(rows[2], whole[2]);
}

// The search key is in no index: the rows that match are found in stored order and put in
// the list's order by walking its index. The result must be what one plain query, sorting
// by the collation, gives: ties of equal names across categories, names equal to the
// collation only (case), rows without a key, and after another connection's edits.
TEST_F(CatalogueTest, SearchesListWhatAPlainQuerySortedByTheCollationLists) {
  const QStringList stems = {"阿莫西林", "Vc片", "vc片", "布洛芬", "0.9%氯化钠", "阿莫西林", "头孢克肟", "VC片"};
  for (int n = 0; n < 90; ++n) {
    const QString name = stems[n % stems.size()] + (n % 5 == 0 ? QString() : QString::number(n % 3));
    add(QString::number(n), name, n % 4 == 0 ? "中药" : (n % 4 == 1 ? "西成药·抗生素" : "西成药·其他"), "",
        QString("%1-k%2-$").arg(name).arg(n % 3));
  }
  exec(R"(UPDATE "商品" SET "查询" = NULL WHERE "ID号" IN ('7', '8'))");
  const auto plainList = [&](const QString& prefix, const QString& typed) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(SELECT rowid FROM "商品" NOT INDEXED WHERE "分类" LIKE ? ESCAPE '\')"
                                 R"( AND "查询" LIKE ? ESCAPE '\' ORDER BY "名称" COLLATE ZHNAME, "分类", rowid)");
    store::bindText(q, 1, store::escapedForLike(prefix) + "%");
    store::bindText(q, 2, "%" + store::escapedForLike(typed) + "%");
    std::vector<int64_t> ids;
    while (q.executeStep()) ids.push_back(q.getColumn(0).getInt64());
    return ids;
  };
  const auto plainCandidates = [&](const QString& typed, const QString& prefix) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(SELECT "名称" FROM "商品" NOT INDEXED WHERE instr(lower("查询"), lower(?1)) > 0)"
                                 R"( AND substr("分类", 1, length(?2)) = ?2 ORDER BY "名称" COLLATE ZHNAME, "分类", rowid)");
    store::bindText(q, 1, typed);
    store::bindText(q, 2, prefix);
    QStringList names;
    while (q.executeStep()) names << store::columnText(q, 0);
    return names;
  };
  const auto compareAll = [&] {
    const struct {
      const char* prefix;
      const char* typed;
    } cases[] = {{"西成药", "k1"}, {"西成药", "VC"}, {"", "$"}, {"中药", "阿莫"}, {"西成药·抗", "-"}, {"西成药", "无此药"}};
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.prefix) + " " + c.typed);
      const std::vector<int64_t> expected = plainList(c.prefix, c.typed);
      EXPECT_EQ(withCatalogue([&](auto& cat) { return cat.listingIds(c.prefix, c.typed); }), expected);
      // The goods receipt's list: the names kept with the keys.
      const store::CatalogueListRead read =
          withCatalogue([](auto& cat) { return cat.listKeys(store::CatalogueListKeys::Names::Kept); });
      QStringList candidates;
      for (const uint32_t place : read.keys.matchingPlaces(c.prefix, c.typed)) {
        const std::string_view name = read.keys.name(place);
        candidates << QString::fromUtf8(name.data(), qsizetype(name.size()));
      }
      EXPECT_EQ(candidates, plainCandidates(c.typed, c.prefix));
    }
  };
  compareAll();
  // Another connection renames, re-keys, removes and adds rows.
  exec(R"(UPDATE "商品" SET "名称" = '阿胶', "查询" = '阿胶-k1-$' WHERE "ID号" = '3';
          UPDATE "商品" SET "查询" = 'vc-k1-$' WHERE "ID号" = '9';
          DELETE FROM "商品" WHERE "ID号" = '10';)");
  add("200", "Vc片", "西成药·抗生素", "", "Vc片-k1-$");
  compareAll();
}

// Files made before the list's index left the search key out get it made again at start.
TEST_F(CatalogueTest, AnOldListIndexHoldingTheKeyIsMadeAgainWithoutIt) {
  add("1", "阿莫西林", "西成药·抗生素");
  add("2", "Vc片", "西成药·其他");
  exec(R"(DROP INDEX "商品_目录序";
          CREATE INDEX "商品_目录序" ON "商品" ("名称" COLLATE ZHNAME, "分类", "查询");)");
  const auto definition = [&] {
    store::Database d(db);
    return d.sql().execAndGet(R"(SELECT sql FROM sqlite_master WHERE name = '商品_目录序')").getString();
  };
  for (int start = 0; start < 2; ++start) {
    store::Database d(db);
    store::Catalogue::ensureNameOrderIndexes(d);
    EXPECT_EQ(definition(), R"(CREATE INDEX "商品_目录序" ON "商品" ("名称" COLLATE ZHNAME, "分类"))");
  }
  store::Database d(db);
  EXPECT_EQ(d.sql().execAndGet("PRAGMA integrity_check").getString(), "ok");
  EXPECT_EQ(names(withCatalogue([](auto& c) { return c.listing("西成药", "$"); })), (QStringList{"Vc片", "阿莫西林"}));
}

// The drug list keeps its own copy of the whole read; the connection it keeps open does
// not keep the file's pages besides.
TEST_F(CatalogueTest, AWholeReadLeavesNoPagesOnTheConnection) {
  {
    store::Database d(db);
    SQLite::Transaction transaction(d.sql());
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "分类", "查询") VALUES (?, ?, '西成药', ?))");
    for (int n = 0; n < 2000; ++n) {
      q.reset();
      store::bindText(q, 1, QString::number(n));
      store::bindText(q, 2, QString("阿莫西林胶囊%1").arg(n));
      store::bindText(q, 3, QString("阿莫西林胶囊%1-amxljn-1$").arg(n));
      q.exec();
    }
    transaction.commit();
  }
  store::Database d(db);
  const auto cachedBytes = [&d] {
    int used = 0;
    int highest = 0;
    sqlite3_db_status(d.sql().getHandle(), SQLITE_DBSTATUS_CACHE_USED, &used, &highest, 0);
    return used;
  };
  SQLite::Statement scan(d.sql(), R"(SELECT * FROM "商品")");
  while (scan.executeStep()) {
  }
  scan.reset();
  const int afterAScan = cachedBytes();
  ASSERT_GT(afterAScan, 64 * 1024) << "the table spans many pages";

  int visited = 0;
  EXPECT_EQ(store::Catalogue(d).searchRows([&](const store::CatalogueSearchFields&) { ++visited; }).size(), 2000u);
  EXPECT_EQ(visited, 2000);
  EXPECT_LT(cachedBytes(), afterAScan / 10);
}

TEST_F(CatalogueTest, LowStockListsKeptStockBelowTheThresholdOnly) {
  const struct {
    const char* name;
    std::optional<QString> stock;
    bool listed;
  } cases[] = {{"零", QString("0"), true},        {"负三", QString("-3"), true},   {"四九九", QString("499"), true},
               {"五百", QString("500"), false},   {"字母", QString("abc"), false}, {"空", QString(""), false},
               {"空格", QString("  "), false},    {"无值", std::nullopt, false},   {"带空格", QString(" 12 盒"), true}};
  QStringList expected;
  int key = 0;
  for (const auto& c : cases) {
    add(QString::number(++key), c.name, "西成药·其他", c.stock);
    if (c.listed) expected << c.name;
  }
  add("99", "中药零", "中药", QString("0"));  // another category
  QStringList listed = names(withCatalogue([](auto& c) { return c.lowStock("西成药", 500); }));
  std::sort(listed.begin(), listed.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected);
  // A threshold of 0 (a text that is no number) leaves the negative stock only.
  EXPECT_EQ(names(withCatalogue([](auto& c) { return c.lowStock("西成药", 0); })), QStringList{"负三"});
}

TEST_F(CatalogueTest, SaveRowAddsOnceThenRewritesTheRowWithItsKey) {
  exec(R"(INSERT INTO "商品" ("ID号", "名称", "拼音", "备用3") VALUES ('k0', '旧', 'j', '留'))");
  CatalogueRow r = row("k1", "阿");
  withCatalogue([&](auto& c) { c.saveRow(r); return 0; });
  r.name = "阿莫西林";
  r.stock = "12";
  withCatalogue([&](auto& c) { c.saveRow(r); return 0; });
  EXPECT_EQ(column("商品", "ID号"), (QStringList{"k0", "k1"}));
  EXPECT_EQ(column("商品", "名称"), (QStringList{"旧", "阿莫西林"}));
  EXPECT_EQ(column("商品", "斗位"), (QStringList{"<null>", "12"}));

  // The same key on an existing row rewrites it and leaves the spare column alone.
  CatalogueRow old = row("k0", "新");
  withCatalogue([&](auto& c) { c.saveRow(old); return 0; });
  EXPECT_EQ(column("商品", "名称"), (QStringList{"新", "阿莫西林"}));
  EXPECT_EQ(column("商品", "备用3"), (QStringList{"留", "<null>"}));
}

// The stored files name the columns as the table always did (the stock in 斗位, the purchase
// price in 备用1, the drawer in 备用2): each field goes to its own column on every way in,
// and comes back into the same field.
TEST_F(CatalogueTest, EachFieldIsStoredInItsOwnColumnOnEveryWriteAndReadBackIntoIt) {
  // Every field a text of its own, under the key K1.
  const auto rowOf = [](const QString& v) {
    CatalogueRow r;
    r.key = "K1";
    r.searchKey = "S" + v + "$";
    r.usage = "U" + v;
    r.name = "N" + v;
    r.initials = "I" + v;
    r.unit = "T" + v;
    r.usualDose = "D" + v;
    r.sellingPrice = "P" + v;
    r.purchasePrice = "C" + v;
    r.drawer = "W" + v;
    r.category = "西成药·G" + v;
    r.stock = "Q" + v;
    return r;
  };
  const auto expectStored = [&](const CatalogueRow& r) {
    const std::pair<const char*, QString> columns[] = {
        {"ID号", r.key},      {"查询", r.searchKey},        {"用法", r.usage},       {"名称", r.name},
        {"拼音", r.initials}, {"单位", r.unit},             {"常用量", r.usualDose}, {"单价", r.sellingPrice},
        {"备用1", r.purchasePrice}, {"备用2", r.drawer}, {"分类", r.category},     {"斗位", r.stock},
    };
    for (const auto& [name, value] : columns) EXPECT_EQ(column("商品", name), QStringList{value}) << name;
    const std::vector<CatalogueRow> read = withCatalogue([](auto& c) { return c.listing("西成药", ""); });
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], r);
  };
  const auto savedByChanges = [](store::Catalogue& c, const CatalogueRow& r) {
    c.saveRow(r.key, [&r](const std::optional<CatalogueRow>&) { return std::optional<CatalogueRow>(r); });
  };
  struct Write {
    const char* how;
    std::function<void(store::Catalogue&, const CatalogueRow&)> write;
    bool rewrites;  // also writes over the row under the same key
  };
  const Write writes[] = {
      {"added", [](store::Catalogue& c, const CatalogueRow& r) { c.addRows({r}); }, false},
      {"saved whole", [](store::Catalogue& c, const CatalogueRow& r) { c.saveRow(r); }, true},
      {"saved by its changes", savedByChanges, true},
  };
  for (const Write& w : writes) {
    SCOPED_TRACE(w.how);
    exec(R"(DELETE FROM "商品")");
    withCatalogue([&](auto& c) { w.write(c, rowOf("1")); return 0; });
    expectStored(rowOf("1"));
    // Written again under its key: each changed value still lands in its own column.
    withCatalogue([&](auto& c) { (w.rewrites ? w.write : savedByChanges)(c, rowOf("2")); return 0; });
    expectStored(rowOf("2"));
  }
}

TEST_F(CatalogueTest, ARefusedSaveThrowsAndChangesNothing) {
  CatalogueRow r = row("k1", "阿");
  withCatalogue([&](auto& c) { c.saveRow(r); return 0; });
  r.initials = "";  // the table takes no empty initials
  r.name = "改";
  EXPECT_THROW(withCatalogue([&](auto& c) { c.saveRow(r); return 0; }), store::StoreError);
  EXPECT_EQ(column("商品", "名称"), QStringList{"阿"});
}

TEST_F(CatalogueTest, AddRowsKeepsAllOrNone) {
  const QList<CatalogueRow> good = {row("i1", "甲"), row("i2", "乙")};
  withCatalogue([&](auto& c) { c.addRows(good); return 0; });
  EXPECT_EQ(column("商品", "名称"), (QStringList{"甲", "乙"}));

  const QList<CatalogueRow> refused = {row("i3", "丙"), row("i4", "丁", ""), row("i5", "戊")};
  try {
    withCatalogue([&](auto& c) { c.addRows(refused); return 0; });
    FAIL() << "the empty initials were taken";
  } catch (const store::RowRefused& e) {
    EXPECT_EQ(e.index(), 1);
    EXPECT_FALSE(e.reason().isEmpty());
  }
  // A repeated key is refused as well.
  EXPECT_THROW(withCatalogue([&](auto& c) { c.addRows({row("i9", "己"), row("i1", "庚")}); return 0; }),
               store::RowRefused);
  EXPECT_EQ(column("商品", "名称"), (QStringList{"甲", "乙"}));
}

TEST_F(CatalogueTest, ClearAndDeleteTouchOnlyTheirRows) {
  add("1", "阿莫西林", "西成药·抗生素");
  add("2", "布洛芬", "西成药·西成药");
  add("3", "黄芪", "中药");
  add("4", "挂号费", "收费项目");
  EXPECT_EQ(withCatalogue([](auto& c) { return c.clearCategory("西成药"); }), 2);
  EXPECT_EQ(column("商品", "名称"), (QStringList{"黄芪", "挂号费"}));
  EXPECT_EQ(withCatalogue([](auto& c) { return c.clearCategory("%"); }), 0);  // a literal prefix
  EXPECT_TRUE(withCatalogue([](auto& c) { return c.deleteRow("3"); }));
  EXPECT_FALSE(withCatalogue([](auto& c) { return c.deleteRow("3"); }));
  EXPECT_EQ(column("商品", "名称"), QStringList{"挂号费"});
  EXPECT_TRUE(withCatalogue([](auto& c) { return c.keyTaken("4"); }));
  EXPECT_FALSE(withCatalogue([](auto& c) { return c.keyTaken("3"); }));
}

}  // namespace
