#include "startup/HostNameFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

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
