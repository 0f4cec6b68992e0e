#include "text/Blank.h"
#include "text/Gbk.h"

#include <gtest/gtest.h>

namespace {

struct CodeCase {
  const char16_t* character;
  int code;
};

TEST(Gbk, CodesOfCharacters) {
  const CodeCase cases[] = {
      {u"A", 0x41},       {u"0", 0x30},      {u" ", 0x20},
      {u"压", 0xD1B9},    {u"匝", 0xD4D1},   {u"的", 0xB5C4},
      {u"丂", 0x8140},    // first character of the GBK extension
      {u"\u3000", 0xA1A1},  // full-width blank
      {u"€", 0x80},        // the one single-byte character above ASCII
      {u"\u0E01", -1},     // Thai: code page 936 cannot hold it
      {u"", -1},
  };
  for (const CodeCase& c : cases) {
    const QString s = QString::fromUtf16(c.character);
    EXPECT_EQ(text::gbkCode(s), c.code) << s.toStdString();
  }
  EXPECT_EQ(text::gbkCode(QString::fromUtf16(u"😀")), -1);  // beyond the BMP
}

TEST(Gbk, DisplayWidthCountsDoubleBytesTwice) {
  EXPECT_EQ(text::displayWidth(""), 0);
  EXPECT_EQ(text::displayWidth("abc"), 3);
  EXPECT_EQ(text::displayWidth(QString::fromUtf16(u"黄芪10g")), 7);
  EXPECT_EQ(text::displayWidth(QString::fromUtf16(u"\u0E01x")), 2);
  EXPECT_EQ(text::displayWidth(QString::fromUtf16(u"😀")), 1);
}

TEST(Gbk, RoundTripsThroughBytes) {
  const QString s = QString::fromUtf16(u"0.5%甲硝唑注射液{100}");
  const QByteArray bytes = text::toGbk(s);
  EXPECT_EQ(bytes.size(), text::displayWidth(s));
  EXPECT_EQ(text::fromGbk(bytes), s);
}

TEST(Blank, TrimsOnlyTheAsciiBlank) {
  EXPECT_EQ(text::trimBlanks("  691 "), "691");
  EXPECT_EQ(text::trimBlanks("   "), "");
  EXPECT_EQ(text::trimBlanks("\t691\n"), "\t691\n");
  const QString fullWidth = QString::fromUtf16(u"\u3000x\u3000");
  EXPECT_EQ(text::trimBlanks(fullWidth), fullWidth);
}

}  // namespace
