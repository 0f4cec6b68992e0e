// The drug list's listings run against a small catalogue: which rows each category and
// search lists, in what order, and that typed pattern characters are plain text.
#include "prescription/service/CatalogListing.h"

#include "store/Catalogue.h"
#include "store/PhraseList.h"
#include "support/MainDbFixture.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

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
      // a write elsewhere in the file lists the same
      {R"(INSERT INTO "个人模板" ("序号","名称","查询","分类","排序") VALUES ('k9','x','x$','中药方剂','9'))", {}},
      {R"(DELETE FROM "商品")", {}},
  };
  for (const Case& c : cases) {
    exec(QString::fromUtf8(c.write));
    EXPECT_EQ(items(herbs), c.expected) << c.write;
  }
  EXPECT_EQ(items(prescription::searchQuery(0, "")), QStringList{});
}

TEST_F(CatalogListingTest, WritesThatLeaveTheCatalogueAsItWasKeepTheReadRows) {
  const CatalogQuery herbs = prescription::clickQuery(14);
  ASSERT_EQ(items(herbs), QStringList{"黄芪 10g"});
  struct Case {
    const char* what;
    std::function<void()> write;
  };
  const Case cases[] = {
      {"a saved prescription",
       [&] { exec(R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210190000BE01', '张三'))"); }},
      {"a phrase",
       [&] {
         store::Database d(db);
         store::PhraseList(d, store::PhraseList::Diagnoses).add({{"咳嗽", "咳嗽-ks"}});
       }},
      {"a dispensed stock", [&] { exec(R"(UPDATE "商品" SET "斗位" = '7' WHERE "ID号" = '6')"); }},
      {"a price", [&] { exec(R"(UPDATE "商品" SET "单价" = '0.35', "备用1" = '0.2' WHERE "ID号" = '6')"); }},
      // the catalogue window writes every column back when the stock alone was edited
      {"a row rewritten with its listed columns unchanged",
       [&] {
         store::Database d(db);
         store::CatalogueRow row;
         row.key = "6";
         row.name = "黄芪";
         row.initials = "hq";
         row.searchKey = "黄芪-hq-5$";
         row.category = "中药";
         row.usualDose = "10g";
         row.unit = "g";
         row.usage = "";
         row.stock = "12";
         store::Catalogue(d).saveRow(row);
       }},
  };
  for (const Case& c : cases) {
    const std::uint64_t reads = prescription::catalogueReadCount();
    c.write();
    EXPECT_EQ(items(herbs), QStringList{"黄芪 10g"}) << c.what;
    EXPECT_EQ(prescription::catalogueReadCount(), reads) << c.what;
  }
  EXPECT_EQ(column("商品", "斗位")[5], "12");  // the writes did happen (row 6)
}

TEST_F(CatalogListingTest, EveryChangeToAListedColumnIsReadAloneFromTheChangeLog) {
  const CatalogQuery herbs = prescription::clickQuery(14);
  ASSERT_EQ(items(herbs), QStringList{"黄芪 10g"});
  const auto firstEntry = [&] {
    const auto entries = prescription::runListing(db, herbs);
    return entries.empty() ? QString("(none)") : entries[0].key + "|" + entries[0].item + "|" + entries[0].usageItem;
  };
  struct Case {
    const char* write;  // each on its own connection, as another workstation would
    QString expected;   // key|entry|usage twin ("" usage: no twin part, NULL usage: "\")
  };
  const Case cases[] = {
      {R"(UPDATE "商品" SET "ID号" = '6a' WHERE "ID号" = '6')", "6a|黄芪 10g|黄芪 10g"},
      {R"(UPDATE "商品" SET "名称" = '炙黄芪' WHERE "ID号" = '6a')", "6a|炙黄芪 10g|炙黄芪 10g"},
      {R"(UPDATE "商品" SET "常用量" = '15g' WHERE "ID号" = '6a')", "6a|炙黄芪 15g|炙黄芪 15g"},
      {R"(UPDATE "商品" SET "常用量" = '15', "单位" = 'mg' WHERE "ID号" = '6a')", "6a|炙黄芪 15mg|炙黄芪 15mg"},
      {R"(UPDATE "商品" SET "用法" = '先煎' WHERE "ID号" = '6a')", "6a|炙黄芪 15mg|炙黄芪 15mg\\先煎"},
      {R"(UPDATE "商品" SET "用法" = NULL WHERE "ID号" = '6a')", "6a|炙黄芪 15mg|炙黄芪 15mg\\"},
      {R"(UPDATE "商品" SET "查询" = '炙黄芪-zhq-5$' WHERE "ID号" = '6a')", "6a|炙黄芪 15mg|炙黄芪 15mg\\"},
      {R"(UPDATE "商品" SET "分类" = '中成药' WHERE "ID号" = '6a')", "(none)"},
      {R"(UPDATE "商品" SET "分类" = '中药' WHERE "ID号" = '6a')", "6a|炙黄芪 15mg|炙黄芪 15mg\\"},
      {R"(INSERT INTO "商品" ("ID号","名称","查询","分类") VALUES ('12','白芷','白芷-bz-1$','中药'))", "12|白芷 |白芷 \\"},
      {R"(DELETE FROM "商品" WHERE "ID号" = '12')", "6a|炙黄芪 15mg|炙黄芪 15mg\\"},
  };
  for (const Case& c : cases) {
    const std::uint64_t reads = prescription::catalogueReadCount();
    const std::uint64_t changes = prescription::catalogueChangeReadCount();
    exec(QString::fromUtf8(c.write));
    EXPECT_EQ(firstEntry().toStdString(), c.expected.toStdString()) << c.write;
    // the changed row alone is read, not the whole catalogue
    EXPECT_EQ(prescription::catalogueReadCount(), reads) << c.write;
    EXPECT_EQ(prescription::catalogueChangeReadCount(), changes + 1) << c.write;
  }
  // the search key is searched, not shown: the new one finds the row, the old one no longer
  EXPECT_EQ(items(prescription::searchQuery(14, "zhq")), QStringList{"炙黄芪 15mg"});
  EXPECT_EQ(items(prescription::searchQuery(14, "-hq")), QStringList{});
}

TEST_F(CatalogListingTest, AFileWithoutACatalogueVersionIsReadAgainAfterEveryWrite) {
  exec(R"(DROP TRIGGER "商品_添加改版本"; DROP TRIGGER "商品_删除改版本"; DROP TRIGGER "商品_修改改版本";
          DROP TABLE "目录版本";)");
  const CatalogQuery herbs = prescription::clickQuery(14);
  ASSERT_EQ(items(herbs), QStringList{"黄芪 10g"});
  std::uint64_t reads = prescription::catalogueReadCount();
  EXPECT_EQ(items(herbs), QStringList{"黄芪 10g"});
  EXPECT_EQ(prescription::catalogueReadCount(), reads);  // an unwritten file keeps the rows

  exec(R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210190000BE01', '张三'))");
  EXPECT_EQ(items(herbs), QStringList{"黄芪 10g"});
  EXPECT_EQ(prescription::catalogueReadCount(), reads + 1);
  exec(R"(UPDATE "商品" SET "常用量" = '30g' WHERE "ID号" = '6')");
  EXPECT_EQ(items(herbs), QStringList{"黄芪 30g"});
}

TEST_F(CatalogListingTest, AFilePutInThePlaceOfTheMainFileIsReadAgain) {
  const CatalogQuery herbs = prescription::clickQuery(14);
  ASSERT_EQ(items(herbs), QStringList{"黄芪 10g"});
  // a copy with the same catalogue version but another herb, renamed over the main file
  const QString other = db + ".other";
  ASSERT_TRUE(QFile::copy(db, other));
  {
    store::Database d(other);
    d.exec(R"(UPDATE "商品" SET "名称" = '党参' WHERE "ID号" = '6'; UPDATE "目录版本" SET "版本" = "版本" - 1;)");
  }
  ASSERT_TRUE(QFile::remove(db));
  ASSERT_TRUE(QFile::rename(other, db));
  EXPECT_EQ(items(herbs), QStringList{"党参 10g"});
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
