// The history list read in pieces, for a list too long to read whole at once: the records
// of a history filter newest number first, a page after a given number, or only their
// numbers while the list is counted. Both walk one index that holds the number, the
// visit date and both names, so a record is read only when it is listed on a page; on a
// file that does not hold it yet they walk the numbers' own index and read each record,
// with the same answers. Records without a number (the program never stores one) are not
// listed.
#pragma once

#include "store/Database.h"
#include "store/RecordsRepository.h"

#include <QString>

#include <optional>
#include <vector>

namespace store {

// The filter's records when they are at most `most`, newest number first, read as the
// whole list reads them (RecordsRepository::history); nullopt when there are more, and
// for a search of one character. Only a few index entries are counted to tell.
std::optional<std::vector<HistoryRow>> historyIfFew(Database& db, const HistoryFilter& filter, int most);

// Up to `limit` records of the filter whose numbers come after `after` (all when nullopt)
// in the list's order.
std::vector<HistoryRow> historyPage(Database& db, const HistoryFilter& filter, const std::optional<QString>& after,
                                    int limit);

// The numbers alone, as historyPage would list them.
std::vector<QString> historySerials(Database& db, const HistoryFilter& filter, const std::optional<QString>& after,
                                    int limit);

// Makes the index the pages walk (kHistoryPagesIndex) when the file lacks it. SQLite makes
// an index in one statement that holds the file's write lock throughout: about 3 s at a
// million records, while other workstations' saves wait. So it is made only when
// the program closes, and given up (nothing written) once it has taken `mostMs`, before
// another workstation's save would give up waiting. Readers wait only for its commit.
// True when the file holds the index afterwards; throws when the file cannot be opened or
// written.
bool makeHistoryPagesIndex(const QString& mainDbPath, int mostMs);

}  // namespace store
