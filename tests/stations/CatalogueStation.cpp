// One workstation of the stale-catalogue stress test, run as a process of its own:
//   tavorin-catalogue-station <data folder> <seed>
// Besides dispensing, undoing and re-pricing the shared prescriptions, it books goods
// receipts and saves catalogue cells from a page it read a while ago (as the catalogue
// window does: only the edited cell, over what the file holds now), in an order drawn from
// the seed. It prints what failed, one line each, and exits with 0 when nothing failed,
// 1 when something did, 2 when called wrongly.
#include "stations/DispensingStation.h"
#include "stations/StationProgram.h"

#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/RowSave.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "purchasing/service/GoodsReceipt.h"
#include "store/Catalogue.h"

#include <QDir>
#include <QHash>

#include <random>

namespace {

using testing_support::stations::roundsPerStation;

using namespace prescription;
using namespace testing_support::dispensing_stress;
using testing_support::u16;
using Fixture = testing_support::StockTest;

// A catalogue page as a station's window read it: each row's cells as shown, and the
// cells as they stood when read or last saved.
struct PageRow {
  catalogue::CatalogueCells cells;
  catalogue::CatalogueCells before;
};

QHash<QString, PageRow> readPage(const QString& mainDb) {
  store::Database db(mainDb);
  QHash<QString, PageRow> page;
  for (const store::CatalogueRow& row : store::Catalogue(db).listing(QString(), QString())) {
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
  QHash<QString, PrescriptionRecord> windows;
  for (const QString& serial : kSerials)  // loaded from the history list
    windows[serial] = Fixture::loaded(Fixture::prescribed(serial, {Fixture::row(kDrugs[0], "1", kCategories[0]),
                                                                   Fixture::row(kFeeName, "1", kFee)}));
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
        window.grid[3] = Fixture::row(kFeeName, "1", kFee);
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
          if (!store::Catalogue(db).saveRow(row.cells[catalogue::kKeyField],
                                            [&](const std::optional<store::CatalogueRow>& stored) {
                                              return catalogue::rowToStore(stored, row.before, row.cells, button, strokes);
                                            }))
            failures << "catalogue save: the row is gone";
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

}  // namespace

int main(int argc, char** argv) {
  return testing_support::stations::stationMain(argc, argv, "tavorin-catalogue-station <data folder> <seed>", runStation);
}
