// The templates window's save and delete on a main database.
#include "clinical/service/TemplateEntry.h"
#include "clinical/service/TemplateTexts.h"
#include "store/TemplateRows.h"

#include "support/MainDbFixture.h"

namespace {

using namespace clinical;

class TemplateEntryTest : public testing_support::MainDbTest {
 protected:
  TemplateEntryTest() : serials([this] { return now; }) {}
  QDateTime now = QDateTime(QDate(2024, 3, 5), QTime(14, 30, 0));
  text::SerialSource serials;
};

TEST_F(TemplateEntryTest, SavingTwiceKeepsOneRowWithTheSameKey) {
  store::Database d(db);
  TemplateEntry entry = newTemplateEntry(d, kSetKind, serials);
  EXPECT_EQ(entry.order, QStringLiteral("001"));
  entry.name = QStringLiteral("感冒");
  entry.initials = QStringLiteral("gm");
  entry.content = QStringLiteral("阿莫西林胶囊\r\n\r\n\r\n");
  ASSERT_TRUE(saveTemplateEntry(d, entry, serials, strokes).saved);
  const QString key = entry.key;
  entry.content = QStringLiteral("阿莫西林胶囊 0.5g");
  entry.initials = QStringLiteral("xg");
  ASSERT_TRUE(saveTemplateEntry(d, entry, serials, strokes).saved);

  EXPECT_EQ(column("个人模板", "序号"), QStringList{key});
  EXPECT_EQ(column("个人模板", "内容"), QStringList{QStringLiteral("阿莫西林胶囊 0.5g")});
  const QString searchKey = column("个人模板", "查询").value(0);
  EXPECT_TRUE(searchKey.startsWith(QStringLiteral("感冒xg"))) << searchKey.toStdString();
  EXPECT_TRUE(searchKey.endsWith(u'$'));
  EXPECT_EQ(newTemplateEntry(d, kSetKind, serials).order, QStringLiteral("002"));
}

TEST_F(TemplateEntryTest, EmptyNameIsRefusedForNewAndStoredEntries) {
  store::Database d(db);
  TemplateEntry entry = newTemplateEntry(d, kPhraseKind, serials);
  entry.name = QStringLiteral("  ");
  entry.content = QStringLiteral("咳嗽三天");
  EXPECT_FALSE(saveTemplateEntry(d, entry, serials, strokes).saved);
  EXPECT_TRUE(column("个人模板", "名称").isEmpty());

  entry.name = QStringLiteral("咳嗽");
  ASSERT_TRUE(saveTemplateEntry(d, entry, serials, strokes).saved);
  entry.name.clear();
  EXPECT_FALSE(saveTemplateEntry(d, entry, serials, strokes).saved);
  EXPECT_EQ(column("个人模板", "名称"), QStringList{QStringLiteral("咳嗽")});
}

TEST_F(TemplateEntryTest, NewEntryWhoseKeyIsTakenGetsAFreshKey) {
  store::Database d(db);
  TemplateEntry other = newTemplateEntry(d, kSetKind, serials);
  other.name = QStringLiteral("别人的组套");
  ASSERT_TRUE(saveTemplateEntry(d, other, serials, strokes).saved);

  TemplateEntry mine = newTemplateEntry(d, kSetKind, serials);
  mine.key = other.key;  // another workstation took the same second
  mine.name = QStringLiteral("我的组套");
  ASSERT_TRUE(saveTemplateEntry(d, mine, serials, strokes).saved);
  EXPECT_NE(mine.key, other.key);
  EXPECT_EQ(column("个人模板", "名称"), (QStringList{QStringLiteral("别人的组套"), QStringLiteral("我的组套")}));
}

TEST_F(TemplateEntryTest, FormulaIsLaidOutAndDeleteRemovesOnlyTheEntry) {
  store::Database d(db);
  TemplateEntry first = newTemplateEntry(d, kFormulaKind, serials);
  first.name = QStringLiteral("四物汤");
  first.content = QStringLiteral("当归10克、川芎6克");
  const auto result = saveTemplateEntry(d, first, serials, strokes);
  ASSERT_TRUE(result.saved);
  EXPECT_EQ(first.content, QStringLiteral("当归10g      川芎6g       "));
  EXPECT_EQ(result.caret, first.content.size());

  TemplateEntry second = newTemplateEntry(d, kFormulaKind, serials);
  second.name = QStringLiteral("二陈汤");
  ASSERT_TRUE(saveTemplateEntry(d, second, serials, strokes).saved);
  EXPECT_TRUE(deleteTemplateEntry(d, first));
  EXPECT_FALSE(deleteTemplateEntry(d, first));
  EXPECT_EQ(column("个人模板", "名称"), QStringList{QStringLiteral("二陈汤")});
}

TEST_F(TemplateEntryTest, SearchIsLiteral) {
  addTemplate(QStringLiteral("百分之百"), QStringLiteral("100%$"), kPhraseKind);
  addTemplate(QStringLiteral("其它"), QStringLiteral("qt$"), kPhraseKind);
  store::Database d(db);
  store::TemplateRows rows(d);
  EXPECT_EQ(rows.searchKind(kPhraseKind, QStringLiteral("%")).size(), 1);
  EXPECT_EQ(rows.searchKind(kPhraseKind, QStringLiteral("_")).size(), 0);
  EXPECT_EQ(rows.searchKind(kPhraseKind, QStringLiteral("'")).size(), 0);
  EXPECT_EQ(rows.searchKind(kPhraseKind, QStringLiteral("QT")).size(), 1);
  EXPECT_EQ(rows.searchKind(kPhraseKind, QString()).size(), 2);
}

}  // namespace
