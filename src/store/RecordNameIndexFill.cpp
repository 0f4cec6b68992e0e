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

// How many records spread over the rowids have their pieces looked up.
constexpr int kSampledRecords = 16;

// Whether the pieces still name the records they were made of. A file salvaged into a new
// one through ".dump" has its rowids numbered afresh, closing the gaps of deleted records:
// its highest rowid is then no longer the one the triggers kept. Records put back in
// another order show in a few of them, spread over the rowids, that lack their pieces.
// Every look-up is short: a count of the records would read a whole index.
bool belongsToRecords(SQLite::Database& db, const name_index::State& state) {
  if (db.execAndGet(R"(SELECT coalesce(max(rowid), 0) FROM "档案")").getInt64() != state.keptMaxRowid) return false;
  QString pieces;
  for (int number = 0; number < 2; ++number) {
    if (number) pieces += QStringLiteral(" UNION ALL ");
    pieces += name_index::pieceRows(number, QStringLiteral("d.\"%1\"").arg(QString::fromUtf8(kColumnOf[number])),
                                    QStringLiteral("d.rowid"), QStringLiteral(R"("档案" d)"),
                                    QStringLiteral("d.rowid = (SELECT min(rowid) FROM \"档案\" WHERE rowid >= :at)"));
  }
  SQLite::Statement missing(db, QStringLiteral(R"(WITH w("列", "片段", "档案") AS (%1) SELECT EXISTS (SELECT 1 FROM w)"
                                               R"( WHERE NOT EXISTS (SELECT 1 FROM "档案_片段" p WHERE p."列" = w."列")"
                                               R"( AND p."片段" = w."片段" AND p."档案" = w."档案")))")
                                    .arg(pieces)
                                    .toStdString());
  for (int i = 0; i <= kSampledRecords; ++i) {
    missing.bind(":at", static_cast<int64_t>(state.keptMaxRowid * i / kSampledRecords));
    if (!missing.executeStep() || missing.getColumn(0).getInt() != 0) return false;
    missing.reset();
  }
  return true;
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
  adapt(readRows_, double(timer.nsecsElapsed()) / 1e6, kStepMs);
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
  // Runs until the step's time is used: on a file read slowly today (a cold cache, a
  // busy disk or share) the step moves fewer pieces instead of holding the lock longer.
  std::optional<PieceKey> from = lastPiece_;
  bool movedAll = false;
  do {
    QElapsedTimer run;
    run.start();
    const std::optional<PieceKey> upTo = moveRun(from);
    adapt(mergeRows_, double(run.nsecsElapsed()) / 1e6, kRunMs);
    if (!upTo) movedAll = true;
    from = upTo;
  } while (!movedAll && timer.elapsed() < kStepMs);
  transaction.commit();
  writeMs_ = timer.elapsed();
  // Only what is committed counts as moved: a commit that failed is tried again whole.
  lastPiece_ = from;
  if (movedAll) phase_ = Phase::Finish;
}

std::optional<RecordNameIndexFill::PieceKey> RecordNameIndexFill::moveRun(const std::optional<PieceKey>& from) {
  const QString key = QStringLiteral(R"(("列", "片段", "档案"))");
  const QString after = from ? key + QStringLiteral(" > (:column, :piece, :record)") : QStringLiteral("1");
  const auto bindFrom = [&from](SQLite::Statement& statement) {
    if (!from) return;
    statement.bind(":column", from->column);
    statement.bind(":piece", from->piece);
    statement.bind(":record", static_cast<int64_t>(from->record));
  };
  std::optional<PieceKey> upTo;
  {
    SQLite::Statement end(db_.sql(), QStringLiteral(R"(SELECT "列", "片段", "档案" FROM scratch."片段暂存" WHERE %1)"
                                                    R"( ORDER BY 1, 2, 3 LIMIT 1 OFFSET :rows)")
                                         .arg(after)
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
                     .arg(after, upTo ? QStringLiteral(" AND ") + key + QStringLiteral(" <= (:toColumn, :toPiece, :toRecord)")
                                      : QString())
                     .toStdString());
  bindFrom(move);
  if (upTo) {
    move.bind(":toColumn", upTo->column);
    move.bind(":toPiece", upTo->piece);
    move.bind(":toRecord", static_cast<int64_t>(upTo->record));
  }
  move.exec();
  return upTo;
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
  // Runs until the step's time is used, as the moving of the pieces does.
  bool dropped = false;
  do {
    QElapsedTimer run;
    run.start();
    dropped = !clearRun(table);
    adapt(clearRows_, double(run.nsecsElapsed()) / 1e6, kRunMs);
  } while (!dropped && timer.elapsed() < kStepMs);
  transaction.commit();
  writeMs_ = timer.elapsed();
}

bool RecordNameIndexFill::clearRun(const QString& table) {
  SQLite::Statement end(db_.sql(), QStringLiteral(R"(SELECT "列", "片段", "档案" FROM %1 ORDER BY 1, 2, 3 LIMIT 1 OFFSET ?)")
                                       .arg(table)
                                       .toStdString());
  end.bind(1, clearRows_ - 1);
  if (!end.executeStep()) {
    // What is left is small enough to go at once.
    end.reset();
    db_.exec(QStringLiteral("DROP TABLE %1").arg(table));
    return false;
  }
  SQLite::Statement remove(db_.sql(),
                           QStringLiteral(R"(DELETE FROM %1 WHERE ("列", "片段", "档案") <= (?, ?, ?))").arg(table).toStdString());
  remove.bind(1, end.getColumn(0).getInt());
  remove.bind(2, end.getColumn(1).getString());
  remove.bind(3, end.getColumn(2).getInt64());
  end.reset();
  remove.exec();
  return true;
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

void RecordNameIndexFill::adapt(int& size, double elapsedMs, int targetMs) {
  if (elapsedMs < targetMs / 2.0)
    size = std::min(size * 2, 1 << 20);
  else if (elapsedMs > targetMs * 2.0)
    size = std::max(size / 2, 50);
}

}  // namespace store
