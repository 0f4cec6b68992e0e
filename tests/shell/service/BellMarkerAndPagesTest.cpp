// The bell marker file and the web-page addresses.
#include "shell/service/BellMarker.h"
#include "shell/service/WebPages.h"
#include "support/TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using testing_support::TempFolder;

TEST(BellMarker, SwitchingOnLeavesAnEmptyMarkerAndOffRemovesIt) {
  TempFolder folder;
  const QString data = folder.makeDir("data");
  EXPECT_FALSE(shell::bellMarkerExists(data));

  folder.writeFile("data/Lstz.ini", "left over");
  EXPECT_TRUE(shell::bellMarkerExists(data));
  EXPECT_TRUE(shell::setBellMarker(data, true));
  EXPECT_EQ(QFileInfo(folder.sub("data/Lstz.ini")).size(), 0);

  EXPECT_TRUE(shell::setBellMarker(data, false));
  EXPECT_FALSE(shell::bellMarkerExists(data));
  EXPECT_TRUE(shell::setBellMarker(data, false)) << "already off";
}

TEST(BellMarker, AFolderThatCannotHoldTheMarkerIsReported) {
  TempFolder folder;
  EXPECT_FALSE(shell::setBellMarker(folder.sub("missing"), true));
}

TEST(WebPages, EachPageHasItsOwnHttpsAddress) {
  const QUrl help = shell::webPageAddress(shell::WebPage::Help);
  const QUrl home = shell::webPageAddress(shell::WebPage::Home);
  const QUrl download = shell::webPageAddress(shell::WebPage::Download);
  EXPECT_EQ(help, QUrl("https://tavorin.example/help"));
  EXPECT_EQ(home, QUrl("https://tavorin.example/home"));
  EXPECT_EQ(download, QUrl("https://tavorin.example/download"));
}

}  // namespace
