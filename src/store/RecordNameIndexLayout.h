// The tables and triggers of the history search's name pieces in the main file, and the
// row that says how far they are: shared by the search and by the fill.
#pragma once

#include <QString>

#include <SQLiteCpp/Database.h>

#include <optional>

namespace store::name_index {

// Raised whenever the pieces, the triggers or the state row change meaning: a file of
// an older layout is filled again; a file of a newer one is left alone and searched
// without its pieces.
inline constexpr int kLayout = 2;

// Which column of [档案] each column number of [档案_片段] cuts.
inline constexpr const char* kColumnOf[] = {"0", "40"};

// Where an earlier set of pieces waits to be cleared in short steps (a large table
// dropped at once would hold the file's lock for seconds).
inline constexpr const char* kLeftoverTables[] = {"档案_片段_旧1", "档案_片段_旧2", "档案_片段_旧3", "档案_片段_旧4"};

// The state row [档案_片段版本] as stored.
struct State {
  int layout = 0;
  bool triggersPresent = false;
  qint64 keptCount = 0;  // the records' count as the triggers keep it
  qint64 keptMaxRowid = 0;  // their highest rowid as the triggers keep it
  bool filled = false;  // every record has its pieces
  qint64 generation = 0;  // raised by every new start of the pieces
};

// The state, or nothing when the file holds no state row this build can read (no
// pieces, or those of a build before the state row held more than the layout). A
// newer layout is returned with its number only.
std::optional<State> readState(SQLite::Database& db);

// Inside the caller's write transaction: puts the pieces aside to be cleared, makes the
// tables and triggers of today's layout afresh, marked not filled, with the count and
// highest rowid of the records and the given generation.
void startAgain(SQLite::Database& db, qint64 generation);

// The rows (列, 片段, 档案) of the pieces of the value `value` (an SQL expression) of
// the record `rowid`, for column number `number`. `source` is the FROM item the two
// expressions read (empty inside a trigger) and `condition` what it must hold.
QString pieceRows(int number, const QString& value, const QString& rowid, const QString& source = {},
                  const QString& condition = {});

}  // namespace store::name_index
