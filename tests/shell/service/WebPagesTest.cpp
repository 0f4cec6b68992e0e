// The web-page addresses.
#include "shell/service/WebPages.h"

#include <gtest/gtest.h>

namespace {

TEST(WebPages, EachPageHasItsOwnHttpsAddress) {
  const QUrl help = shell::webPageAddress(shell::WebPage::Help);
  const QUrl home = shell::webPageAddress(shell::WebPage::Home);
  const QUrl download = shell::webPageAddress(shell::WebPage::Download);
  EXPECT_EQ(shell::webPageAddress(shell::WebPage::PricingHelp), QUrl("https://tavorin.example/pricing-help"));
  EXPECT_EQ(help, QUrl("https://tavorin.example/help"));
  EXPECT_EQ(home, QUrl("https://tavorin.example/home"));
  EXPECT_EQ(download, QUrl("https://tavorin.example/download"));
}

}  // namespace
