#include "store/RecordNameIndexFill.h"

#include "store/RecordNameIndexLayout.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

#include <algorithm>

namespace store {
namespace {

using name_index::kColumnOf;
using name_index::kLayout;

int stopRequested(void* stop) { return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0; }

bool tableExists(SQLite::Database& db, const char* name) {
  SQLite::Statement query(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
  query.bind(1, name);
  return query.executeStep();
}

// Whether the records still are those the triggers counted: a file salvaged into a new
// one has its rowids numbered afresh, and the pieces then name other records.
bool belongsToRecords(SQLite::Database& db, const name_index::State& state) {
  SQLite::Statement records(db, R"(SELECT count(*), coalesce(max(rowid), 0) FROM "档案")");
  records.executeStep();
  return records.getColumn(0).getInt64() == state.keptCount && records.getColumn(1).getInt64() == state.keptMaxRowid;
}

bool complete(const std::optional<name_index::State>& state) {
  return state && state->layout == kLayout && state->triggersPresent && state->filled;
}

}  // namespace

RecordNameIndexFill::RecordNameIndexFill(const QString& mainDbPath, const std::atomic<bool>* stop)
    : db_(mainDbPath) {
  // The scratch file and the sort spill to disk: a million records make some 200 MB of
  // pieces. The sort works in runs of the main cache's size.
  db_.exec(QStringLiteral("PRAGMA temp_store = FILE; PRAGMA main.cache_size = -8192;"));
  if (stop) sqlite3_progress_handler(db_.sql().getHandle(), 1000, stopRequested, const_cast<std::atomic<bool>*>(stop));
}

bool RecordNameIndexFill::step() {
  writeMs_ = 0;
  switch (phase_) {
    case Phase::Check:
      check();
      break;
    case Phase::Read:
      read();
      break;
    case Phase::Sort:
      sort();
      break;
    case Phase::Merge:
      merge();
      break;
    case Phase::Finish:
      finish();
      break;
    case Phase::Clear:
      clear();
      break;
    case Phase::Done:
      break;
  }
  return phase_ != Phase::Done;
}

void RecordNameIndexFill::check() {
  std::optional<name_index::State> state;
  bool belongs = false;
  {
    // One snapshot for the state row and the records it is compared with.
    SQLite::Transaction snapshot(db_.sql(), SQLite::TransactionBehavior::DEFERRED);
    state = name_index::readState(db_.sql());
    belongs = complete(state) && belongsToRecords(db_.sql(), *state);
    snapshot.commit();
  }
  if (state && state->layout > kLayout) {
    phase_ = Phase::Done;  // a newer build's pieces: not ours to touch
  } else if (complete(state) && belongs) {
    phase_ = Phase::Clear;
  } else {
    startAgainIfStill(complete(state));
  }
}

void RecordNameIndexFill::startAgainIfStill(bool wantedBecauseStale) {
  SQLite::Transaction transaction(db_.sql(), SQLite::TransactionBehavior::IMMEDIATE);
  QElapsedTimer timer;
  timer.start();
  // Another workstation may have started or finished the pieces meanwhile.
  const std::optional<name_index::State> state = name_index::readState(db_.sql());
  if (state && state->layout > kLayout) {
    phase_ = Phase::Done;
    return;
  }
  const bool ours = state && state->layout == kLayout && state->triggersPresent;
  if (ours && state->filled && !(wantedBecauseStale && !belongsToRecords(db_.sql(), *state))) {
    phase_ = Phase::Clear;
    return;
  }
  if (ours && !state->filled) {
    generation_ = state->generation;
  } else {
    // Unique, so that a fill of an earlier start can never take this one for its own.
    generation_ = qint64(QRandomGenerator::global()->generate64() >> 2);
    name_index::startAgain(db_.sql(), generation_);
  }
  transaction.commit();
  writeMs_ = timer.elapsed();
  prepareScratch();
  column_ = 0;
  lastName_.reset();
  phase_ = Phase::Read;
}

void RecordNameIndexFill::read() {
  QElapsedTimer timer;
  timer.start();
  const QString value = QStringLiteral("d.\"%1\"").arg(QString::fromUtf8(kColumnOf[column_]));
  const QString from = lastName_ ? value + QStringLiteral(" > :last") : value + QStringLiteral(" IS NOT NULL");
  const auto bindLast = [this](SQLite::Statement& statement) {
    if (!lastName_) return;
    const int index = statement.getIndex(":last");
    if (lastName_->type == SQLITE_BLOB)
      statement.bind(index, lastName_->bytes.constData(), int(lastName_->bytes.size()));
    else
      statement.bind(index, lastName_->bytes.toStdString());
  };
  // The range ends with the name readRows_ entries on; the names equal to it are in it.
  std::optional<Stored> upTo;
  {
    SQLite::Statement end(db_.sql(), QStringLiteral(R"(SELECT %1 FROM "档案" d WHERE %2 ORDER BY %1 LIMIT 1 OFFSET :rows)")
                                         .arg(value, from)
                                         .toStdString());
    bindLast(end);
    end.bind(":rows", readRows_ - 1);
    if (end.executeStep()) {
      const SQLite::Column name = end.getColumn(0);
      upTo = Stored{name.getType(), QByteArray(static_cast<const char*>(name.getBlob()), name.getBytes())};
    }
  }
  const QString range = upTo ? from + QStringLiteral(" AND %1 <= :upto").arg(value) : from;
  SQLite::Statement pieces(db_.sql(), (QStringLiteral(R"(INSERT INTO scratch."片段暂存" )") +
                                       name_index::pieceRows(column_, value, QStringLiteral("d.rowid"),
                                                             QStringLiteral(R"("档案" d)"), range))
                                          .toStdString());
  bindLast(pieces);
  if (upTo) {
    const int index = pieces.getIndex(":upto");
    if (upTo->type == SQLITE_BLOB)
      pieces.bind(index, upTo->bytes.constData(), int(upTo->bytes.size()));
    else
      pieces.bind(index, upTo->bytes.toStdString());
  }
  pieces.exec();
  adapt(readRows_, timer.elapsed());
  if (upTo) {
    lastName_ = upTo;
  } else if (++column_ == 2) {
    phase_ = Phase::Sort;
  } else {
    lastName_.reset();
  }
}

void RecordNameIndexFill::sort() {
  // In the scratch file only: the main file is not locked meanwhile.
  db_.exec(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS scratch."片段暂存_序" ON "片段暂存" ("列", "片段", "档案"))"));
  lastPiece_.reset();
  phase_ = Phase::Merge;
}

bool RecordNameIndexFill::stillOurs() {
  const std::optional<name_index::State> state = name_index::readState(db_.sql());
  return state && state->layout == kLayout && state->triggersPresent && !state->filled &&
         state->generation == generation_;
}

void RecordNameIndexFill::merge() {
  SQLite::Transaction transaction(db_.sql(), SQLite::TransactionBehavior::IMMEDIATE);
  QElapsedTimer timer;
  timer.start();
  if (!stillOurs()) {
    transaction.commit();
    dropScratch();
    phase_ = Phase::Check;
    return;
  }
  const QString key = QStringLiteral(R"(("列", "片段", "档案"))");
  const QString from = lastPiece_ ? key + QStringLiteral(" > (:column, :piece, :record)") : QStringLiteral("1");
  const auto bindFrom = [this](SQLite::Statement& statement) {
    if (!lastPiece_) return;
    statement.bind(":column", lastPiece_->column);
    statement.bind(":piece", lastPiece_->piece);
    statement.bind(":record", static_cast<int64_t>(lastPiece_->record));
  };
  std::optional<PieceKey> upTo;
  {
    SQLite::Statement end(db_.sql(), QStringLiteral(R"(SELECT "列", "片段", "档案" FROM scratch."片段暂存" WHERE %1)"
                                                    R"( ORDER BY 1, 2, 3 LIMIT 1 OFFSET :rows)")
                                         .arg(from)
                                         .toStdString());
    bindFrom(end);
    end.bind(":rows", mergeRows_ - 1);
    if (end.executeStep())
      upTo = PieceKey{end.getColumn(0).getInt(), end.getColumn(1).getString(), end.getColumn(2).getInt64()};
  }
  // Records the triggers touched since the start are theirs: what was read of them may
  // be out of date.
  SQLite::Statement move(
      db_.sql(), QStringLiteral(R"(INSERT OR IGNORE INTO main."档案_片段" SELECT "列", "片段", "档案" FROM scratch."片段暂存")"
                                R"( WHERE %1%2 AND "档案" NOT IN (SELECT "档案" FROM main."档案_片段变动"))")
                     .arg(from, upTo ? QStringLiteral(" AND ") + key + QStringLiteral(" <= (:toColumn, :toPiece, :toRecord)")
                                     : QString())
                     .toStdString());
  bindFrom(move);
  if (upTo) {
    move.bind(":toColumn", upTo->column);
    move.bind(":toPiece", upTo->piece);
    move.bind(":toRecord", static_cast<int64_t>(upTo->record));
  }
  move.exec();
  transaction.commit();
  writeMs_ = timer.elapsed();
  adapt(mergeRows_, writeMs_);
  if (upTo)
    lastPiece_ = upTo;
  else
    phase_ = Phase::Finish;
}

void RecordNameIndexFill::finish() {
  SQLite::Transaction transaction(db_.sql(), SQLite::TransactionBehavior::IMMEDIATE);
  QElapsedTimer timer;
  timer.start();
  const bool ours = stillOurs();
  if (ours) db_.exec(QStringLiteral(R"(UPDATE "档案_片段版本" SET "填满" = 1; DELETE FROM "档案_片段变动";)"));
  transaction.commit();
  writeMs_ = timer.elapsed();
  dropScratch();
  // Another workstation finished first, or started again: the check says which.
  phase_ = ours ? Phase::Clear : Phase::Check;
}

void RecordNameIndexFill::clear() {
  const char* leftover = nullptr;
  for (const char* table : name_index::kLeftoverTables)
    if (!leftover && tableExists(db_.sql(), table)) leftover = table;
  if (!leftover) {
    phase_ = Phase::Done;
    return;
  }
  const QString table = QStringLiteral("\"%1\"").arg(QString::fromUtf8(leftover));
  SQLite::Transaction transaction(db_.sql(), SQLite::TransactionBehavior::IMMEDIATE);
  QElapsedTimer timer;
  timer.start();
  SQLite::Statement end(db_.sql(), QStringLiteral(R"(SELECT "列", "片段", "档案" FROM %1 ORDER BY 1, 2, 3 LIMIT 1 OFFSET ?)")
                                       .arg(table)
                                       .toStdString());
  end.bind(1, clearRows_ - 1);
  if (end.executeStep()) {
    SQLite::Statement remove(db_.sql(),
                             QStringLiteral(R"(DELETE FROM %1 WHERE ("列", "片段", "档案") <= (?, ?, ?))").arg(table).toStdString());
    remove.bind(1, end.getColumn(0).getInt());
    remove.bind(2, end.getColumn(1).getString());
    remove.bind(3, end.getColumn(2).getInt64());
    end.reset();
    remove.exec();
  } else {
    // What is left is small enough to go at once.
    end.reset();
    db_.exec(QStringLiteral("DROP TABLE %1").arg(table));
  }
  transaction.commit();
  writeMs_ = timer.elapsed();
  adapt(clearRows_, writeMs_);
}

void RecordNameIndexFill::prepareScratch() {
  if (!scratchReady_) {
    // An empty name: a private file of this connection, removed when it is detached.
    db_.exec(QStringLiteral("ATTACH DATABASE '' AS scratch"));
    scratchReady_ = true;
  }
  db_.exec(QStringLiteral(R"(DROP TABLE IF EXISTS scratch."片段暂存";)"
                          R"( CREATE TABLE scratch."片段暂存" ("列" INTEGER NOT NULL, "片段" TEXT NOT NULL, "档案" INTEGER NOT NULL);)"));
}

void RecordNameIndexFill::dropScratch() {
  if (!scratchReady_) return;
  db_.exec(QStringLiteral("DETACH DATABASE scratch"));
  scratchReady_ = false;
}

void RecordNameIndexFill::adapt(int& size, qint64 elapsedMs) {
  if (elapsedMs < kStepMs / 2)
    size = std::min(size * 2, 1 << 20);
  else if (elapsedMs > kStepMs * 2)
    size = std::max(size / 2, 50);
}

}  // namespace store
