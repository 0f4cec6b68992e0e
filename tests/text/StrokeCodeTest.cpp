// Stroke codes: the rules on a small table, the shipped vectors, and the maps against a
// scan of the joined table for every character.
#include "startup/Main.h"
#include "startup/SharedServices.h"
#include "support/ScriptedDialogs.h"
#include "support/ShippedTables.h"
#include "support/TempFolder.h"
#include "text/Gbk.h"
#include "text/StrokeCode.h"

#include <QSet>

#include <gtest/gtest.h>


namespace {

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

// The stroke code as a straight scan of the joined table finds it, character by
// character (a character beyond the BMP is one character, as in the coder).
QString scannedStrokeCode(const QList<uint>& joined, const QString& s) {
  const auto piece = [&](qsizetype from, qsizetype count) {
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(joined.data() + from), count);
  };
  const QList<uint> chars = s.toUcs4();
  QString result;
  for (qsizetype i = 0; i < chars.size(); ++i) {
    const qsizetype p = joined.indexOf(chars[i]);
    if (p < 0) continue;
    if (chars.size() < 5 && i == chars.size() - 1) {
      const qsizetype e = joined.indexOf(uint(u'&'), p + 1);
      if (e >= 0) result += piece(p + 1, e - p - 1);
    } else if (p + 1 < joined.size()) {
      result += piece(p + 1, 1);
    }
  }
  return result;
}

QString scannedStrokeCode(const QString& table, const QString& s) { return scannedStrokeCode(table.toUcs4(), s); }

// The first entries of the shipped table, and one character beyond the BMP.
const QString kSmallTable = QString::fromUtf16(u"的32511354&一1&了52&在132121&𠀀3&");

TEST(StrokeCode, RulesOnASmallTable) {
  const text::StrokeCoder coder(kSmallTable);
  struct Case {
    const char16_t* text;
    const char16_t* code;
  };
  const Case cases[] = {
      {u"", u""},
      {u"在", u"132121"},               // one character: all its strokes
      {u"的一了在", u"315132121"},      // four: first strokes, then all of the last
      {u"的一了在的", u"31513"},        // five: first strokes only
      {u"的一x", u"31"},                // a short text whose last character is unknown
      {u"的一0", u"31"},                // 0 occurs nowhere in the table
      {u"x的y", u"3"},
      // Digits and "&" are found inside the table: 1 gives 1, 2 gives 5, 3 gives 2,
      // 4 gives "&", 5 gives 1 and "&" the character of the second entry.
      {u"12345&6789", u"152&1一"},
      {u"的&", u"3一1"},                // a short text ending in "&": up to the next "&"
      {u"的4", u"3"},                   // 4 stands right before an "&": nothing to take
      {u"的𠀀了在", u"335132121"},      // four characters, one beyond the BMP
      {u"😀的一了在", u"3151"},         // five characters; the first one is unknown
  };
  for (const Case& c : cases) {
    const QString s = u16(c.text);
    EXPECT_EQ(coder.StrokeCode(s), u16(c.code)) << s.toStdString();
    EXPECT_EQ(scannedStrokeCode(kSmallTable, s), u16(c.code)) << "the scan itself: " << s.toStdString();
  }
}

TEST(StrokeCode, EmptyAndUnfinishedTables) {
  EXPECT_EQ(text::StrokeCoder().StrokeCode(u16(u"桂枝汤")), "");
  EXPECT_EQ(text::StrokeCoder(QString()).StrokeCode(u16(u"桂枝汤12&")), "");
  // A table whose last entry has no "&": its first stroke is there, its whole code not;
  // a character that ends the table has no first stroke either.
  const text::StrokeCoder unfinished(u16(u"的32511354&丁12"));
  EXPECT_EQ(unfinished.StrokeCode(u16(u"丁的丁的丁")), u16(u"13131"));
  EXPECT_EQ(unfinished.StrokeCode(u16(u"丁")), "");
  const text::StrokeCoder cut(u16(u"的32511354&丁"));
  EXPECT_EQ(cut.StrokeCode(u16(u"丁的丁的丁")), u16(u"33"));
  EXPECT_EQ(cut.StrokeCode(u16(u"的丁")), u16(u"3"));
  // A moved-from coder gives empty codes instead of failing.
  text::StrokeCoder moved(kSmallTable);
  text::StrokeCoder target = std::move(moved);
  EXPECT_EQ(target.StrokeCode(u16(u"在")), u16(u"132121"));
  EXPECT_EQ(moved.StrokeCode(u16(u"在")), "");  // NOLINT(bugprone-use-after-move)
}

class ShippedStrokeTable : public ::testing::Test {
 protected:
  const QString& table = testing_support::shippedStrokeCodeTable();
};

TEST_F(ShippedStrokeTable, VectorsOfTheShippedKeys) {
  ASSERT_TRUE(table.startsWith(u16(u"的32511354&一1&")));
  EXPECT_EQ(table.count(u'&'), 6759);
  const text::StrokeCoder coder(table);
  struct Case {
    const char16_t* text;
    const char16_t* code;
  };
  const Case cases[] = {
      {u"5%葡萄糖注射液{250}", u"111443451"},
      {u"0.5%甲硝唑注射液", u"1212434"},
      {u"桂枝汤", u"11441533"},
      {u"0.9%氯化钠注射液{100}", u"3334341"},
      {u"12345&6", u"152&1一"},  // found inside 的32511354& and at its "&"
  };
  for (const Case& c : cases)
    EXPECT_EQ(coder.StrokeCode(u16(c.text)), u16(c.code)) << QString::fromUtf16(c.text).toStdString();
}

TEST_F(ShippedStrokeTable, MapsEqualAScanOfTheJoinedTableForEveryCharacter) {
  const text::StrokeCoder coder(table);
  // Every character of the table (digits and "&" among them), every other digit, and
  // every character code page 936 holds.
  QSet<char32_t> seen;
  QString all;
  const auto add = [&](char32_t c) {
    if (!seen.contains(c)) {
      seen.insert(c);
      all += QString::fromUcs4(&c, 1);
    }
  };
  for (const uint c : table.toUcs4()) add(c);
  for (char32_t d = U'0'; d <= U'9'; ++d) add(d);
  for (char32_t u = 1; u < 0x10000; ++u) {
    const QChar c(static_cast<char16_t>(u));
    if (!c.isSurrogate() && text::gbkCode(c) >= 0) add(u);
  }
  ASSERT_GT(all.size(), 21000);

  // Alone, each character gives its whole code; in a long text, its first stroke.
  const QList<uint> joined = table.toUcs4();
  int mismatches = 0;
  for (const uint c : all.toUcs4()) {
    const QString s = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    const QString expected = scannedStrokeCode(joined, s);
    if (coder.StrokeCode(s) != expected && ++mismatches < 10)
      ADD_FAILURE() << s.toStdString() << " gives " << coder.StrokeCode(s).toStdString() << ", the scan "
                    << expected.toStdString();
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(coder.StrokeCode(all), scannedStrokeCode(joined, all));
}

TEST(StartupStrokes, MainLeavesACoderOverTheTableItRead) {
  EXPECT_EQ(startup::SharedServices(startup::AppState(), {}).strokes().StrokeCode(u16(u"桂枝汤")), "");

  testing_support::TempFolder folder;
  testing_support::ScriptedDialogs dialogs;
  startup::StartupEnvironment env;
  env.drives = folder.drives();
  env.stationCode = "T1";
  const startup::AppState state = startup::Main(env, dialogs).value();
  const startup::SharedServices services(state, {});
  const QString tail = u16(u"桂枝汤");
  EXPECT_EQ(services.strokes().StrokeCode(tail), scannedStrokeCode(state.strokeCodeTable, tail));
}

}  // namespace
