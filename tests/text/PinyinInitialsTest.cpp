// Pinyin initials: the shipped lists, the range rule for y, and the map against a scan.
#include "text/Gbk.h"
#include "text/PinyinInitials.h"
#include "text/PinyinTable.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

TEST(PinyinInitialOf, TellingRowsOfTheLists) {
  // Each character with the letter it yields; 大 stands in d and t, the rest in one list.
  const char16_t* const characters = u"大不行会长参重朝调卡腊吁么轧姥便乐率厦";
  const char* const letters = "dfhhcczztqxxyymblss";
  for (int i = 0; characters[i]; ++i) {
    const QString c(QChar(characters[i]));
    EXPECT_EQ(text::PinyinInitialOf(c), QString(QLatin1Char(letters[i]))) << c.toStdString();
    EXPECT_EQ(text::PinyinInitialOf(QChar(characters[i])), QString(QLatin1Char(letters[i])));
  }
}

TEST(PinyinInitialOf, DigitsLettersAndWhatGivesNothing) {
  struct Case {
    const char16_t* character;
    const char* initial;
  };
  const Case cases[] = {
      {u"0", "0"}, {u"7", "7"}, {u"a", "a"}, {u"Z", "z"}, {u"m", "m"},
      {u"丂", "k"},    // 0x8140, the first character of the GBK extension
      {u"\u3000", ""},  // the full-width blank has a two-byte code but no reading
      {u"，", ""},      // full-width punctuation likewise
      {u"%", ""},  {u" ", ""}, {u"{", ""}, {u"", ""},
      {u"€", ""},       // a single-byte code above ASCII
      {u"한", ""},      // code page 936 cannot hold it
      {u"😀", ""},      // nor anything beyond the BMP
      {u"Ａ", ""},      // a full-width letter is no Latin letter
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::PinyinInitialOf(u16(c.character)), QString::fromLatin1(c.initial))
        << QString::fromUtf16(c.character).toStdString();
  }
}

TEST(PinyinInitials, OfTheFirstWord) {
  struct Case {
    const char16_t* text;
    const char* initials;
  };
  const Case cases[] = {
      {u"阿莫西林 胶囊", "amxl"},
      {u" 阿莫西林", ""},  // a text that begins with a blank
      {u"", ""},
      {u"5%葡萄糖注射液{250}", "5pttzsy250"},
      {u"0.5%甲硝唑注射液", "05jxzzsy"},
      {u"{18AA}", "18aa"},
      {u"阿莫\u3000西林", "amxl"},  // a full-width blank does not end the word
      {u"发热，体温39℃", "frtw39"},
      {u"用法：加水100ml分3次煎服。", "yfjs100mlf3cjf"},
      {u"2型糖尿病", "2xtnb"},
      {u"桂枝汤", "gzt"},
      {u"阿😀莫", "am"},  // a character beyond the BMP adds nothing
      {u"青霉素皮试{  }", "qmsps"},  // the blank inside the braces ends the word
  };
  for (const Case& c : cases)
    EXPECT_EQ(text::PinyinInitials(u16(c.text)), QString::fromLatin1(c.initials)) << QString::fromUtf16(c.text).toStdString();
}

TEST(PinyinInitials, LongTextsAreReadWhole) {
  // Texts of more than 32,767 characters are read like any other.
  const QString text = QString(40000, QChar(u'阿')) + u16(u"莫 西");
  const QString initials = text::PinyinInitials(text);
  EXPECT_EQ(initials.size(), 40001);
  EXPECT_EQ(initials.count(u'a'), 40000);
  EXPECT_TRUE(initials.endsWith(u'm'));
}

// A small table shows the rules that the full lists hide: the search order and the run
// of y, which the full lists cover completely.
TEST(PinyinTable, SearchOrderAndTheRunOfY) {
  // The t list comes first in the file; d still wins, as d is searched first.
  const text::PinyinTable table(u16(u"t\t大他\r\nd\t大\nz\t匝\nl\t褸\nbogus line\n"));
  EXPECT_EQ(table.initialOf(U'大'), 'd');
  EXPECT_EQ(table.initialOf(U'他'), 't');
  EXPECT_EQ(table.initialOf(U'压'), 0);

  struct Case {
    int code;
    const char* initials;  // of the character with that code, alone
  };
  const Case cases[] = {
      {0xD1B8, ""},   // 迅, just before the run
      {0xD1B9, "y"},  // 压, the first of the run
      {0xD4D0, "y"},  // 孕, the last of the run
      {0xD4D1, "z"},  // 匝: looked up in the lists only
      {0xD240, "l"},  // 褸, a GBK extension character inside the range: its list decides
  };
  for (const Case& c : cases) {
    QByteArray bytes;
    bytes.append(static_cast<char>(c.code >> 8)).append(static_cast<char>(c.code & 0xFF));
    const QString character = text::fromGbk(bytes);
    ASSERT_EQ(text::gbkCode(character), c.code);
    EXPECT_EQ(table.initials(character), QString::fromLatin1(c.initials)) << std::hex << c.code;
  }
  const text::PinyinTable withoutZa(u16(u"d\t大"));
  EXPECT_EQ(withoutZa.initials(u16(u"匝压大")), "yd");
}

// The lists as read straight from the resource, in search order, for the scan below.
QStringList listsInSearchOrder() {
  QFile file(QStringLiteral(":/data/pinyin-initials.txt"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QStringList lists(23);
  const QString order = QStringLiteral("abcdefghjklmnopqrstwxyz");
  for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    if (line.size() < 2) continue;
    const qsizetype slot = order.indexOf(line.at(0));
    EXPECT_GE(slot, 0) << line.left(1).toStdString();
    if (slot >= 0) lists[slot] += line.mid(2).trimmed();
  }
  return lists;
}

// The initial as the lists define it: the first list, in search order, holding c.
QString scannedInitialOf(const QStringList& lists, QChar c) {
  const QString order = QStringLiteral("abcdefghjklmnopqrstwxyz");
  if (c >= u'0' && c <= u'9') return QString(c);
  if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) return QString(c).toLower();
  if (!text::isDoubleByte(c)) return QString();
  for (qsizetype i = 0; i < lists.size(); ++i)
    if (lists[i].contains(c)) return QString(order.at(i));
  return QString();
}

TEST(PinyinInitials, MapEqualsAScanOfTheListsForEveryCharacter) {
  const QStringList lists = listsInSearchOrder();
  ASSERT_EQ(lists.size(), 23);
  for (const QString& list : lists) ASSERT_FALSE(list.isEmpty());

  // Every character code page 936 holds, and every character of the lists.
  QString all;
  for (char32_t u = 1; u < 0x10000; ++u) {
    const QChar c(static_cast<char16_t>(u));
    if (c.isSurrogate()) continue;
    if (text::gbkCode(c) >= 0 || lists.join(QString()).contains(c)) all += c;
  }
  ASSERT_GT(all.size(), 21000);

  QString expectedInitials;
  int mismatches = 0;
  for (QChar c : all) {
    const QString expected = scannedInitialOf(lists, c);
    if (text::PinyinInitialOf(c) != expected && ++mismatches < 10)
      ADD_FAILURE() << QString(c).toStdString() << " gives " << text::PinyinInitialOf(c).toStdString()
                    << ", the lists " << expected.toStdString();
    if (c == u' ') continue;  // the blank would end the text below
    const int code = text::gbkCode(c);
    expectedInitials += expected.isEmpty() && code >= 0xD1B9 && code < 0xD4D1 ? QStringLiteral("y") : expected;
  }
  EXPECT_EQ(mismatches, 0);
  QString withoutBlank = all;
  withoutBlank.remove(u' ');
  EXPECT_EQ(text::PinyinInitials(withoutBlank), expectedInitials);
}

}  // namespace
