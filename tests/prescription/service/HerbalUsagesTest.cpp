// The herbal-usage seeding of the main window's load, on a main database made from the
// template.
#include "prescription/service/HerbalUsages.h"
#include "store/DataFile.h"
#include "support/MainDbFixture.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MainDbTest;

TEST_F(MainDbTest, AListWithoutHerbalUsagesGetsTheTwoPhrasesWithTheirKeys) {
  exec(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES ('感冒', '诊断', '感冒-gm'))");
  const QStringList expected = {"用法：加水100ml分3次煎服。", "用法：水煎或酒水各半煎服。"};
  EXPECT_EQ(prescription::seedHerbalUsages(db), expected);
  EXPECT_EQ(column("诊断", "序号"), (QStringList{"感冒"} + expected));
  EXPECT_EQ(column("诊断", "拼音"), (QStringList{"诊断", "中药用法", "中药用法"}));
  EXPECT_EQ(column("诊断", "名称"),
            (QStringList{"感冒-gm", "用法：加水100ml分3次煎服。-yfjs100mlf3cjf", "用法：水煎或酒水各半煎服。-yfsjhjsgbjf"}));

  // The next start finds them and adds nothing.
  EXPECT_EQ(prescription::seedHerbalUsages(db), expected);
  EXPECT_EQ(column("诊断", "序号").size(), 3);
}

TEST_F(MainDbTest, UsagesPresentAreListedInTableOrderAndNothingIsAdded) {
  exec(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES
            ('用法：饭后温服。', '中药用法', '用法：饭后温服。-yfwf'),
            ('头痛', '诊断', '头痛-tt'),
            ('用法：先煎石膏。', '中药用法', '用法：先煎石膏。-yfxjsg'))");
  EXPECT_EQ(prescription::seedHerbalUsages(db), (QStringList{"用法：饭后温服。", "用法：先煎石膏。"}));
  EXPECT_EQ(column("诊断", "序号").size(), 3);
}

TEST_F(MainDbTest, AnUnreadableDatabaseSeedsNothingAndSaysWhy) {
  const auto reasonOf = [](const QString& path) {
    try {
      prescription::seedHerbalUsages(path);
    } catch (const store::StoreError& e) {
      return e.reason();
    }
    return QString();
  };
  EXPECT_EQ(reasonOf(folder.sub("absent.dat")), "找不到数据文件");
  exec(R"(DROP TABLE "诊断")");
  EXPECT_FALSE(reasonOf(db).isEmpty());
}

}  // namespace
