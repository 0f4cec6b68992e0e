#include "prescription/service/Dispensing.h"

#include "prescription/service/PrescriptionLoad.h"
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

// What the stored sales lines of a prescription took goes back to stock. A line's
// quantity is the grid's typed quantity, read as it was when it was taken.
void giveBack(StockMoves& moves, const std::vector<store::SalesLine>& lines) {
  for (const store::SalesLine& line : lines) moves.add(line.name, line.category, text::typedNumber(line.quantity));
}

// The drugs of sales lines whose stock cannot go back, since no catalogue row has their
// name and category any more (renamed or removed since), less those the user agreed to
// go on without. A drug whose stock is not kept is found, and skipped on purpose.
QStringList missingDrugs(StockMoves& moves, const std::vector<store::SalesLine>& lines,
                         const QStringList& goOnWithout) {
  QStringList missing;
  for (const store::SalesLine& line : lines)
    if (!moves.inCatalogue(line.name, line.category) && !goOnWithout.contains(line.name) &&
        !missing.contains(line.name))
      missing << line.name;
  return missing;
}

DispenseOutcome drugsMissing(const QStringList& drugs, const QString& action) {
  DispenseOutcome outcome = refused(DispenseOutcome::Result::DrugsMissing, missingDrugsQuestion(drugs, action));
  outcome.missingDrugs = drugs;
  return outcome;
}

// Each grid row's 库存 shows what its catalogue row holds now.
void showStock(PricedGrid& grid, StockMoves& moves) {
  for (PricedRow& row : grid)
    if (takesPart(row))
      if (const std::optional<QString> stock = moves.keptStock(row[kName], row[kCategory])) row[kStock] = *stock;
}

bool isDispensed(const std::optional<QString>& storedMark) { return storedMark == kDispensedMark; }

}  // namespace

QString missingDrugsQuestion(const QStringList& drugs, const QString& action) {
  QStringList quoted;
  for (const QString& drug : drugs) quoted << QStringLiteral("“%1”").arg(drug);
  return QStringLiteral("%1在药物目录中找不到（已改名或已删除），无法退回其库存。\n是否仍然%2，不退回其库存？")
      .arg(quoted.join(QStringLiteral("、")), action);
}

QString salesQuantity(const QString& typed) {
  if (text::readTypedNumber(typed) || text::trimBlanks(typed).isEmpty()) return typed;
  return QStringLiteral("0");
}

std::vector<store::SalesLine> salesLinesOf(const PrescriptionRecord& record) {
  std::vector<store::SalesLine> lines;
  for (const PricedRow& row : record.grid) {
    if (!takesPart(row)) continue;
    // The quantity and the selling price are typed (a sign is no digit); the purchase
    // price comes from the catalogue as stored.
    const double profit = (text::typedNumber(row[kPrice]) - text::leadingNumber(row[kCost])) *
                          text::typedNumber(row[kQuantity]);
    lines.push_back({record.serial, row[kName], salesQuantity(row[kQuantity]), row[kUnit], row[kPrice], row[kAmount], row[kCost],
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
                     if (takesPart(row)) moves.add(row[kName], row[kCategory], -text::typedNumber(row[kQuantity]));
                   moves.apply();
                   sales.removeAllOf(stored.serial);
                   sales.add(salesLinesOf(stored));
                   return QStringList();
                 });
}

DispenseOutcome Dispensing::undo(const PrescriptionRecord& shown, bool herbalLayout,
                                 const QStringList& goOnWithout) const {
  if (shown.grid[0][kName].isEmpty() || shown.dispenseMark != kDispensedMark)
    return refused(DispenseOutcome::Result::Skipped);
  if (auto refusedNow = refusal(shown)) return *refusedNow;
  // A number this window never loaded or saved has nothing of its own to undo.
  if (!shown.loadedOrSaved) return refused(DispenseOutcome::Result::Skipped);
  return rewrite(shown, herbalLayout, QStringLiteral(""), kUndoFailedMessage,
                 [&goOnWithout](bool wasDispensed, store::SalesLines& sales, StockMoves& moves,
                                const PrescriptionRecord& stored) {
                   // Undone on another workstation already: nothing is left to give back.
                   if (!wasDispensed) return QStringList();
                   const std::vector<store::SalesLine> lines = sales.of(stored.serial);
                   if (QStringList missing = missingDrugs(moves, lines, goOnWithout); !missing.isEmpty())
                     return missing;
                   giveBack(moves, lines);
                   moves.apply();
                   sales.removeAllOf(stored.serial);
                   return QStringList();
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
    // The record this window loaded or saved was deleted on another workstation: it is
    // not brought back, and no stock moves for it.
    if (shown.loadedOrSaved && !records.dispenseMark(shown.serial))
      return refused(DispenseOutcome::Result::Gone, kRecordGoneMessage);
    outcome.stored.serial = serialToStore(transaction.db(), shown, renumbered_);
    store::SalesLines sales(transaction.db());
    store::CatalogueLookup catalogue(transaction.db());
    StockMoves moves(catalogue);
    const QStringList missing =
        moveStock(isDispensed(records.dispenseMark(outcome.stored.serial)), sales, moves, outcome.stored);
    if (!missing.isEmpty()) return drugsMissing(missing, kUndoAction);  // nothing written yet
    // The grid is stored showing the new stock, as the window shows it.
    showStock(outcome.stored.grid, moves);
    writePrescription(transaction.db(), outcome.stored, today.year());
    count = records.visitCount(text::isoDate(today), text::isoDate(today.addDays(1)));
    transaction.commit();
  } catch (const std::exception& error) {
    return refused(DispenseOutcome::Result::Failed, failedMessage + store::failureReason(error));
  }
  outcome.result = DispenseOutcome::Result::Done;
  outcome.stored.loadedOrSaved = true;
  const QString counterFailure = writeVisitCounter(notifyFilePath_, count);
  outcome.counterWritten = counterFailure.isEmpty();
  if (!outcome.counterWritten) outcome.message = counterNotWrittenMessage(notifyFilePath_, counterFailure);
  return outcome;
}

DispenseOutcome Dispensing::remove(const PrescriptionRecord& shown, const QStringList& goOnWithout) const {
  // The same guard as the save's: a record this window never loaded or saved is not its to delete.
  if (!shown.loadedOrSaved) return refused(DispenseOutcome::Result::Skipped);
  const QString& serial = shown.serial;
  try {
    store::JointTransaction transaction(mainDbPath_, stockDbPath_);
    store::RecordsRepository records(transaction.db());
    store::SalesLines sales(transaction.db());
    if (isDispensed(records.dispenseMark(serial))) {
      store::CatalogueLookup catalogue(transaction.db());
      StockMoves moves(catalogue);
      const std::vector<store::SalesLine> lines = sales.of(serial);
      if (QStringList missing = missingDrugs(moves, lines, goOnWithout); !missing.isEmpty())
        return drugsMissing(missing, kDeleteAction);  // nothing written yet
      giveBack(moves, lines);
      moves.apply();
    }
    sales.removeAllOf(serial);
    records.remove(serial);
    transaction.commit();
  } catch (const std::exception& error) {
    return refused(DispenseOutcome::Result::Failed, kDeleteFailedMessage + store::failureReason(error));
  }
  return refused(DispenseOutcome::Result::Done);
}

}  // namespace prescription
