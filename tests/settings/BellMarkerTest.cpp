// The bell marker file.
#include "settings/BellMarker.h"
#include "support/TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using testing_support::TempFolder;

TEST(BellMarker, SwitchingOnLeavesAnEmptyMarkerAndOffRemovesIt) {
  TempFolder folder;
  const QString data = folder.makeDir("data");
  EXPECT_FALSE(settings::bellMarkerExists(data));

  folder.writeFile("data/Lstz.ini", "left over");
  EXPECT_TRUE(settings::bellMarkerExists(data));
  EXPECT_TRUE(settings::setBellMarker(data, true));
  EXPECT_EQ(QFileInfo(folder.sub("data/Lstz.ini")).size(), 0);

  EXPECT_TRUE(settings::setBellMarker(data, false));
  EXPECT_FALSE(settings::bellMarkerExists(data));
  EXPECT_TRUE(settings::setBellMarker(data, false)) << "already off";
}

TEST(BellMarker, AFolderThatCannotHoldTheMarkerIsReported) {
  TempFolder folder;
  EXPECT_FALSE(settings::setBellMarker(folder.sub("missing"), true));
}

}  // namespace
