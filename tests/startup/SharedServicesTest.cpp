// The shared services: the default printer is asked for when first needed, not at start.
#include "startup/SharedServices.h"

#include <gtest/gtest.h>

namespace {

TEST(SharedServices, TheDefaultPrinterIsAskedForOnceAndOnlyWhenFirstNeeded) {
  int asked = 0;
  startup::AppState state;
  startup::SharedServices services(state, [&] {
    ++asked;
    return QStringLiteral("HP LaserJet");
  });
  EXPECT_EQ(asked, 0) << "a print server that does not answer cannot hold up the start";
  EXPECT_EQ(services.defaultPrinterName(), "HP LaserJet");
  EXPECT_EQ(services.defaultPrinterName(), "HP LaserJet");
  EXPECT_EQ(asked, 1);

  startup::SharedServices noPrinter(state, {});
  EXPECT_EQ(noPrinter.defaultPrinterName(), "");
}

}  // namespace
