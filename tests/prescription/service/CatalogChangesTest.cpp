// The drug list's kept catalogue brought up to date from the change log: after edits made
// on another connection (as another workstation makes them) every listing has the entries
// and the order of a plain query of the file, and only the changed rows are read.
#include "prescription/service/CatalogItems.h"
#include "prescription/service/CatalogListing.h"
#include "store/KeptConnection.h"
#include "support/MainDbFixture.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using prescription::CatalogQuery;

class CatalogChangesTest : public testing_support::MainDbTest {
 protected:
  // A catalogue row's columns; nullopt is NULL.
  struct Drug {
    std::optional<QString> id, name, key, category, dose, unit, usage;
  };

  // Names that collide in the name order (letter case, digits and Latin before Chinese,
  // equal names kept in stored order), keys with letters in both cases, categories that
  // end alike, and columns without a value.
  Drug randomDrug() {
    static const QStringList names = {"黄芪", "当归", "VC片", "vc片", "50%葡萄糖", "阿莫西林", "Abc", "白芍",
                                      "川芎", "黄芪", "维生素B_1", "{复方}甘草片", "阿司匹林", "氨茶碱"};
    static const QStringList categories = {"中药", "西成药·抗生素", "西成药·中成药", "收费项目",
                                           "用法", "抗生素",        "西成药·抗生素类"};
    static const QStringList letters = {"hq", "DG", "vcp", "Ptt", "amxl", "abc", "bs", "cx", "h1", "q"};
    const auto pick = [this](const QStringList& from) { return from[static_cast<int>(random() % from.size())]; };
    const auto maybe = [this](const QString& value) -> std::optional<QString> {
      return random() % 8 == 0 ? std::nullopt : std::optional<QString>(value);
    };
    Drug d;
    d.id = QString("d%1").arg(nextId++);
    d.name = pick(names) + (random() % 3 == 0 ? QString::number(random() % 20) : QString());
    d.key = maybe(*d.name + "-" + pick(letters) + "-1$");
    d.category = maybe(pick(categories));
    d.dose = maybe(random() % 2 ? QString("0.5") : QString("10g"));
    d.unit = maybe(random() % 2 ? QString("g") : QString(""));
    d.usage = maybe(random() % 2 ? QString("口服") : QString(""));
    return d;
  }

  void insert(store::Database& d, const Drug& drug) {
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法")
                                   VALUES (?,?,?,?,?,?,?))");
    const std::optional<QString>* values[] = {&drug.id,   &drug.name, &drug.key,  &drug.category,
                                              &drug.dose, &drug.unit, &drug.usage};
    for (int i = 0; i < 7; ++i) store::bindText(q, i + 1, values[i]->value_or(QString()));
    q.exec();
  }

  // One random edit of the kinds the catalogue window and an import make.
  void randomEdit(store::Database& d) {
    const auto someId = [&] {
      SQLite::Statement count(d.sql(), R"(SELECT count(*) FROM "商品")");
      count.executeStep();
      const int rows = count.getColumn(0).getInt();
      if (rows == 0) return QString("none");
      SQLite::Statement q(d.sql(), R"(SELECT "ID号" FROM "商品" ORDER BY rowid LIMIT 1 OFFSET ?)");
      q.bind(1, static_cast<int>(random() % static_cast<unsigned>(rows)));
      return q.executeStep() ? store::columnText(q, 0) : QString("none");
    };
    const Drug other = randomDrug();
    const auto set = [&](const char* column, const std::optional<QString>& value) {
      SQLite::Statement q(d.sql(), std::string(R"(UPDATE "商品" SET ")") + column + R"(" = ? WHERE "ID号" = ?)");
      store::bindText(q, 1, value.value_or(QString()));
      store::bindText(q, 2, someId());
      q.exec();
    };
    switch (random() % 10) {
      case 0: case 1: insert(d, other); break;
      case 2: {
        SQLite::Statement q(d.sql(), R"(DELETE FROM "商品" WHERE "ID号" = ?)");
        store::bindText(q, 1, someId());
        q.exec();
        break;
      }
      case 3: set("名称", other.name); break;
      case 4: set("查询", other.key); break;
      case 5: set("分类", other.category); break;
      case 6: set("常用量", other.dose); break;
      case 7: set("用法", other.usage); break;
      case 8: set("ID号", other.id); break;
      case 9:  // several rows in one statement, and a stock that changes nothing listed
        d.exec(R"(UPDATE "商品" SET "单位" = 'mg', "斗位" = '3' WHERE rowid % 7 = 0)");
        break;
    }
  }

  // The listing as a plain query of the file gives it: key|entry|twin, in name order.
  QStringList queried(const CatalogQuery& query) {
    store::Database d(db, store::Database::Mode::ReadOnly);
    std::string categoryTest;
    switch (query.match) {
      case CatalogQuery::Match::EndsWith:
        categoryTest = R"(length("分类") >= length(?2) AND substr(lower("分类"), length("分类") - length(?2) + 1) = ?2)";
        break;
      case CatalogQuery::Match::Equals: categoryTest = R"(lower("分类") = ?2)"; break;
      case CatalogQuery::Match::NotEquals: categoryTest = R"(lower("分类") <> ?2)"; break;
    }
    SQLite::Statement q(d.sql(), R"(SELECT "ID号", "名称", "常用量", "单位", "用法" FROM "商品"
                                    WHERE instr(lower("查询"), ?1) > 0 AND )" + categoryTest +
                                     R"( ORDER BY "名称" COLLATE ZHNAME, rowid)");
    store::bindText(q, 1, QStringLiteral("%1").arg(query.keyContains.toLower()));  // never NULL
    store::bindText(q, 2, QStringLiteral("%1").arg(query.category.toLower()));
    QStringList rows;
    while (q.executeStep()) {
      const auto column = [&q](int i) {
        const QString v = store::columnText(q, i);
        return v.isNull() ? std::nullopt : std::optional<QString>(v);
      };
      const auto entry = prescription::catalogEntry({column(1), column(2), column(3), column(4)});
      rows << column(0).value_or("") + "|" + entry->item + "|" + entry->usageItem;
    }
    return rows;
  }

  QStringList listed(store::KeptConnection& main, const CatalogQuery& query) {
    QStringList rows;
    for (const prescription::ListEntry& e : prescription::runListing(main, query))
      rows << e.key + "|" + e.item + "|" + e.usageItem;
    return rows;
  }

  std::vector<CatalogQuery> queries() {
    std::vector<CatalogQuery> all;
    for (const int category : {0, 3, 11, 12, 13, 14}) {
      all.push_back(prescription::clickQuery(category));
      for (const char* typed : {"", "h", "HQ", "-1", "b_1"}) all.push_back(prescription::searchQuery(category, typed));
    }
    return all;
  }

  std::mt19937 random{20261211};
  int nextId = 0;
};

TEST_F(CatalogChangesTest, ListingsAfterEditsOnAnotherConnectionAreThoseOfAPlainQuery) {
  {
    store::Database d(db);
    for (int i = 0; i < 300; ++i) insert(d, randomDrug());
  }
  store::KeptConnection window(db);  // the list's, as the prescription window keeps it
  store::Database other(db);         // another workstation's
  ASSERT_EQ(listed(window, queries()[0]), queried(queries()[0]));
  const std::uint64_t reads = prescription::catalogueReadCount();
  for (int round = 0; round < 40; ++round) {
    const int edits = 1 + round % 4;
    for (int e = 0; e < edits; ++e) randomEdit(other);
    for (const CatalogQuery& query : queries()) {
      ASSERT_EQ(listed(window, query), queried(query))
          << "round " << round << ", category " << query.category.toStdString() << ", typed "
          << query.keyContains.toStdString();
    }
  }
  EXPECT_EQ(prescription::catalogueReadCount(), reads);  // the changes alone were read
  EXPECT_EQ(window.opened(), 1);                         // on the one kept connection
}

TEST_F(CatalogChangesTest, AListingKeepsTheRowsItWasMadeFrom) {
  exec(R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法")
          VALUES ('1','黄芪','黄芪-hq-1$','中药','10g','g',''), ('2','当归','当归-dg-1$','中药','','g',''))");
  store::KeptConnection window(db);
  const prescription::DrugListing before = prescription::runListing(window, prescription::clickQuery(14));
  exec(R"(UPDATE "商品" SET "名称" = '白芍', "常用量" = '12g' WHERE "ID号" = '1';
          DELETE FROM "商品" WHERE "ID号" = '2';)");
  const prescription::DrugListing after = prescription::runListing(window, prescription::clickQuery(14));
  ASSERT_EQ(before.size(), 2u);
  EXPECT_EQ(before[0].item, "当归");
  EXPECT_EQ(before[1].item, "黄芪 10g");
  EXPECT_EQ(before[1].key, "1");
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].item, "白芍 12g");
}

TEST_F(CatalogChangesTest, ChangesTheLogCannotAccountForReadTheWholeCatalogue) {
  exec(R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","用法") VALUES ('1','黄芪','黄芪-hq-1$','中药','',''))");
  store::KeptConnection window(db);
  const CatalogQuery herbs = prescription::clickQuery(14);
  struct Case {
    const char* what;
    QString write;
    QStringList expected;
  };
  const Case cases[] = {
      // a writer that raised the version but left no entry in the log
      {"version without a log entry", R"(UPDATE "目录版本" SET "版本" = "版本" + 1; UPDATE "商品" SET "斗位" = '1')", {"黄芪"}},
      // the log emptied and begun again: its numbers went back
      {"log begun again",
       R"(DELETE FROM "目录变更";
           INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","用法") VALUES ('2','当归','当归-dg-1$','中药','',''))",
       {"当归", "黄芪"}},
      // more rows changed than are worth reading one by one
      {"a large change", [] {
         QString sql = "BEGIN;";
         for (int i = 0; i < 2100; ++i)
           sql += QString(R"(INSERT INTO "商品" ("ID号","名称","查询","分类") VALUES ('x%1','川芎','川芎-cx-1$','用法');)").arg(i);
         return sql + "COMMIT;";
       }(),
       {"当归", "黄芪"}},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(prescription::runListing(window, herbs).empty());
    const std::uint64_t reads = prescription::catalogueReadCount();
    exec(c.write);
    QStringList items;
    for (const prescription::ListEntry& e : prescription::runListing(window, herbs)) items << e.item;
    EXPECT_EQ(items, c.expected) << c.what;
    EXPECT_EQ(prescription::catalogueReadCount(), reads + 1) << c.what;
  }
}

}  // namespace
