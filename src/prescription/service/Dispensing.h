// "发药", "撤消发药" and deleting a saved prescription: where stock and sales lines move.
// Each runs as one transaction over the main file with the inventory file attached, and
// decides from what is stored, not from what a window shows: stock is taken only for a
// prescription whose stored mark is not "-已发药" (or, on a dispensed one that was priced
// again, by the difference between its stored sales lines and the new grid), and given
// back only as its stored sales lines say. Two workstations pressing "发药" on one
// prescription therefore take its stock once. A failure leaves both files as they were.
// A prescription the window loaded or saved that another workstation has deleted since
// is neither dispensed nor undone: nothing is written and the window is told.
#pragma once

#include "prescription/service/PrescriptionRecord.h"
#include "prescription/service/PrescriptionSave.h"
#include "store/SalesLines.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace prescription {

class StockMoves;

inline const QString kNotPricedMessage = QStringLiteral("请点自动划价后才能发药！");
inline const QString kDispenseFailedMessage = QStringLiteral("发药未完成，库存和处方都未改动！");
inline const QString kUndoFailedMessage = QStringLiteral("撤消发药未完成，库存和处方都未改动！");
inline const QString kDeleteFailedMessage = QStringLiteral("处方未删除！");
inline const QString kDeleteQuestion = QStringLiteral("确实要永久删除该档案吗？");
// What "撤消发药" and "删除" are called in the question about drugs missing from the catalogue.
inline const QString kUndoAction = QStringLiteral("撤消发药");
inline const QString kDeleteAction = QStringLiteral("删除处方");

// The question asked when drugs whose stock would go back are no longer in the catalogue
// (renamed or removed since they were dispensed): go on without returning their stock?
QString missingDrugsQuestion(const QStringList& drugs, const QString& action);

struct DispenseOutcome {
  enum class Result {
    Done,
    Skipped,      // undo of a prescription that the window does not show as dispensed, or
                  // delete of a number whose record the window never loaded or saved
    NotPriced,    // row 0 of the grid has no name
    NameMissing,
    NoVisitDate,
    Gone,          // the window's record was deleted elsewhere: nothing written
    DrugsMissing,  // stock to give back has no catalogue row: nothing changed, ask first
    Failed,        // nothing changed in either file
  };
  Result result = Result::Failed;
  // The one "提示" text to show: why nothing was done, the question to ask for
  // DrugsMissing, or after Done that the counter file could not be rewritten; empty
  // otherwise.
  QString message;
  // DrugsMissing: the names (as the grid shows them) whose catalogue row is gone.
  QStringList missingDrugs;
  // The record as stored: fees and age as the save rewrote them, the stored mark for
  // Label5, and each grid row's 库存 showing the stock its catalogue row holds now.
  PrescriptionRecord stored;
  bool counterWritten = false;  // "Kqtz.ini" rewritten with today's count

  bool done() const { return result == Result::Done; }
};

// The 数量 a sales line stores for a typed quantity: as typed, or "0" when it reads as no
// number ("-2", "abc"): such a row moves no stock, and the sales reports, which read a
// stored number with its sign, must count none. A blank quantity stays blank.
QString salesQuantity(const QString& typed);

// The sales lines of a grid: one per row whose name is not blank, in grid order, with the
// prescription's number, visit date, physician and patient.
std::vector<store::SalesLine> salesLinesOf(const PrescriptionRecord& record);

class Dispensing {
 public:
  using Today = std::function<QDate()>;

  Dispensing(QString mainDbPath, QString stockDbPath, QString notifyFilePath, Today today = &QDate::currentDate);

  // Command14_Click: takes the stock, marks the prescription "-已发药", saves
  // it (all columns, register and phrases) and writes its sales lines.
  DispenseOutcome dispense(const PrescriptionRecord& shown, bool herbalLayout) const;
  // Command9_Click: gives back what the stored sales lines took, deletes them, clears
  // the mark and saves. Nothing happens unless the window shows the mark on a number it
  // loaded or saved. When a drug to give back is no longer in the catalogue nothing
  // changes and the outcome is DrugsMissing, unless its name is in `goOnWithout`: the
  // user agreed to go on without returning its stock.
  DispenseOutcome undo(const PrescriptionRecord& shown, bool herbalLayout,
                       const QStringList& goOnWithout = {}) const;
  // "删除(D)", after the question: deletes the record and its sales lines, and gives a
  // dispensed prescription's stock back, asking first about missing drugs as undo does.
  // Done, DrugsMissing or Failed. Only a number the window loaded or saved is its own:
  // for any other (another program stored a record under it meanwhile) nothing is
  // deleted and the outcome is Skipped.
  DispenseOutcome remove(const PrescriptionRecord& shown, const QStringList& goOnWithout = {}) const;

  // Who is told when a new prescription takes another number (serialToStore).
  Dispensing& whenRenumbered(Renumbered renumbered) {
    renumbered_ = std::move(renumbered);
    return *this;
  }

 private:
  // Moves the stock and the sales lines, told whether the stored mark says dispensed;
  // the record to be stored is given as the save prepared it. Returns the drugs whose
  // stock cannot go back because the catalogue lacks them; then nothing may be written.
  using MoveStock = std::function<QStringList(bool wasDispensed, store::SalesLines&, StockMoves&,
                                              const PrescriptionRecord& stored)>;
  // One transaction: the stock and sales lines moved, the grid showing the new stock,
  // the record stored with `mark` (columns, register, phrases); then the counter file.
  DispenseOutcome rewrite(const PrescriptionRecord& shown, bool herbalLayout, const QString& mark,
                          const QString& failedMessage, const MoveStock& moveStock) const;

  QString mainDbPath_;
  QString stockDbPath_;
  QString notifyFilePath_;
  Today today_;
  Renumbered renumbered_;
};

}  // namespace prescription
