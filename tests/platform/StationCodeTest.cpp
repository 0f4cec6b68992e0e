#include "platform/DriveRoots.h"
#include "platform/StationCode.h"

#include <gtest/gtest.h>

namespace {

TEST(StationCode, ShortStableAndPerMachine) {
  EXPECT_EQ(platform::stationCode(), platform::stationCode());
  EXPECT_EQ(platform::stationCode().size(), 4);
  EXPECT_NE(platform::stationCodeFor("machine-a"), platform::stationCodeFor("machine-b"));
}

TEST(DriveRoots, HostFolderRefusesNamesThatLeaveTheSharesRoot) {
  platform::DriveRoots roots;
  roots.sharesRoot = "/mnt";
  EXPECT_EQ(roots.hostDataFolder("FRONT"), QString::fromUtf16(u"/mnt/FRONT/Corvala数据库"));
  for (const char* bad : {"", ".", "..", "a/b", "a\\b"}) EXPECT_TRUE(roots.hostDataFolder(bad).isEmpty()) << bad;
}

}  // namespace
