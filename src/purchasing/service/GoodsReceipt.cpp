#include "purchasing/service/GoodsReceipt.h"

#include "store/Catalogue.h"
#include "store/DataFile.h"
#include "store/JointTransaction.h"
#include "store/Purchases.h"
#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/Dates.h"
#include "text/Numbers.h"

#include <optional>

namespace purchasing {
namespace {

double storedNumber(const QString& value) { return text::leadingNumber(text::trimBlanks(value)); }

// The first catalogue row of the name whose category starts with the receipt's category
// ("西成药" takes every "西成药·…").
std::optional<store::ReceiptStockRow> catalogueRow(store::Database& db, const QString& shownName,
                                                   const QString& category) {
  return store::Catalogue(db).receiptStockRow(text::BraceEscapedName(shownName), category);
}

store::Purchases purchases(store::Database& db) {
  return store::Purchases(db, QString::fromLatin1(store::kStockSchema));
}

void keepDefaults(store::Database& db, const ReceiptInput& in) {
  purchases(db).keepDefaults(in.name, text::trimBlanks(in.name), {in.supplier, in.maker, in.batch, in.expiry},
                             in.amount);
}

void addReceiptRow(store::Database& db, const ReceiptInput& in, const QString& date, const QString& stock) {
  purchases(db).addReceipt({date, in.name, stock, in.unit, in.key, text::plainNumber(text::leadingNumber(in.quantity)),
                            in.cost, in.price, in.supplier, in.maker, in.batch, in.expiry,
                            text::plainNumber(text::leadingNumber(in.amount)), in.category});
}

}  // namespace

ReceiptOutcome bookReceipt(const QString& mainPath, const QString& stockPath, const ReceiptInput& input) {
  ReceiptOutcome outcome;
  const std::optional<QDate> date = text::readDate(input.date);
  if (!date) {
    outcome.status = ReceiptOutcome::Status::BadDate;
    return outcome;
  }
  try {
    store::JointTransaction tx(mainPath, stockPath);
    store::Database& db = tx.db();
    const std::optional<store::ReceiptStockRow> drug =
        store::guarded([&] { return catalogueRow(db, input.name, input.category); });
    if (!drug) {
      outcome.status = ReceiptOutcome::Status::MissingDrug;
      return outcome;
    }
    const QString stock = text::plainNumber(storedNumber(drug->stock) + text::leadingNumber(input.quantity));
    store::guarded([&] {
      store::Catalogue(db).setPricesAndStock(drug->rowid, text::format000(storedNumber(input.price)),
                                             text::format000(storedNumber(input.cost)), stock);
      keepDefaults(db, input);
      addReceiptRow(db, input, text::isoDate(*date), stock);
    });
    tx.commit();
    outcome.status = ReceiptOutcome::Status::Booked;
    outcome.newStock = stock;
  } catch (const store::StoreError& e) {
    outcome.status = ReceiptOutcome::Status::Failed;
    outcome.reason = e.reason();
  }
  return outcome;
}

DeleteOutcome deleteReceipt(const QString& mainPath, const QString& stockPath, qint64 id, const QString& key) {
  DeleteOutcome outcome;
  try {
    store::JointTransaction tx(mainPath, stockPath);
    store::Database& db = tx.db();
    store::guarded([&] {
      const std::optional<store::KeptReceipt> receipt = purchases(db).receipt(id, key);
      if (!receipt) return;
      if (purchases(db).removeReceipt(id, key) != 1) return;
      outcome.deleted = true;
      if (receipt->name.isEmpty() || receipt->category.isEmpty()) return;
      if (const std::optional<store::ReceiptStockRow> drug = catalogueRow(db, receipt->name, receipt->category)) {
        store::Catalogue(db).setStock(drug->rowid,
                                      text::plainNumber(storedNumber(drug->stock) - storedNumber(receipt->quantity)));
      }
    });
    tx.commit();
    outcome.ok = true;
  } catch (const store::StoreError& e) {
    outcome.deleted = false;
    outcome.reason = e.reason();
  }
  return outcome;
}

}  // namespace purchasing
