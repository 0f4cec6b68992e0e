#include "text/ScrambledText.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrambledText, UnscrambleDecodesSingleAndDoubleByteCharacters) {
  struct Case {
    QString numbers;
    std::optional<QString> text;
  };
  // 'A' = 0x41 ^ 0xB3 = 242. 中 = 0xD6D0, read as a signed 16-bit number -10544,
  // ^ 0xB3 = -10653.
  const Case cases[] = {
      {"", QString("")},
      {"242", QString("A")},
      {"242,241", QString("AB")},
      {"-10653", QString::fromUtf16(u"中")},
      {"242,-10653,130", QString::fromUtf16(u"A中1")},
      {"242,,241", std::nullopt},
      {"24x", std::nullopt},
      {"1000", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(text::UnscrambleText(c.numbers), c.text) << c.numbers.toStdString();
}

TEST(ScrambledText, ScrambleIsTheInverse) {
  for (const QString& host : {QString("FRONTDESK"), QString::fromUtf16(u"诊室2号机"), QString("pc-01.local")}) {
    const std::optional<QString> numbers = text::ScrambleText(host);
    ASSERT_TRUE(numbers);
    EXPECT_EQ(text::UnscrambleText(*numbers), host);
  }
  EXPECT_EQ(text::ScrambleText(QString::fromUtf16(u"中")), QString("-10653"));
  EXPECT_FALSE(text::ScrambleText(QString::fromUtf16(u"\u0E01")));  // not in code page 936
}

}  // namespace
