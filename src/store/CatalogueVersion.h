// The catalogue's version: a counter in the main file, in the one-row table [目录版本],
// that triggers on [商品] raise with every added or removed row and every change to a
// column the drug list shows or searches (key, name, dose, unit, usage, search key,
// category). A stock, price or drawer change leaves it, and so does any write to another
// table. The triggers live in the file, so a write from any workstation raises it.
//
// Beside it, the change log [目录变更]: for each catalogue row changed in one of those
// ways, its rowid ([行]) and the number of its latest change ([序], the log's highest
// number plus one). The same writes that raise the version write the log, from triggers of
// their own, so a reader that kept the rows as they were at one change number reads only
// the rows changed after it. One entry per row: the log stays as large as the catalogue.
#pragma once

#include "store/Database.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace store {

// Creates the tables, the version's row and the triggers where a file has none of them
// yet; on a file that has them it changes nothing.
void ensureCatalogueVersion(Database& main);

// The version now; nullopt when the file has no version (an old file on a share where it
// could not be added), so that the caller cannot tell the catalogue unchanged.
std::optional<std::int64_t> catalogueVersion(Database& main);

// The number of the latest change in the log (0 for an empty log); nullopt when the file
// has no log or not every one of its triggers, so that the caller cannot read changes.
std::optional<std::int64_t> lastCatalogueChange(Database& main);

// The rowids of the rows changed after change `after` (added, removed or with a listed
// column changed), in rowid order.
std::vector<std::int64_t> catalogueRowsChangedAfter(Database& main, std::int64_t after);

}  // namespace store
