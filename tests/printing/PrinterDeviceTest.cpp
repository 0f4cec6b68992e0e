// The sheet through the system's default printer. Runs only where a print queue has been
// set up for it (tools/print/cups-check sets TAVORIN_CUPS_CHECK); CI's machine may have
// no printer at all.
#include "printing/PrinterDevice.h"
#include "printing/service/PrintJob.h"
#include "printing/service/SheetPrint.h"

#include "support/DesignedSheet.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(PrinterDevice, PrintsTheSheetOnTheDefaultPrinter) {
  if (qEnvironmentVariableIsEmpty("TAVORIN_CUPS_CHECK")) GTEST_SKIP() << "no print queue set up for this check";
  ASSERT_FALSE(printing::systemDefaultPrinter().isEmpty());
  printing::PrinterDevice printer(printing::systemDefaultPrinter);
  testing_support::ScriptedDialogs dialogs;
  printing::SheetSnapshot sheet = testing_support::designedSheet(false);
  const auto outcome = printing::runPrint(printer, dialogs, [&](printing::PrintSurface& surface) {
    printing::printSheet(surface, sheet, testing_support::sheetSettings("10", "10"));
  });
  EXPECT_EQ(outcome, printing::PrintOutcome::Printed);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
