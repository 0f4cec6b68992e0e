// Two workstations on one data folder dispensing, undoing and re-pricing prescriptions,
// booking goods receipts, and saving catalogue rows from pages they read a while ago (as
// the catalogue window does: only the edited cell, over what the file holds now). Each
// run must end with every kept stock equal to what was shipped plus the stored receipts
// less the stored sales lines, every dispensed prescription holding exactly its sales
// lines, and no prescription or catalogue row lost.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "prescription/service/StoredRecord.h"
#include "stations/DispensingStation.h"

#include <QHash>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using namespace testing_support::dispensing_stress;

constexpr int kShipped = 100000;

class DispensingStressCatalogueTest : public testing_support::StockTest {};

TEST_F(DispensingStressCatalogueTest, StaleCatalogueSavesNeverUndoDispensingOrReceipts) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));
  addDrug(kFeeName, kFee, "");  // stock not kept
  // Each prescription is stored once before the stations start, so none may be lost.
  for (const QString& serial : kSerials)
    ASSERT_TRUE(dispensing()
                    .dispense(prescribed(serial, {row(kDrugs[0], "1", kCategories[0]), row(kFeeName, "1", kFee)}),
                              false)
                    .done());

  // The station program is built beside this one (stations/CatalogueStation.cpp).
  QProcess stations[2];
  for (int i = 0; i < 2; ++i) {
    stations[i].setProcessChannelMode(QProcess::MergedChannels);
    stations[i].start(QStringLiteral(TAVORIN_CATALOGUE_STATION), {folder.path(), QString::number(i + 11)});
  }
  for (QProcess& station : stations) {
    ASSERT_TRUE(station.waitForStarted()) << station.errorString().toStdString();
    ASSERT_TRUE(station.waitForFinished(180000));
    EXPECT_EQ(station.exitCode(), 0) << station.readAll().toStdString();
  }

  QHash<QString, int> taken;
  for (const QString& serial : kSerials) {
    const std::vector<store::SalesLine> lines = salesOf(serial);
    const QString mark = storedMark(serial);
    ASSERT_NE(mark, "<no record>") << "record lost: " << serial.toStdString();
    EXPECT_EQ(mark == kDispensedMark, !lines.empty()) << serial.toStdString();
    if (mark == kDispensedMark) {
      store::Database db(mainDb, store::Database::Mode::ReadOnly);
      const std::optional<PrescriptionRecord> stored = prescription::storedRecord(db, serial);
      ASSERT_TRUE(stored);
      EXPECT_EQ(lines.size(), salesLinesOf(*stored).size()) << "one set of lines, " << serial.toStdString();
    }
    for (const store::SalesLine& line : lines) taken[line.name] += line.quantity.toInt();
  }
  QHash<QString, int> received;
  {
    store::Database db(stockDb, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), R"(SELECT "品名", "数量" FROM "进货管理")");
    while (q.executeStep()) received[store::columnText(q, 0)] += store::columnText(q, 1).toInt();
  }
  EXPECT_FALSE(received.isEmpty()) << "the stations booked receipts";
  for (int d = 0; d < kDrugs.size(); ++d) {
    EXPECT_EQ(stockOf(kDrugs[d], kCategories[d]).toInt(), kShipped + received.value(kDrugs[d]) - taken.value(kDrugs[d]))
        << kDrugs[d].toStdString();
  }
  EXPECT_EQ(values(R"(SELECT count(*) FROM "商品")").value(0), QString::number(kDrugs.size() + 1))
      << "no catalogue row lost or doubled";
}

}  // namespace
