// The phrase lists and the symptoms: literal search, a delete that removes the row the
// user saw, duplicates refused with a message that names the list.
#include "clinical/service/WordLists.h"

#include "support/MainDbFixture.h"

namespace {

using clinical::WordListKind;
using clinical::WordLists;
using clinical::WordSave;

class WordListsTest : public testing_support::MainDbTest {
 protected:
  static QStringList texts(const std::vector<clinical::WordRow>& rows) {
    QStringList shown;
    for (const auto& r : rows) shown << r.text;
    return shown;
  }
};

TEST_F(WordListsTest, SearchIsLiteralAndKeepsToItsList) {
  store::Database d(db);
  WordLists diagnoses(d, WordListKind{QStringLiteral("诊断名称")});
  WordLists usages(d, WordListKind{QStringLiteral("中药用法")});
  for (const char* p : {"感冒", "50%烫伤", "O'Brien综合征", "胃_炎"})
    ASSERT_EQ(diagnoses.save(QString::fromUtf8(p), QStringLiteral("x")).outcome, WordSave::Saved);
  ASSERT_EQ(usages.save(QStringLiteral("水煎服"), QStringLiteral("sjf")).outcome, WordSave::Saved);
  const struct {
    const char* search;
    QStringList expected;
  } cases[] = {
      {"", {"感冒", "50%烫伤", "O'Brien综合征", "胃_炎"}},
      {"%", {"50%烫伤"}},
      {"_", {"胃_炎"}},
      {"'", {"O'Brien综合征"}},
      {"o'b", {"O'Brien综合征"}},
      {"sjf", {}},  // another list's initials
      {"-x", {"感冒", "50%烫伤", "O'Brien综合征", "胃_炎"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.search);
    EXPECT_EQ(texts(diagnoses.search(QString::fromUtf8(c.search))), c.expected);
  }
}

TEST_F(WordListsTest, DeleteRemovesTheRowShownAfterAnotherWasInserted) {
  store::Database d(db);
  WordLists addresses(d, WordListKind{QStringLiteral("地    址")});
  for (const char* p : {"东街", "南街", "西街"}) addresses.save(QString::fromUtf8(p), QStringLiteral("j"));
  const auto shown = addresses.search(QStringLiteral("街"));
  ASSERT_EQ(texts(shown), (QStringList{"东街", "南街", "西街"}));
  // Another workstation's save puts a row where the list's second line was, by rowid
  // order of a filtered query: a row removed in between moves every position.
  exec(QStringLiteral(R"(DELETE FROM "诊断" WHERE "序号" = '东街')"));
  exec(QStringLiteral(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES ('北街', '地    址', '北街-bj'))"));
  ASSERT_TRUE(addresses.remove(shown[1].rowid));  // the user deletes "南街"
  EXPECT_EQ(texts(addresses.search(QString())), (QStringList{"西街", "北街"}));
  EXPECT_FALSE(addresses.remove(shown[1].rowid));  // gone already
}

TEST_F(WordListsTest, DuplicatesRefusedWithTheListNamed) {
  exec(QStringLiteral(R"(DELETE FROM "地址")"));
  store::Database d(db);
  WordLists diagnoses(d, WordListKind{QStringLiteral("诊断名称")});
  WordLists addresses(d, WordListKind{QStringLiteral("地    址")});
  WordLists symptoms(d, WordListKind{});
  ASSERT_EQ(diagnoses.save(QStringLiteral("头痛"), QStringLiteral("tt")).outcome, WordSave::Saved);
  const auto again = diagnoses.save(QStringLiteral("头痛"), QStringLiteral("tt"));
  EXPECT_EQ(again.outcome, WordSave::Duplicate);
  EXPECT_EQ(again.message, QStringLiteral("“头痛”已在列表中，没有重复保存。"));
  const auto other = addresses.save(QStringLiteral("头痛"), QStringLiteral("tt"));
  EXPECT_EQ(other.outcome, WordSave::Duplicate);
  EXPECT_EQ(other.message, QStringLiteral("“头痛”已在“诊断名称”列表中，没有重复保存。"));
  EXPECT_EQ(column(QStringLiteral("诊断"), QStringLiteral("序号")), QStringList{"头痛"});

  EXPECT_EQ(diagnoses.save(QStringLiteral("   "), QStringLiteral("")).outcome, WordSave::Blank);
  ASSERT_EQ(diagnoses.save(QStringLiteral(" 发热 "), QStringLiteral("fr")).outcome, WordSave::Saved);
  EXPECT_EQ(column(QStringLiteral("诊断"), QStringLiteral("名称")), (QStringList{"头痛-tt", " 发热 -fr"}));

  EXPECT_EQ(symptoms.save(QStringLiteral("咳嗽"), QString()).outcome, WordSave::NoInitials);
  ASSERT_EQ(symptoms.save(QStringLiteral("咳嗽"), QStringLiteral("ks")).outcome, WordSave::Saved);
  EXPECT_EQ(symptoms.save(QStringLiteral("咳嗽"), QStringLiteral("ks")).outcome, WordSave::Duplicate);
  EXPECT_EQ(column(QStringLiteral("地址"), QStringLiteral("序号")), QStringList{"咳嗽ks"});
  EXPECT_EQ(texts(symptoms.search(QStringLiteral("ks"))), QStringList{"咳嗽"});
}

}  // namespace
