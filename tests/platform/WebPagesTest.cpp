// The web-page addresses.
#include "platform/WebPages.h"

#include <gtest/gtest.h>

namespace {

TEST(WebPages, EachPageHasItsOwnHttpsAddress) {
  const QUrl help = platform::webPageAddress(platform::WebPage::Help);
  const QUrl home = platform::webPageAddress(platform::WebPage::Home);
  const QUrl download = platform::webPageAddress(platform::WebPage::Download);
  EXPECT_EQ(platform::webPageAddress(platform::WebPage::PricingHelp), QUrl("https://tavorin.example/pricing-help"));
  EXPECT_EQ(help, QUrl("https://tavorin.example/help"));
  EXPECT_EQ(home, QUrl("https://tavorin.example/home"));
  EXPECT_EQ(download, QUrl("https://tavorin.example/download"));
}

}  // namespace
