#include "prescription/service/Dispensing.h"

#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/PrescriptionState.h"
#include "prescription/service/StockMoves.h"
#include "prescription/service/VisitCounterFile.h"
#include "store/DataFile.h"
#include "store/JointTransaction.h"
#include "store/RecordsRepository.h"
#include "text/Blank.h"
#include "text/Dates.h"
#include "text/Numbers.h"

namespace prescription {
namespace {

bool takesPart(const PricedRow& row) { return !text::trimBlanks(row[kName]).isEmpty(); }

DispenseOutcome refused(DispenseOutcome::Result result, QString message = {}) {
  DispenseOutcome outcome;
  outcome.result = result;
  outcome.message = std::move(message);
  return outcome;
}

// The checks every dispensing operation makes before it touches stock; nullopt when it
// may go on.
std::optional<DispenseOutcome> refusal(const PrescriptionRecord& shown) {
  if (shown.grid[0][kName].isEmpty()) return refused(DispenseOutcome::Result::NotPriced, kNotPricedMessage);
  switch (saveCheck(shown)) {
    case SaveOutcome::Result::NameMissing:
      return refused(DispenseOutcome::Result::NameMissing, kNameMissingMessage);
    case SaveOutcome::Result::NoVisitDate:
      return refused(DispenseOutcome::Result::NoVisitDate, kNoVisitDateMessage);
    default:
      return std::nullopt;
  }
}

// What the stored sales lines of a prescription took goes back to stock.
void giveBack(StockMoves& moves, const std::vector<store::SalesLine>& lines) {
  for (const store::SalesLine& line : lines) moves.add(line.name, line.category, text::leadingNumber(line.quantity));
}

// Each grid row's 库存 shows what its catalogue row holds now.
void showStock(PricedGrid& grid, StockMoves& moves) {
  for (PricedRow& row : grid)
    if (takesPart(row))
      if (const std::optional<QString> stock = moves.keptStock(row[kName], row[kCategory])) row[kStock] = *stock;
}

bool isDispensed(const std::optional<QString>& storedMark) { return storedMark == kDispensedMark; }

}  // namespace

std::vector<store::SalesLine> salesLinesOf(const PrescriptionRecord& record) {
  std::vector<store::SalesLine> lines;
  for (const PricedRow& row : record.grid) {
    if (!takesPart(row)) continue;
    const double profit = (text::leadingNumber(row[kPrice]) - text::leadingNumber(row[kCost])) *
                          text::leadingNumber(row[kQuantity]);
    lines.push_back({record.serial, row[kName], row[kQuantity], row[kUnit], row[kPrice], row[kAmount], row[kCost],
                     row[kCategory], record.header[header::kDate], record.header[header::kPhysician],
                     text::plainNumber(profit), record.header[header::kName]});
  }
  return lines;
}

Dispensing::Dispensing(QString mainDbPath, QString stockDbPath, QString notifyFilePath, Today today)
    : mainDbPath_(std::move(mainDbPath)),
      stockDbPath_(std::move(stockDbPath)),
      notifyFilePath_(std::move(notifyFilePath)),
      today_(std::move(today)) {}

DispenseOutcome Dispensing::dispense(const PrescriptionRecord& shown, bool herbalLayout) const {
  if (auto refusedNow = refusal(shown)) return *refusedNow;
  return rewrite(shown, herbalLayout, kDispensedMark, kDispenseFailedMessage,
                 [](bool wasDispensed, store::SalesLines& sales, StockMoves& moves, const PrescriptionRecord& stored) {
                   // Priced again after it was dispensed: what the stored lines took comes
                   // back first, so the stock moves only by the difference.
                   if (wasDispensed) giveBack(moves, sales.of(stored.serial));
                   for (const PricedRow& row : stored.grid)
                     if (takesPart(row)) moves.add(row[kName], row[kCategory], -text::leadingNumber(row[kQuantity]));
                   moves.apply();
                   sales.removeAllOf(stored.serial);
                   sales.add(salesLinesOf(stored));
                 });
}

DispenseOutcome Dispensing::undo(const PrescriptionRecord& shown, bool herbalLayout) const {
  if (shown.grid[0][kName].isEmpty() || shown.dispenseMark != kDispensedMark)
    return refused(DispenseOutcome::Result::Skipped);
  if (auto refusedNow = refusal(shown)) return *refusedNow;
  return rewrite(shown, herbalLayout, QStringLiteral(""), kUndoFailedMessage,
                 [](bool wasDispensed, store::SalesLines& sales, StockMoves& moves, const PrescriptionRecord& stored) {
                   // Undone on another workstation already: nothing is left to give back.
                   if (!wasDispensed) return;
                   giveBack(moves, sales.of(stored.serial));
                   moves.apply();
                   sales.removeAllOf(stored.serial);
                 });
}

DispenseOutcome Dispensing::rewrite(const PrescriptionRecord& shown, bool herbalLayout, const QString& mark,
                                    const QString& failedMessage, const MoveStock& moveStock) const {
  DispenseOutcome outcome;
  outcome.stored = recordToStore(shown, herbalLayout);
  outcome.stored.dispenseMark = mark;
  const QDate today = today_();
  int count = 0;
  try {
    store::JointTransaction transaction(mainDbPath_, stockDbPath_);
    store::RecordsRepository records(transaction.db());
    store::SalesLines sales(transaction.db());
    store::CatalogueLookup catalogue(transaction.db());
    StockMoves moves(catalogue);
    moveStock(isDispensed(records.dispenseMark(shown.serial)), sales, moves, outcome.stored);
    // The grid is stored showing the new stock, as the window shows it.
    showStock(outcome.stored.grid, moves);
    writePrescription(transaction.db(), outcome.stored, today.year());
    count = records.visitCount(text::isoDate(today), text::isoDate(today.addDays(1)));
    transaction.commit();
  } catch (const std::exception& error) {
    return refused(DispenseOutcome::Result::Failed, failedMessage + store::failureReason(error));
  }
  outcome.result = DispenseOutcome::Result::Done;
  outcome.counterWritten = writeVisitCounter(notifyFilePath_, count);
  return outcome;
}

QString Dispensing::remove(const QString& serial) const {
  try {
    store::JointTransaction transaction(mainDbPath_, stockDbPath_);
    store::RecordsRepository records(transaction.db());
    store::SalesLines sales(transaction.db());
    if (isDispensed(records.dispenseMark(serial))) {
      store::CatalogueLookup catalogue(transaction.db());
      StockMoves moves(catalogue);
      giveBack(moves, sales.of(serial));
      moves.apply();
    }
    sales.removeAllOf(serial);
    records.remove(serial);
    transaction.commit();
  } catch (const std::exception& error) {
    return kDeleteFailedMessage + store::failureReason(error);
  }
  return {};
}


}  // namespace prescription
