// Catalogue rows saved from a page read before another writer dispensed from them and
// booked a goods receipt of them: the other writer in this program, or a second program
// on the same data folder. A save writes only the cells the user edited.
#include "CatalogueWindowFixtureSupport.h"

#include "catalogue/service/CatalogueFile.h"
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
      ASSERT_EQ(otherStationWrites(state.mainDbPath, state.stockDbPath, state.notifyFilePath), "");
      return;
    }
    // The station program is built beside this one (stations/StalePageStation.cpp).
    QProcess station;
    station.setProcessChannelMode(QProcess::MergedChannels);
    station.start(QStringLiteral(TAVORIN_STALE_PAGE_STATION),
                  {state.mainDbPath, state.stockDbPath, state.notifyFilePath});
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
    store::Database db(state.stockDbPath, store::Database::Mode::ReadOnly);
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
  const prescription::Dispensing dispensing(state.mainDbPath, state.stockDbPath, state.notifyFilePath);
  ASSERT_TRUE(dispensing.undo(shown, false).done());
  EXPECT_EQ(stored("斗位"), QStringList{"110"});
  EXPECT_EQ(salesLines(), 0);

  // A stock the user types replaces the stored one.
  retype(kStockField, "50");
  EXPECT_EQ(stored("斗位"), QStringList{"50"});
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(form->Label8->text(), "");
}

// The page shows no selling price; the other station's receipt stores one (and a new
// cost). A click into the empty 售价 cell must not write the fill the page's stale cost
// gives over it: the cell shows the stored price instead.
TEST_P(CatalogueWindowStalePage, AClickIntoAnEmptySellingPriceNeverWritesAStaleFill) {
  open(catalogueRow("1", kDrug, kCategory, "100", "0.500", ""));
  ASSERT_EQ(cell(0, kSellingPriceField)->text(), "");
  otherStation();  // stock 100 - 1 + 10, prices 0.600 and 1.200
  ASSERT_EQ(stored("单价"), QStringList{"1.200"});

  QTest::mouseClick(cell(0, kSellingPriceField), Qt::LeftButton);
  EXPECT_EQ(stored("单价"), QStringList{"1.200"});
  EXPECT_EQ(cell(0, kSellingPriceField)->text(), "1.200");
  EXPECT_EQ(stored("备用1"), QStringList{"0.600"});
  EXPECT_EQ(stored("斗位"), QStringList{"109"});
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(form->Label8->text(), "");

  // The price the cell now shows is the stored one, not an edit: the next edit keeps it.
  type(0, kDrawerField, "A3");
  EXPECT_EQ(stored("单价"), QStringList{"1.200"});
  EXPECT_EQ(stored("备用2"), QStringList{"A3"});
}

INSTANTIATE_TEST_SUITE_P(OtherStation, CatalogueWindowStalePage, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("SecondProgram") : std::string("SameProgram");
                         });

}  // namespace

namespace {

using CatalogueWindowRemovedElsewhere = testing_support::CatalogueWindowFixture;

// Another workstation removes a row this page still shows, or clears the category and
// imports the drug again under a new key. An edit on the stale page does not bring the
// removed row back: it is marked as not saved and says why; the imported row is left alone.
TEST_F(CatalogueWindowRemovedElsewhere, AnEditOfARowRemovedOnAnotherWorkstationIsNotWrittenBack) {
  using namespace catalogue;
  using testing_support::catalogueRow;
  const QString drug = QString::fromUtf16(u"阿莫西林");
  const QString other = QString::fromUtf16(u"布洛芬");
  const QString antibiotic = QString::fromUtf16(u"西成药·抗生素");
  open(catalogueRow("1", drug, antibiotic, "100", "0.500", "") + catalogueRow("2", other, antibiotic, "30", "", "2.000"));
  ASSERT_EQ(shownNames(), (QStringList{drug, other}));

  // Cleared and imported again on the other workstation: the drug under a new key.
  execMain(QStringLiteral(R"(DELETE FROM "商品" WHERE "ID号" = '1';)") + catalogueRow("9", drug, antibiotic, "40", "0.500", ""));
  type(0, kDrawerField, "A3");
  EXPECT_EQ(stored("ID号"), (QStringList{"2", "9"}));
  EXPECT_EQ(stored("斗位"), (QStringList{"30", "40"}));
  EXPECT_EQ(stored("备用2"), (QStringList{"<null>", "<null>"}));
  EXPECT_EQ(form->Label8->text(), kDeletedElsewhere);
  EXPECT_EQ(form->grid->band(0)->palette().color(QPalette::Window), grid::kUnsavedColor);

  // A click into its empty 售价 cell fills nothing in either.
  QTest::mouseClick(cell(0, kSellingPriceField), Qt::LeftButton);
  EXPECT_EQ(stored("ID号"), (QStringList{"2", "9"}));
  EXPECT_EQ(stored("单价"), (QStringList{"2.000", ""}));

  // A row typed into a blank line is still added, and the row still stored saves as before.
  type(2, kNameField, QString::fromUtf16(u"维"));
  type(1, kDrawerField, "B1");
  EXPECT_EQ(stored("名称"), (QStringList{other, drug, QString::fromUtf16(u"维")}));
  EXPECT_EQ(stored("备用2"), (QStringList{"B1", "<null>", ""}));
  EXPECT_EQ(form->Label8->text(), kDeletedElsewhere) << "the removed row stays marked";
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
