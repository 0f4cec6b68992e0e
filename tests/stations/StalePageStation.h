// What the stale-page catalogue test and its station program share: the drug on the page,
// and the writes the other station makes while the page is open.
#pragma once

#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "purchasing/service/GoodsReceipt.h"

#include <QDate>
#include <QString>

namespace testing_support::stale_page {

inline const QString kDrug = QString::fromUtf16(u"阿莫西林");
inline const QString kCategory = QString::fromUtf16(u"西成药·抗生素");

// The prescription the other station dispenses.
inline prescription::PrescriptionRecord otherStationsPrescription() {
  return StockTest::prescribed("S1", {StockTest::row(kDrug, "1", kCategory)});
}

// The other station: dispenses one 阿莫西林 and books a receipt of ten at new prices.
// Returns what went wrong, or an empty text.
inline QString otherStationWrites(const QString& mainDb, const QString& stockDb, const QString& notifyFile) {
  const prescription::Dispensing dispensing(mainDb, stockDb, notifyFile);
  const prescription::DispenseOutcome dispensed = dispensing.dispense(otherStationsPrescription(), false);
  if (!dispensed.done()) return "dispense: " + dispensed.message;
  purchasing::ReceiptInput receipt;
  receipt.date = QDate::currentDate().toString(Qt::ISODate);
  receipt.name = kDrug;
  receipt.unit = QString::fromUtf16(u"盒");
  receipt.quantity = "10";
  receipt.cost = "0.6";
  receipt.price = "1.2";
  receipt.amount = "6";
  receipt.key = "R1";
  receipt.category = QString::fromUtf16(u"西成药");
  const purchasing::ReceiptOutcome booked = purchasing::bookReceipt(mainDb, stockDb, receipt);
  if (booked.status != purchasing::ReceiptOutcome::Status::Booked) return "receipt: " + booked.reason;
  return {};
}

}  // namespace testing_support::stale_page
