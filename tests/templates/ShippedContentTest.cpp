// The content a new installation starts with: catalogue, templates, phrase lists,
// symptoms and the input-method dictionary, as the carried template files hold them.
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/ShippedTables.h"
#include "support/TempFolder.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"
#include "text/StrokeCode.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

class ShippedContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new testing_support::TempFolder;
    startup::writeMissingTemplates(folder->path());
    strokes = new text::StrokeCoder(testing_support::shippedStrokeCodeTable());
  }
  static void TearDownTestSuite() {
    delete strokes;
    delete folder;
  }
  static QString path(const QString& file) { return QDir(folder->path()).filePath(file); }

  // Rows of a query as lists of texts.
  static QList<QStringList> rows(const QString& file, const char* sql) {
    store::Database db(path(file), store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), sql);
    QList<QStringList> out;
    while (q.executeStep()) {
      QStringList row;
      for (int i = 0; i < q.getColumnCount(); ++i) row << store::columnText(q, i);
      out << row;
    }
    return out;
  }

  static testing_support::TempFolder* folder;
  static text::StrokeCoder* strokes;
};

testing_support::TempFolder* ShippedContent::folder = nullptr;
text::StrokeCoder* ShippedContent::strokes = nullptr;

TEST_F(ShippedContent, CatalogueCountsPerCategory) {
  QHash<QString, int> counts;
  for (const QStringList& row : rows("数据库.dat", R"(SELECT "分类" FROM "商品")")) ++counts[row[0]];
  const QHash<QString, int> expected = {
      {"中药", 432},          {"西成药·中成药", 345}, {"西成药·心血管", 117},    {"西成药·抗生素", 96},
      {"西成药·外用", 76},    {"西成药·消化", 70},    {"西成药·其他", 63},       {"西成药·呼吸", 57},
      {"西成药·维生素激素", 48}, {"西成药·神经", 43}, {"西成药·内分泌", 33},     {"西成药·输液", 25},
      {"西成药·解热镇痛", 25}, {"用法", 10},          {"收费项目", 6}};
  EXPECT_EQ(counts, expected);
}

TEST_F(ShippedContent, CatalogueKeysAreWhatTheKeyFunctionsCompute) {
  const auto drugs = rows("数据库.dat", R"(SELECT "ID号", "名称", "拼音", "查询", "单价", "斗位" FROM "商品")");
  ASSERT_EQ(drugs.size(), 1446);
  QSet<QString> ids;
  int shortIds = 0, braced = 0, priced = 0, stocked = 0;
  for (const QStringList& d : drugs) {
    const QString& name = d[1];
    EXPECT_EQ(d[2], text::PinyinInitials(name)) << name.toStdString();
    EXPECT_EQ(d[3], text::CatalogSearchKey(name, *strokes)) << name.toStdString();
    EXPECT_FALSE(name.contains(u'[') || name.contains(u']')) << name.toStdString();
    EXPECT_FALSE(ids.contains(d[0])) << d[0].toStdString();
    ids << d[0];
    EXPECT_TRUE(d[0].size() == 18 || d[0].size() == 14) << d[0].toStdString();
    shortIds += d[0].size() == 14;
    braced += name.contains(u'{');
    priced += !d[4].isEmpty();
    stocked += !d[5].isEmpty();
  }
  EXPECT_EQ(shortIds, 16);
  EXPECT_EQ(braced, 80);
  EXPECT_EQ(priced, 13);
  EXPECT_EQ(stocked, 7);
}

TEST_F(ShippedContent, TellingRows) {
  const auto metronidazole = rows("数据库.dat", R"(SELECT "ID号", "查询", "用法", "单位", "常用量", "单价", "备用1",
      "备用2", "斗位", "分类" FROM "商品" WHERE "名称" = '0.5%甲硝唑注射液')");
  ASSERT_EQ(metronidazole.size(), 1);
  EXPECT_EQ(metronidazole[0], (QStringList{"201902180043181002", "0.5%甲硝唑注射液-05jxzzsy-1212434$", "静脉滴注 每日1次",
                                           "瓶", "100ml×1", "15.000", "13.000", "", "100", "西成药·抗生素"}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT "单位", "常用量", "分类" FROM "商品" WHERE "名称" = '紫苑')"),
            (QList<QStringList>{{"g", "10", "中药"}}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT "单位", "常用量", "单价", "分类" FROM "商品" WHERE "名称" = '挂号费')"),
            (QList<QStringList>{{"次", "1次", "15.000", "收费项目"}}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT count(*) FROM "商品" WHERE "名称" = '0.9%氯化钠注射液{100}')")[0][0], "1");

  EXPECT_EQ(rows("数据库.dat", R"(SELECT "拼音", "查询", "分类", "排序" FROM "个人模板" WHERE "名称" = '桂枝汤')"),
            (QList<QStringList>{{"gzt", "桂枝汤gzt11441533$", "中药方剂", "001"}}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT "名称", "拼音" FROM "诊断" WHERE "序号" = '2型糖尿病')"),
            (QList<QStringList>{{"2型糖尿病-2xtnb", "诊断名称"}}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT "名称", "拼音" FROM "诊断" WHERE "序号" = '用法：加水100ml分3次煎服。')"),
            (QList<QStringList>{{"用法：加水100ml分3次煎服。-yfjs100mlf3cjf", "中药用法"}}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT "名称", "拼音" FROM "地址" WHERE "序号" = '发热，体温39℃frtw39')"),
            (QList<QStringList>{{"发热，体温39℃", "frtw39"}}));
}

TEST_F(ShippedContent, PhraseListsAndTemplates) {
  QHash<QString, int> lists;
  for (const QStringList& row : rows("数据库.dat", R"(SELECT "拼音", "名称", "序号" FROM "诊断")")) {
    ++lists[row[0]];
    EXPECT_EQ(row[1], text::NameInitialsKey(row[2]));
  }
  EXPECT_EQ(lists, (QHash<QString, int>{{"诊断名称", 50}, {"地    址", 1}, {"中药用法", 2}}));
  EXPECT_EQ(rows("数据库.dat", R"(SELECT count(*) FROM "地址")")[0][0], "29");

  QHash<QString, int> kinds;
  QSet<QString> catalogue;
  for (const QStringList& row : rows("数据库.dat", R"(SELECT "名称" FROM "商品")")) catalogue << row[0];
  for (const QStringList& t : rows("数据库.dat", R"(SELECT "分类", "名称", "内容", "拼音", "排序" FROM "个人模板")")) {
    ++kinds[t[0]];
    EXPECT_FALSE(t[2].isEmpty()) << t[1].toStdString();
    EXPECT_FALSE(t[2].contains(QRegularExpression("[^\r]\n"))) << "lines end with CR LF: " << t[1].toStdString();
    if (t[0] == "病史模板") {
      EXPECT_EQ(t[2].count(QStringLiteral("ほ")), 9) << t[1].toStdString();
      EXPECT_TRUE(t[3].isEmpty());
      EXPECT_TRUE(t[4].isEmpty());
    }
    if (t[0] == "个人组套") {
      // Every drug line of a personal set names a drug the catalogue holds.
      for (const QString& line : t[2].split(QStringLiteral("\r\n"))) {
        if (line.isEmpty() || line.startsWith(u' ')) continue;
        QString name = line.section(u' ', 0, 0);
        name.replace(u'[', u'{').replace(u']', u'}');
        EXPECT_TRUE(catalogue.contains(name)) << t[1].toStdString() << ": " << name.toStdString();
      }
    }
  }
  EXPECT_EQ(kinds, (QHash<QString, int>{{"中药方剂", 4}, {"病历常用语", 6}, {"个人组套", 4}, {"病史模板", 2}}));
}

TEST_F(ShippedContent, DictionaryRowsAndCounters) {
  const auto characters = rows("综合设置.dat", R"(SELECT "汉字", "部首", "笔画", "查询", "词频", "序号", "药物", "姓名",
      "诊断", "地址", "症状" FROM "输入法编码" ORDER BY "序号")");
  ASSERT_EQ(characters.size(), 6759);
  EXPECT_EQ(characters[0].mid(0, 6), (QStringList{"的", "白", "32511354", "354", "9998", "50"}));
  EXPECT_EQ(characters[1][0], "一");
  int drugRaised = 0, diagnosisRaised = 0;
  for (const QStringList& c : characters) {
    EXPECT_EQ(c[7], c[4]);
    EXPECT_EQ(c[9], c[4]);
    EXPECT_EQ(c[10], c[4]);
    drugRaised += c[6] != c[4];
    diagnosisRaised += c[8] != c[4];
    if (c[0] == "在") { EXPECT_EQ(c.mid(1, 3), (QStringList{"土", "132121", "132121"})); }
  }
  EXPECT_GT(drugRaised, 700);
  EXPECT_GT(diagnosisRaised, 50);
  EXPECT_EQ(rows("综合设置.dat", R"(SELECT count(*) FROM "部首笔画")")[0][0], "189");
  EXPECT_EQ(rows("综合设置.dat", R"(SELECT "编号", "笔画", "词频" FROM "部首笔画" WHERE "部首" = '土')"),
            (QList<QStringList>{{"219", "121", "189"}}));
}

}  // namespace
