// The drug list's listings run against a small catalogue: which rows each category and
// search lists, in what order, and that typed pattern characters are plain text.
#include "prescription/service/CatalogListing.h"

#include "support/MainDbFixture.h"

#include <gtest/gtest.h>

namespace {

using prescription::CatalogQuery;
using prescription::ListEntry;

class CatalogListingTest : public testing_support::MainDbTest {
 protected:
  CatalogListingTest() {
    // id, name, key, category, dose, unit, usage; "<null>" stands for a missing value
    const QStringList rows[] = {
        {"1", "头孢拉定胶囊", "头孢拉定胶囊-tbldjn-1$", "西成药·抗生素", "0.5g", "g", "口服"},
        {"2", "阿莫西林胶囊", "阿莫西林胶囊-amxljn-2$", "西成药·抗生素", "0.5", "g", "<null>"},
        {"3", "罗红霉素片", "<null>", "西成药·抗生素", "", "", ""},           // no key: never listed
        {"4", "青霉素皮试液", "青霉素皮试液-qmsps-3$", "西成药·抗生素类", "", "", ""}, // does not end in 抗生素
        {"5", "硝苯地平片", "硝苯地平片-xbdpp-4$", "西成药·心血管", "10", "mg", ""},
        {"6", "黄芪", "黄芪-hq-5$", "中药", "10g", "g", ""},
        {"7", "注射费", "注射费-zsf-6$", "收费项目", "", "", ""},
        {"8", "50%葡萄糖注射液", "50%葡萄糖注射液-50ptt-7$", "西成药·输液", "20", "ml", ""},
        {"9", "维生素B_1片", "维生素B_1片-wssb_1p-8$", "西成药·维生素激素", "", "", ""},
        {"10", "{复方}甘草片", "{复方}甘草片-ffgc-9$", "西成药·呼吸", "", "", ""},
    };
    for (const QStringList& r : rows) {
      store::Database d(db);
      SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法") VALUES (?,?,?,?,?,?,?))");
      for (int i = 0; i < r.size(); ++i) store::bindText(q, i + 1, r[i] == "<null>" ? QString() : r[i]);
      q.exec();
    }
    exec(R"(INSERT INTO "个人模板" ("序号","名称","内容","查询","分类","排序") VALUES
            ('k2','麻黄汤','麻黄 9g','麻黄汤mht$','中药方剂','2'),
            ('k1','桂枝汤','桂枝 9g','桂枝汤gzt$','中药方剂','1'),
            ('k3','感冒组套','阿莫西林','感冒组套gmzt$','个人组套','1'))");
  }

  QStringList items(const CatalogQuery& query) {
    QStringList texts;
    for (const ListEntry& e : prescription::runListing(db, query)) texts << e.item;
    return texts;
  }
};

TEST_F(CatalogListingTest, ListsWhatEachCategoryAndSearchAsks) {
  struct Case {
    int category;
    std::optional<QString> typed;  // nullopt: right after the click
    QStringList expected;
  };
  const Case cases[] = {
      // by name in pinyin order; the row without a key and 抗生素类 are not listed
      {0, std::nullopt, {"阿莫西林胶囊 0.5g", "头孢拉定胶囊 0.5g"}},
      // a typed text searches every category but herbs, letter case aside
      {0, "JN", {"阿莫西林胶囊 0.5g", "头孢拉定胶囊 0.5g"}},
      {3, "p", {"50%葡萄糖注射液 20ml", "青霉素皮试液", "维生素B_1片", "硝苯地平片 10mg"}},
      // pattern characters are plain text
      {0, "%", {"50%葡萄糖注射液 20ml"}},
      {0, "_", {"维生素B_1片"}},
      {0, "b_1", {"维生素B_1片"}},
      // herbs alone in the herb category, also when something is typed
      {14, std::nullopt, {"黄芪 10g"}},
      {14, "hq", {"黄芪 10g"}},
      {14, "zsf", {}},
      {12, std::nullopt, {"注射费"}},
      {4, std::nullopt, {}},
      // braces are shown as brackets
      {2, "ffgc", {"[复方]甘草片"}},
      // templates by their order, narrowed by their key
      {15, std::nullopt, {"桂枝汤", "麻黄汤"}},
      {15, "mh", {"麻黄汤"}},
      {16, "", {"感冒组套"}},
  };
  for (const Case& c : cases) {
    const CatalogQuery query =
        c.typed ? prescription::searchQuery(c.category, *c.typed) : prescription::clickQuery(c.category);
    EXPECT_EQ(items(query), c.expected) << c.category << " " << c.typed.value_or("(click)").toStdString();
  }
}

TEST_F(CatalogListingTest, EqualNamesKeepTheirStoredOrderAndRowsWithoutACategoryMatchNothing) {
  exec(R"(DELETE FROM "商品";
          INSERT INTO "商品" ("ID号","名称","查询","分类") VALUES
            ('b','VC片','VC片-vcp-1$','收费项目'),
            ('a','vc片','vc片-vcp-1$','西成药·其他'),
            ('c','VC片','VC片-vcp-1$','西成药·其他'),
            ('d','氨茶碱','氨茶碱-acj-1$',NULL),
            ('e','阿司匹林','阿司匹林-aspl-1$','西成药·解热镇痛'))");
  QStringList keys;
  for (const ListEntry& e : prescription::runListing(db, prescription::searchQuery(0, "p"))) keys << e.key;
  // names equal in the name order (letter case aside) come as they are stored
  EXPECT_EQ(keys, (QStringList{"b", "a", "c", "e"}));
  EXPECT_EQ(items(prescription::searchQuery(0, "acj")), QStringList{});
  // (a usage without a value is not blank: the name is followed by a blank)
  EXPECT_EQ(items(prescription::clickQuery(11)), (QStringList{"vc片 ", "VC片 "}));
}

TEST_F(CatalogListingTest, EveryWriteToTheFileIsSeenByTheNextListing) {
  const CatalogQuery herbs = prescription::clickQuery(14);
  ASSERT_EQ(items(herbs), QStringList{"黄芪 10g"});
  struct Case {
    const char* write;
    QStringList expected;
  };
  const Case cases[] = {
      {R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法"))"
       R"( VALUES ('11','当归','当归-dg-1$','中药','','g',''))",
       {"当归", "黄芪 10g"}},
      {R"(UPDATE "商品" SET "常用量" = '15g' WHERE "ID号" = '6')", {"当归", "黄芪 15g"}},
      {R"(UPDATE "商品" SET "名称" = '白芍' WHERE "ID号" = '6')", {"白芍 15g", "当归"}},
      {R"(UPDATE "商品" SET "查询" = NULL WHERE "ID号" = '11')", {"白芍 15g"}},
      {R"(UPDATE "商品" SET "分类" = '西成药·其他' WHERE "ID号" = '6')", {}},
      // a write elsewhere in the file reads the catalogue again, and lists the same
      {R"(INSERT INTO "个人模板" ("序号","名称","查询","分类","排序") VALUES ('k9','x','x$','中药方剂','9'))", {}},
      {R"(DELETE FROM "商品")", {}},
  };
  for (const Case& c : cases) {
    exec(QString::fromUtf8(c.write));
    EXPECT_EQ(items(herbs), c.expected) << c.write;
  }
  EXPECT_EQ(items(prescription::searchQuery(0, "")), QStringList{});
}

TEST_F(CatalogListingTest, EntriesKeepTheirRowsKeyAndUsageTwin) {
  const auto entries = prescription::runListing(db, prescription::clickQuery(0));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].key, "2");
  EXPECT_EQ(entries[0].usageItem, "阿莫西林胶囊 0.5g\\");  // a usage without a value ends in "\"
  EXPECT_EQ(entries[1].usageItem, "头孢拉定胶囊 0.5g\\口服");

  const auto sets = prescription::runListing(db, prescription::clickQuery(15));
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].key, "k1");
  EXPECT_TRUE(sets[0].usageItem.isEmpty());
  EXPECT_EQ(prescription::readTemplateContent(db, sets[1].key), QString("麻黄 9g"));
  EXPECT_EQ(prescription::readTemplateContent(db, "gone"), std::nullopt);
}

}  // namespace
