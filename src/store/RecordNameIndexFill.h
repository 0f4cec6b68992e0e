// Makes the history search's name pieces of the main file complete, in steps that each
// hold the file's lock only briefly, so that other workstations read and write between
// them.
//
// The first step checks the file: pieces of today's layout, complete, and still
// belonging to the records they name (the highest rowid that the triggers keep is the
// records', and records spread over the rowids have their pieces): then only an earlier
// set of pieces may be left to clear. Otherwise
// the pieces start again: the triggers of today's layout go in at once, with an empty
// table, so every record written from then on has its pieces. The records already
// stored are read, a short range of names at a time, from the narrow indexes of their
// names into a private scratch file, sorted there, and moved into the file a short run
// of pieces at a time, in key order. A record that the triggers touched since the start
// is left to them. The last step marks the pieces complete; the search reads them from
// then on. An earlier set of pieces is then cleared a short run at a time.
//
// Several workstations may fill at once: each step works from what the file holds when
// it runs.
#pragma once

#include "store/Database.h"

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <optional>
#include <string>

namespace store {

class RecordNameIndexFill {
 public:
  // Opens its own connection to the main file. Once `stop` (when given) is set, the
  // statement running ends with SQLITE_INTERRUPT.
  explicit RecordNameIndexFill(const QString& mainDbPath, const std::atomic<bool>* stop = nullptr);

  // Does the next step; false when nothing is left to do. Throws SQLite::Exception when
  // the file cannot be read or written (busy, read-only, interrupted): the same step may
  // be tried again.
  bool step();

  // How long the last step held the main file's write lock (waits for it not counted), in
  // milliseconds; 0 for a step that only read it. A reader keeps no writer out for long:
  // the writer marks the lock pending, the next read waits, and it commits as soon as the
  // read running ends.
  qint64 lastWriteMs() const { return writeMs_; }

  // How long a step works on the main file, in milliseconds. A step that writes moves
  // the pieces in short runs until this time is used and then commits: it holds the
  // write lock this long and its commit, however fast or slow the file reads today.
  static constexpr int kStepMs = 10;
  // How long one run of such a step should take: about as much may the step end late.
  static constexpr int kRunMs = 3;

 private:
  enum class Phase { Check, Read, Sort, Merge, Finish, Clear, Done };

  // A value as SQLite stores it, to be bound again with its own storage class.
  struct Stored {
    int type = 0;
    QByteArray bytes;
  };
  // A piece's key in [档案_片段].
  struct PieceKey {
    int column = 0;
    std::string piece;
    qint64 record = 0;
  };

  void check();
  void startAgainIfStill(bool wantedBecauseStale);
  void read();
  void sort();
  void merge();
  // Inside merge's transaction: moves the pieces after `from` (all when nothing), a run
  // of mergeRows_ of them; gives the key of the last one moved, or nothing once the run
  // reached the last piece.
  std::optional<PieceKey> moveRun(const std::optional<PieceKey>& from);
  void finish();
  void clear();
  // Inside clear's transaction: deletes a run of clearRows_ pieces of the earlier set in
  // `table`, or drops it when fewer are left; false once it is dropped.
  bool clearRun(const QString& table);
  bool stillOurs();
  void prepareScratch();
  void dropScratch();
  // Resizes `size`, the range just worked on in `elapsedMs`, to come near `targetMs`.
  static void adapt(int& size, double elapsedMs, int targetMs);

  Database db_;
  Phase phase_ = Phase::Check;
  qint64 generation_ = 0;
  bool scratchReady_ = false;
  // Reading: the column number and the last name read in it.
  int column_ = 0;
  std::optional<Stored> lastName_;
  // Moving: the key of the last piece moved.
  std::optional<PieceKey> lastPiece_;
  qint64 writeMs_ = 0;
  // The ranges start small (a first step finds little in the caches) and grow to what
  // kStepMs (reading) or kRunMs (moving, clearing) allows.
  int readRows_ = 500;
  int mergeRows_ = 500;
  int clearRows_ = 500;
};

}  // namespace store
