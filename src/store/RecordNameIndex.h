// The index of the history search by name or initials key ([档案].[0] and [档案].[40]).
//
// The search is a substring test, which no ordinary index can seek. This one holds, for
// every record, each piece of two characters of both values (at every position, the last
// character alone as a piece of one), with the record's rowid, in the narrow table
// [档案_片段]. A search of two characters or more then reads the records whose values hold
// every piece of the search, a search of one character those holding a piece that starts
// with it; ASCII letters are looked up in either case. The pieces only narrow the
// candidates: the search's own test still decides on each record, so the index may hold
// more than it needs (never less) and the results stay those of the plain test.
//
// A value that the pieces cannot hold whole gets the empty piece as well, which makes it
// a candidate of every search: one longer than kIndexedChars characters, one with a NUL
// inside (SQLite's text functions stop there) and one stored as a BLOB by an earlier
// build.
//
// Triggers on [档案] keep the pieces in the file itself, so every writer keeps them, and
// keep the records' count and highest rowid in the state row [档案_片段版本]. A file
// whose records no longer match those (salvaged into a new file, where the rowids are
// numbered afresh), or that holds another layout, has its pieces made again, in the
// background and in short transactions (RecordNameIndexFill); the search reads them only
// once they are complete.
#pragma once

#include "store/Database.h"

#include <QString>

#include <vector>

namespace store {

inline constexpr int kIndexedChars = 256;

// Makes the pieces complete at once, in the short steps of RecordNameIndexFill, when the
// file does not hold today's layout complete. Throws SQLite::Exception when the file
// cannot be written.
void ensureRecordNameIndex(Database& main);

// True when the file holds today's layout with every record's pieces: they may be read.
bool recordNameIndexReady(Database& main);

// Which column a search reads: 0 for [0], 1 for [40].
enum class IndexedColumn { Name = 0, NameInitials = 1 };

// A statement yielding the rowids of the candidate records of `search` (not empty), and
// the values it binds in order.
struct CandidateQuery {
  QString sql;
  std::vector<QString> texts;  // bound after the column number of each part
};
CandidateQuery candidateQuery(IndexedColumn column, const QString& search);

}  // namespace store
