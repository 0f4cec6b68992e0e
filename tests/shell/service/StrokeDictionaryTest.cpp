// The stroke pad's dictionary queries: ranking by input kind, the radical order, the
// radical narrowing, the pick counter, the look-up, and kinds that name no counter.
#include "shell/service/DictionaryFixture.h"
#include "shell/service/StrokeDictionary.h"
#include "shell/service/StrokePad.h"
#include "text/InputKind.h"

#include <gtest/gtest.h>

namespace {

using shell::StrokeDictionary;
using text::InputKind;
using testing_support::TempFolder;

QStringList chars(const char* const (&list)[6]) {
  QStringList out;
  for (const char* c : list) out << QString::fromUtf8(c);
  return out;
}

class StrokeDictionaryTest : public ::testing::Test {
 protected:
  TempFolder folder;
  StrokeDictionary dictionary{testing_support::writeSmallDictionary(folder)};

  // Every counter of one row, in column order 词频 药物 姓名 诊断 地址 症状.
  QStringList countersOf(const QString& character) {
    store::Database db(dictionary.path());
    SQLite::Statement q(db.sql(), R"(SELECT quote("词频"), quote("药物"), quote("姓名"), quote("诊断"),
        quote("地址"), quote("症状") FROM "输入法编码" WHERE "汉字" = ?)");
    store::bindText(q, 1, character);
    QStringList values;
    if (q.executeStep())
      for (int i = 0; i < 6; ++i) values << store::columnText(q, i);
    return values;
  }
  void setCounter(const QString& character, const char* column, const QVariant& value) {
    store::Database db(dictionary.path());
    SQLite::Statement u(db.sql(), std::string(R"(UPDATE "输入法编码" SET ")") + column + R"(" = ? WHERE "汉字" = ?)");
    testing_support::bindVariant(u, 1, value);
    store::bindText(u, 2, character);
    u.exec();
  }
};

TEST_F(StrokeDictionaryTest, CharactersAreRankedByTheCounterOfTheKindWithTiesInSerialOrder) {
  const struct {
    InputKind kind;
    const char* const expected[6];
  } cases[] = {
      {InputKind::Frequency, {"十", "土", "打", "拉", "扑", "扛"}},
      {InputKind::Drug, {"扛", "拉", "打", "扑", "十", "土"}},
      {InputKind::Name, {"扑", "打", "扛", "拉", "十", "土"}},
      {InputKind::Diagnosis, {"土", "打", "扛", "扑", "拉", "十"}},
      {InputKind::Address, {"土", "十", "拉", "扑", "扛", "打"}},
      {InputKind::Symptom, {"扛", "打", "十", "扑", "土", "拉"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(text::inputKindName(c.kind).toStdString());
    EXPECT_EQ(dictionary.characters("12", "", c.kind), chars(c.expected));
  }
}

TEST_F(StrokeDictionaryTest, RadicalsFollowTheirFixedRankWhateverTheKind) {
  EXPECT_EQ(dictionary.radicals(""), (QStringList{"扌", "土", "刂", "十", "一", "王", "干", "白"}));
  EXPECT_EQ(dictionary.radicals("1"), (QStringList{"扌", "土", "十", "一", "王", "干"}));
  EXPECT_EQ(dictionary.radicals("121"), (QStringList{"扌", "土"}));
  EXPECT_TRUE(dictionary.radicals("4").isEmpty());
}

TEST_F(StrokeDictionaryTest, WithARadicalStrokesMatchTheRestOfTheCharacter) {
  // 扑 (12124) begins with 一丨 but its rest is 丨丶; 玎's rest begins 一丨 but its
  // radical is 王.
  EXPECT_EQ(dictionary.characters("12", "扌", InputKind::Frequency), (QStringList{"打", "扛"}));
  EXPECT_EQ(dictionary.characters("", "扌", InputKind::Frequency), (QStringList{"打", "拉", "扑", "扛"}));
  EXPECT_EQ(dictionary.characters("", "扌", InputKind::Drug), (QStringList{"扛", "拉", "打", "扑"}));
  // A character whose radical the radical table lacks is still found by its strokes.
  EXPECT_EQ(dictionary.characters("455", "", InputKind::Frequency), QStringList{"永"});
}

TEST_F(StrokeDictionaryTest, ListsStopAtTheSlotCounts) {
  TempFolder big;
  std::vector<testing_support::CharacterRow> characters;
  for (int i = 0; i < 50; ++i)
    characters.push_back({100 + i, QString(QChar(0x4E00 + 0x100 + i)), "", "55" + QString::number(i), "", 1000 + i,
                          0, 0, 0, 0, 0});
  std::vector<testing_support::RadicalRow> radicals;
  for (int i = 0; i < 20; ++i) radicals.push_back({100 + i, QString(QChar(0x4E00 + 0x200 + i)), "55", 10 + i});
  const StrokeDictionary many(testing_support::writeDictionary(big, characters, radicals));

  const QStringList shownCharacters = many.characters("5", "", InputKind::Frequency);
  ASSERT_EQ(shownCharacters.size(), shell::kCharacterSlots);
  EXPECT_EQ(shownCharacters.first(), QString(QChar(0x4E00 + 0x100 + 49)));  // the highest counter
  const QStringList shownRadicals = many.radicals("5");
  ASSERT_EQ(shownRadicals.size(), shell::kRadicalSlots);
  EXPECT_EQ(shownRadicals.first(), QString(QChar(0x4E00 + 0x200 + 19)));
}

TEST_F(StrokeDictionaryTest, APickLiftsOnlyTheCounterOfItsKind) {
  const struct {
    const char* column;
    InputKind kind;
    QVariant before;
    const char* after;
  } cases[] = {
      {"药物", InputKind::Drug, 9998, "10000"},
      {"药物", InputKind::Drug, 10000, "10001"},
      {"诊断", InputKind::Diagnosis, 10013, "10014"},
      {"姓名", InputKind::Name, 0, "10000"},
      {"地址", InputKind::Address, QVariant(), "10000"},       // NULL reads as 0
      {"症状", InputKind::Symptom, QString("abc"), "10000"},   // not a number reads as 0
      {"词频", InputKind::Frequency, 9999, "10000"},
  };
  const QStringList columns{"词频", "药物", "姓名", "诊断", "地址", "症状"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.column);
    setCounter("打", c.column, c.before);
    const QStringList before = countersOf("打");
    const QStringList neighbour = countersOf("扛");

    ASSERT_TRUE(dictionary.countPick("打", c.kind));

    QStringList expected = before;
    expected[columns.indexOf(QString::fromUtf8(c.column))] = c.after;
    EXPECT_EQ(countersOf("打"), expected);
    EXPECT_EQ(countersOf("扛"), neighbour);
  }
}

TEST_F(StrokeDictionaryTest, PickingACharacterTheDictionaryLacksCountsNothing) {
  EXPECT_FALSE(dictionary.countPick("鑫", InputKind::Drug));
  EXPECT_FALSE(dictionary.countPick("", InputKind::Drug));
}

TEST_F(StrokeDictionaryTest, LookUpGivesRadicalAndStrokeGlyphsOfExactlyOneCharacter) {
  shell::StrokePad pad{dictionary};
  const struct {
    const char* typed;
    const char* radical;
    const char* strokes;
  } cases[] = {
      {"打", "扌", "一丨一一丨"},
      {" 打 ", "扌", "一丨一一丨"},
      {"永", "丶", "丶ㄑㄑ丿丶"},
      {"", "", ""},
      {"a", "", ""},
      {"3", "", ""},
      {"打打", "", ""},      // no row holds two characters: the labels are emptied
      {"鑫", "", ""},        // not in the dictionary
      {"\u3000打", "", ""},  // a full-width blank is not trimmed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const shell::StrokePad::LookUpOutcome lookUp = pad.lookUp(QString::fromUtf8(c.typed));
    EXPECT_EQ(lookUp.found.radical, QString::fromUtf8(c.radical));
    EXPECT_EQ(lookUp.found.strokes, QString::fromUtf8(c.strokes));
    EXPECT_TRUE(lookUp.reason.isEmpty()) << lookUp.reason.toStdString();
  }
}

TEST(InputKindTest, OnlyTheSixCounterNamesAreKinds) {
  EXPECT_EQ(text::parseInputKind(""), InputKind::Frequency);
  for (InputKind kind : {InputKind::Drug, InputKind::Name, InputKind::Diagnosis, InputKind::Address,
                         InputKind::Symptom, InputKind::Frequency})
    EXPECT_EQ(text::parseInputKind(text::inputKindName(kind)), kind);
  for (const char* refused : {"药物 ", " 姓名", "序号", "笔画", "词频\" DESC; DROP TABLE \"输入法编码\"; --", "drug"})
    EXPECT_EQ(text::parseInputKind(QString::fromUtf8(refused)), std::nullopt) << refused;
}

}  // namespace
