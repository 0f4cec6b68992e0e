// Catalogue rows saved from a page read before another writer dispensed from them and
// booked a goods receipt of them: the other writer in this program, or a second program
// on the same data folder. A save writes only the cells the user edited.
#include "CatalogueWindowFixtureSupport.h"

#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "stations/StalePageStation.h"
#include "store/SalesLines.h"

#include <QProcess>

namespace {

using namespace catalogue;
using testing_support::catalogueRow;
using namespace testing_support::stale_page;

class CatalogueWindowStalePage : public testing_support::CatalogueWindowFixture, public testing::WithParamInterface<bool> {
 protected:
  void otherStation() {
    if (!GetParam()) {
      ASSERT_EQ(otherStationWrites(state.MainDbConnection, state.StockDbConnection, state.NotifyFilePath), "");
      return;
    }
    // The station program is built beside this one (stations/StalePageStation.cpp).
    QProcess station;
    station.setProcessChannelMode(QProcess::MergedChannels);
    station.start(QStringLiteral(TAVORIN_STALE_PAGE_STATION),
                  {state.MainDbConnection, state.StockDbConnection, state.NotifyFilePath});
    ASSERT_TRUE(station.waitForStarted()) << station.errorString().toStdString();
    ASSERT_TRUE(station.waitForFinished(60000));
    ASSERT_EQ(station.exitCode(), 0) << station.readAll().toStdString();
  }
  void retype(int column, const QString& text) {
    QLineEdit* box = enter(0, column);
    box->selectAll();
    keys(box, text);
  }
  int salesLines() {
    store::Database db(state.StockDbConnection, store::Database::Mode::ReadOnly);
    return static_cast<int>(store::SalesLines(db).of("S1").size());
  }
};

TEST_P(CatalogueWindowStalePage, EditedCellsAreWrittenAndTheOtherStationsStockAndPricesKept) {
  open(catalogueRow("1", kDrug, kCategory, "100", "0.500", "1.000"));
  ASSERT_EQ(cell(0, kStockField)->text(), "100");
  otherStation();  // stock 100 - 1 + 10, prices 0.600 and 1.200
  ASSERT_EQ(stored("斗位"), QStringList{"109"});
  ASSERT_EQ(salesLines(), 1);

  retype(kSellingPriceField, "1.5");  // the user's price wins over the receipt's
  EXPECT_EQ(stored("单价"), QStringList{"1.500"});
  EXPECT_EQ(stored("斗位"), QStringList{"109"});
  EXPECT_EQ(stored("备用1"), QStringList{"0.600"});
  type(0, kDrawerField, "A3");
  EXPECT_EQ(stored("备用2"), QStringList{"A3"});
  EXPECT_EQ(stored("斗位"), QStringList{"109"});
  EXPECT_EQ(stored("单价"), QStringList{"1.500"});

  // Undoing the dispensing gives back exactly what it took.
  prescription::PrescriptionRecord shown = testing_support::StockTest::loaded(otherStationsPrescription());  // as this window holds it
  shown.dispenseMark = prescription::kDispensedMark;
  const prescription::Dispensing dispensing(state.MainDbConnection, state.StockDbConnection, state.NotifyFilePath);
  ASSERT_TRUE(dispensing.undo(shown, false).done());
  EXPECT_EQ(stored("斗位"), QStringList{"110"});
  EXPECT_EQ(salesLines(), 0);

  // A stock the user types replaces the stored one.
  retype(kStockField, "50");
  EXPECT_EQ(stored("斗位"), QStringList{"50"});
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(form->Label8->text(), "");
}

INSTANTIATE_TEST_SUITE_P(OtherStation, CatalogueWindowStalePage, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("SecondProgram") : std::string("SameProgram");
                         });

}  // namespace
