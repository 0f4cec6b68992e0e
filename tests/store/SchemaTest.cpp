// The template files hold the stored schema: tables, columns in order, and the column
// rules as constraints.
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using testing_support::TempFolder;

QStringList columnsOf(store::Database& db, const QString& table) {
  QStringList names;
  SQLite::Statement q(db.sql(), QStringLiteral("PRAGMA table_info(\"%1\")").arg(table).toStdString());
  while (q.executeStep()) names << store::columnText(q, 1);
  return names;
}

QStringList numbered(int from, int to) {
  QStringList out;
  for (int i = from; i <= to; ++i) out << QString::number(i);
  return out;
}

class SchemaTest : public ::testing::Test {
 protected:
  void SetUp() override { startup::writeMissingTemplates(folder.path()); }
  store::Database open(const QString& file) { return store::Database(QDir(folder.path()).filePath(file)); }
  TempFolder folder;
};

TEST_F(SchemaTest, TablesAndColumnsInStoredOrder) {
  QStringList record = QStringList{"序号"} + numbered(0, 22) + QStringList{"T1", "T2", "T3"} + numbered(23, 40) +
                       QStringList{"T4", "T5", "类别", "发药", "计价", "病历", "剂数"};
  const std::vector<std::pair<QString, std::vector<std::pair<QString, QStringList>>>> files = {
      {"数据库.dat",
       {{"档案", record},
        {"患者信息", {"序号", "姓名", "性别", "年龄", "医疗证号", "电话", "住址", "备用1", "备用2", "费别", "诊断", "过敏史"}},
        {"商品", {"ID号", "查询", "用法", "名称", "拼音", "单位", "常用量", "单价", "备用1", "备用2", "备用3", "分类", "斗位"}},
        {"诊断", {"名称", "拼音", "序号"}},
        {"地址", {"名称", "拼音", "序号"}},
        {"个人模板", {"序号", "名称", "内容", "拼音", "查询", "分类", "排序"}},
        {"设置", {"密码", "单位名称", "医师", "科别", "发药人", "备用1", "备用2", "备用3", "左边距", "上边距", "自动打印",
                  "默认打印机", "处方打印机", "左边距1", "上边距1", "左边距2", "上边距2", "打印机2", "打印机3", "费别",
                  "处方字体", "处方字号", "日志上边距", "日志左边距"}},
        {"用户", {"工号", "姓名", "密码", "科别", "备用"}},
        {"目录版本", {"版本"}},
        {"目录变更", {"序", "行"}},
        {"档案_片段", {"列", "片段", "档案"}},
        {"档案_片段位", {"位"}},
        {"档案_片段版本", {"版本", "档案数", "最大档案", "填满", "填充代"}},
        {"档案_片段变动", {"档案"}}}},
      {"库存管理.dat",
       {{"进货管理", {"日期", "品名", "库存", "单位", "序号", "数量", "进价", "售价", "供货单位", "生产厂家", "批号",
                      "有效期至", "备注", "备用", "分类"}},
        {"进货模板", {"名称", "供货单位", "生产厂家", "批号", "有效期至", "备注", "备用"}},
        {"套打设置", {"名称", "左边距", "上边距"}},
        {"销售管理", {"ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "备用1", "备用2", "日期", "医师",
                      "利润", "患者"}}}},
      {"综合设置.dat",
       {{"输入法编码", {"汉字", "部首", "笔画", "查询", "词频", "序号", "药物", "姓名", "诊断", "地址", "症状"}},
        {"部首笔画", {"编号", "部首", "笔画", "词频"}}}},
  };
  for (const auto& [file, tables] : files) {
    store::Database db = open(file);
    QStringList expectedTables;
    for (const auto& [table, columns] : tables) {
      expectedTables << table;
      EXPECT_EQ(columnsOf(db, table), columns) << table.toStdString();
    }
    QStringList actualTables;
    SQLite::Statement q(db.sql(), "SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'sqlite_sequence' ORDER BY rowid");
    while (q.executeStep()) actualTables << store::columnText(q, 0);
    EXPECT_EQ(actualTables, expectedTables) << file.toStdString();
  }
}

TEST_F(SchemaTest, NoColumnHasNumericAffinityExceptCounters) {
  store::Database db = open("数据库.dat");
  db.exec(R"(INSERT INTO "档案" ("序号", "0", "5", "9") VALUES ('1', '张三', '2026-12-10', '007.50'))");
  SQLite::Statement q(db.sql(), R"(SELECT typeof("5"), "9" FROM "档案")");
  ASSERT_TRUE(q.executeStep());
  EXPECT_EQ(store::columnText(q, 0), "text");
  EXPECT_EQ(store::columnText(q, 1), "007.50");
}

struct RefusalCase {
  const char* file;
  const char* setup;      // statement that must succeed first ("" for none)
  const char* statement;  // statement that must be refused
};

TEST_F(SchemaTest, ColumnRulesRefuseTheWholeRow) {
  const RefusalCase cases[] = {
      {"数据库.dat", R"(INSERT INTO "诊断" VALUES ('发热-fr', '诊断名称', '发热'))",
       R"(INSERT INTO "诊断" VALUES ('发热2-fr', '诊断名称', '发热'))"},
      {"数据库.dat", R"(INSERT INTO "诊断" VALUES ('头痛-tt', '诊断名称', '头痛'))",
       R"(INSERT INTO "诊断" VALUES ('头痛-tt', '诊断名称', '头疼'))"},
      {"数据库.dat", "", R"(INSERT INTO "诊断" VALUES ('咳嗽-ks', '', '咳嗽'))"},
      {"数据库.dat", "", R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210080000AB12', ''))"},
      {"数据库.dat", "", R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210080000AB12', NULL))"},
      {"数据库.dat", "", R"(INSERT INTO "档案" ("序号", "0") VALUES ('', '张三'))"},
      {"数据库.dat", R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210080000AB12', '张三'))",
       R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210080000AB12', '李四'))"},
      {"数据库.dat", "", R"(INSERT INTO "商品" ("ID号", "名称", "拼音") VALUES ('1', '阿莫西林', ''))"},
      {"数据库.dat", R"(INSERT INTO "商品" ("ID号", "名称", "拼音") VALUES ('7', '阿莫西林', 'amxl'))",
       R"(INSERT INTO "商品" ("ID号", "名称", "拼音") VALUES ('7', '布洛芬', 'blf'))"},
      {"数据库.dat", "", R"(INSERT INTO "商品" ("ID号", "名称", "拼音") VALUES ('8', NULL, 'x'))"},
      {"数据库.dat", "", R"(INSERT INTO "地址" VALUES ('咳嗽', 'ks', NULL))"},
      {"库存管理.dat", R"(INSERT INTO "进货模板" ("名称") VALUES ('阿莫西林胶囊'))",
       R"(INSERT INTO "进货模板" ("名称") VALUES ('阿莫西林胶囊'))"},
      {"库存管理.dat", "", R"(INSERT INTO "销售管理" ("ID号", "名称") VALUES ('', '布洛芬'))"},
      {"综合设置.dat", R"(INSERT INTO "输入法编码" ("汉字") VALUES ('㐁'))",
       R"(INSERT INTO "输入法编码" ("汉字") VALUES ('㐁'))"},
  };
  for (const RefusalCase& c : cases) {
    TempFolder own;
    startup::writeMissingTemplates(own.path());
    store::Database db(QDir(own.path()).filePath(c.file));
    // Start from empty lists, so that only the case's own rows can collide.
    if (QString(c.file) == QStringLiteral("数据库.dat")) db.exec(R"(DELETE FROM "诊断")");
    if (*c.setup) { ASSERT_NO_THROW(db.exec(c.setup)) << c.setup; }
    EXPECT_THROW(db.exec(c.statement), SQLite::Exception) << c.statement;
  }
}

TEST_F(SchemaTest, AcceptsWhatTheClinicStores) {
  store::Database stock = open("库存管理.dat");
  for (int i = 0; i < 3; ++i)
    stock.exec(R"(INSERT INTO "销售管理" ("ID号", "名称") VALUES ('20261210080000AB12', '布洛芬'))");
  const QString longName = QString(80, QChar(u'药'));
  SQLite::Statement add(stock.sql(), R"(INSERT INTO "销售管理" ("ID号", "名称") VALUES ('x', ?))");
  store::bindText(add, 1, longName);
  EXPECT_NO_THROW(add.exec());
  SQLite::Statement count(stock.sql(), R"(SELECT count(*) FROM "销售管理" WHERE "ID号" = '20261210080000AB12')");
  ASSERT_TRUE(count.executeStep());
  EXPECT_EQ(count.getColumn(0).getInt(), 3);

  store::Database dictionary = open("综合设置.dat");
  dictionary.exec(R"(INSERT INTO "输入法编码" ("汉字", "笔画") VALUES ('㐀', '1'))");
  SQLite::Statement counters(dictionary.sql(),
                             R"(SELECT "词频", "药物", "姓名", "诊断", "地址", "症状" FROM "输入法编码" WHERE "汉字" = '㐀')");
  ASSERT_TRUE(counters.executeStep());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(counters.getColumn(i).getInt(), 0);
}

TEST_F(SchemaTest, ShippedSettingsAndOverlayRows) {
  store::Database main = open("数据库.dat");
  SQLite::Statement settings(main.sql(), R"(SELECT "密码", "科别", "费别", "左边距", "上边距", "处方字体", "处方字号",
      "日志上边距", "日志左边距", "自动打印", "备用2", "备用1", "默认打印机", count(*) FROM "设置")");
  ASSERT_TRUE(settings.executeStep());
  const QStringList expected = {"691\n", "内儿科", "自费", "10", "20", "宋体", "12", "20", "10", "0", ""};
  for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(store::columnText(settings, i), expected[i]) << i;
  EXPECT_TRUE(settings.getColumn(11).isNull());
  EXPECT_TRUE(settings.getColumn(12).isNull());
  EXPECT_EQ(settings.getColumn(13).getInt(), 1);

  store::Database stock = open("库存管理.dat");
  const char* rows[24][3] = {{"1", "10", "20"},  {"1", "60", "20"},   {"1", "80", "20"},   {"1", "120", "20"},
                             {"1", "10", "30"},  {"0", "80", "30"},   {"1", "10", "40"},   {"1", "10", "170"},
                             {"1", "60", "170"}, {"1", "10", "180"},  {"1", "120", "170"}, {"0", "0", "0"},
                             {"0", "90", "0"},   {"1", "90", "40"},   {"0", "50", "0"},    {"1", "60", "180"},
                             {"1", "120", "180"}, {"1", "10", "160"}, {"1", "20", "60"},   {"1", "80", "30"},
                             {"1", "95", "30"},  {"1", "105", "30"},  {"0", "70", "20"},   {"0", "60", "20"}};
  SQLite::Statement overlay(stock.sql(), R"(SELECT "名称", "左边距", "上边距" FROM "套打设置" ORDER BY rowid)");
  int item = 0;
  while (overlay.executeStep()) {
    ASSERT_LT(item, 24);
    for (int col = 0; col < 3; ++col) EXPECT_EQ(store::columnText(overlay, col), rows[item][col]) << item;
    ++item;
  }
  EXPECT_EQ(item, 24);
}

TEST_F(SchemaTest, NameCollationPutsDigitsAndLettersBeforePinyinOrder) {
  store::Database main = open("数据库.dat");
  main.exec(R"(DELETE FROM "商品")");
  const QStringList names = {"赵", "阿莫西林", "b", "5%葡萄糖", "布洛芬", "A"};
  for (int i = 0; i < names.size(); ++i) {
    SQLite::Statement add(main.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "拼音") VALUES (?, ?, 'x'))");
    add.bind(1, i);
    store::bindText(add, 2, names[i]);
    add.exec();
  }
  QStringList sorted;
  SQLite::Statement q(main.sql(), std::string(R"(SELECT "名称" FROM "商品" ORDER BY "名称" COLLATE )") + store::kNameCollation);
  while (q.executeStep()) sorted << store::columnText(q, 0);
  EXPECT_EQ(sorted, (QStringList{"5%葡萄糖", "A", "b", "阿莫西林", "布洛芬", "赵"}));
}

}  // namespace
