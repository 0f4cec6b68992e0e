// Two workstations on one data folder dispensing, undoing and re-pricing prescriptions,
// booking goods receipts, and saving catalogue rows from pages they read a while ago (as
// the catalogue window does: only the edited cell, over what the file holds now). Each
// run must end with every kept stock equal to what was shipped plus the stored receipts
// less the stored sales lines, every dispensed prescription holding exactly its sales
// lines, and no prescription or catalogue row lost.
#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/RowSave.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "purchasing/service/GoodsReceipt.h"
#include "store/Catalogue.h"
#include "store/RecordsRepository.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace prescription;
using testing_support::u16;

const QString kWestern = u16(u"西成药·抗生素");
const QString kHerb = u16(u"中药");
const QString kFee = u16(u"收费项目");
const QStringList kDrugs = {u16(u"阿莫西林胶囊"), u16(u"头孢克肟胶囊"), u16(u"布洛芬缓释胶囊"), u16(u"当归")};
const QStringList kCategories = {kWestern, kWestern, kWestern, kHerb};
const QStringList kSerials = {"S1", "S2", "S3"};
constexpr int kShipped = 100000;

constexpr const char* kStationVariable = "TAVORIN_STALE_CATALOGUE_STATION";

int roundsPerStation() {
  bool ok = false;
  const int rounds = qEnvironmentVariableIntValue("TAVORIN_STRESS_ROUNDS", &ok);
  return ok && rounds > 0 ? rounds : 100;
}

// A catalogue page as a station's window read it: each row's cells as shown, and the
// cells as they stood when read or last saved.
struct PageRow {
  catalogue::CatalogueCells cells;
  catalogue::CatalogueCells before;
};

QHash<QString, PageRow> readPage(const QString& mainDb) {
  store::Database db(mainDb);
  QHash<QString, PageRow> page;
  for (const catalogue::CatalogueRow& row : store::Catalogue(db).listing(QString(), QString())) {
    const catalogue::CatalogueCells cells = catalogue::shownCells(row);
    page.insert(row.key, {cells, cells});
  }
  return page;
}

// One workstation's session; what failed, one line each.
QStringList runStation(const QString& folder, unsigned seed) {
  std::mt19937 random(seed);
  const QDir data(folder);
  const QString mainDb = data.filePath(startup::kMainDbFile);
  const QString stockDb = data.filePath(startup::kStockDbFile);
  const Dispensing service(mainDb, stockDb, data.filePath(startup::kNotifyFile));
  using Fixture = testing_support::StockTest;
  QHash<QString, PrescriptionRecord> windows;
  for (const QString& serial : kSerials)  // loaded from the history list
    windows[serial] = Fixture::loaded(Fixture::prescribed(serial, {Fixture::row(kDrugs[0], "1", kCategories[0]),
                                                                   Fixture::row(u16(u"挂号费"), "1", kFee)}));
  QHash<QString, PageRow> page = readPage(mainDb);
  const text::StrokeCoder strokes;
  QStringList failures;
  int receipts = 0;
  for (int round = 0, rounds = roundsPerStation(); round < rounds; ++round) {
    PrescriptionRecord& window = windows[kSerials[random() % kSerials.size()]];
    switch (random() % 6) {
      case 0: {  // 发药
        const DispenseOutcome outcome = service.dispense(window, false);
        if (outcome.done()) window = outcome.stored;
        else failures << "dispense: " + outcome.message;
        break;
      }
      case 1: {  // 撤消发药
        const DispenseOutcome outcome = service.undo(window, false);
        if (outcome.done()) window = outcome.stored;
        else if (outcome.result != DispenseOutcome::Result::Skipped) failures << "undo: " + outcome.message;
        break;
      }
      case 2: {  // 自动划价 again
        for (int r = 0; r < 3; ++r) {
          const int d = random() % kDrugs.size();
          window.grid[r] = Fixture::row(kDrugs[d], QString::number(1 + random() % 5), kCategories[d]);
        }
        window.grid[3] = Fixture::row(u16(u"挂号费"), "1", kFee);
        break;
      }
      case 3: {  // a goods receipt
        const int d = random() % kDrugs.size();
        purchasing::ReceiptInput receipt;
        receipt.date = "2024-03-05";
        receipt.name = kDrugs[d];
        receipt.unit = u16(u"盒");
        receipt.quantity = QString::number(1 + random() % 20);
        receipt.cost = "0.5";
        receipt.price = QString::number(1 + random() % 3);
        receipt.amount = "1";
        receipt.key = QStringLiteral("R%1-%2").arg(seed).arg(++receipts);
        receipt.category = kCategories[d] == kHerb ? kHerb : u16(u"西成药");
        const purchasing::ReceiptOutcome booked = purchasing::bookReceipt(mainDb, stockDb, receipt);
        if (booked.status != purchasing::ReceiptOutcome::Status::Booked) failures << "receipt: " + booked.reason;
        break;
      }
      case 4: {  // a catalogue cell edited on the page read earlier, saved as the window saves it
        const QStringList keys = page.keys();
        PageRow& row = page[keys[static_cast<qsizetype>(random() % keys.size())]];
        const catalogue::CatalogueField fields[] = {catalogue::kSellingPriceField, catalogue::kPurchasePriceField,
                                                    catalogue::kDrawerField, catalogue::kUsageField};
        const catalogue::CatalogueField field = fields[random() % 4];
        row.cells[field] = QString::number(random() % 100);
        const int button =
            row.cells[catalogue::kCategoryField] == kHerb ? catalogue::kHerbalButton : catalogue::kAllWesternButton;
        try {
          store::Database db(mainDb);
          store::Catalogue(db).saveRow(row.cells[catalogue::kKeyField],
                                       [&](const std::optional<catalogue::CatalogueRow>& stored) {
                                         return catalogue::rowToStore(stored, row.before, row.cells, button, strokes);
                                       });
          row.before = row.cells;
        } catch (const std::exception& e) {
          failures << QStringLiteral("catalogue save: ") + e.what();
        }
        break;
      }
      default:  // the list shown again, now and then
        if (random() % 4 == 0) page = readPage(mainDb);
        break;
    }
  }
  return failures;
}

TEST(DispensingStressCatalogueStation, Run) {
  const QStringList station = qEnvironmentVariable(kStationVariable).split(u'|');
  if (station.size() != 2) GTEST_SKIP() << "runs only as a station of the stress test";
  const QStringList failures = runStation(station[0], station[1].toUInt());
  EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

class DispensingStressCatalogueTest : public testing_support::StockTest {};

TEST_F(DispensingStressCatalogueTest, StaleCatalogueSavesNeverUndoDispensingOrReceipts) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));
  addDrug(u16(u"挂号费"), kFee, "");  // stock not kept
  // Each prescription is stored once before the stations start, so none may be lost.
  for (const QString& serial : kSerials)
    ASSERT_TRUE(dispensing()
                    .dispense(prescribed(serial, {row(kDrugs[0], "1", kCategories[0]), row(u16(u"挂号费"), "1", kFee)}),
                              false)
                    .done());

  QProcess stations[2];
  for (int i = 0; i < 2; ++i) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kStationVariable, folder.path() + u'|' + QString::number(i + 11));
    stations[i].setProcessEnvironment(environment);
    stations[i].setProcessChannelMode(QProcess::MergedChannels);
    stations[i].start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=DispensingStressCatalogueStation.Run")});
  }
  for (QProcess& station : stations) {
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
      const std::optional<PrescriptionRecord> stored = store::RecordsRepository(db).record(serial);
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
