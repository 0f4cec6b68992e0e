#include "startup/HostNameFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(HostNameFile, UnscrambleDecodesSingleAndDoubleByteCharacters) {
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
  for (const Case& c : cases) EXPECT_EQ(startup::UnscrambleText(c.numbers), c.text) << c.numbers.toStdString();
}

TEST(HostNameFile, ScrambleIsTheInverse) {
  for (const QString host : {QString("FRONTDESK"), QString::fromUtf16(u"诊室2号机"), QString("pc-01.local")}) {
    const std::optional<QString> numbers = startup::ScrambleText(host);
    ASSERT_TRUE(numbers);
    EXPECT_EQ(startup::UnscrambleText(*numbers), host);
  }
  EXPECT_EQ(startup::ScrambleText(QString::fromUtf16(u"中")), QString("-10653"));
  EXPECT_FALSE(startup::ScrambleText(QString::fromUtf16(u"\u0E01")));  // not in code page 936
}

TEST(HostNameFile, WrittenFileIsOneLineEndedByCrLfAndReadsBack) {
  testing_support::TempFolder folder;
  ASSERT_TRUE(startup::writeHostNameFile(folder.path(), QString::fromUtf16(u"前台")));
  const QByteArray bytes = testing_support::readBytes(folder.sub("kvlo-12.jpg"));
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count('\n'), 1);
  EXPECT_EQ(startup::readHostName(folder.path()), QString::fromUtf16(u"前台"));
  EXPECT_FALSE(startup::readHostName(folder.sub("nowhere")));
}

}  // namespace
