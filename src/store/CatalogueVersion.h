// The catalogue's version: a counter in the main file, in the one-row table [目录版本],
// that triggers on [商品] raise with every added or removed row and every change to a
// column the drug list shows or searches (key, name, dose, unit, usage, search key,
// category). A stock, price or drawer change leaves it, and so does any write to another
// table. The triggers live in the file, so a write from any workstation raises it.
//
// Beside it, the change log [目录变更]: one entry ([序], numbered in order) per catalogue
// row added, removed or with a listed column changed, naming the row by its rowid ([行]).
// The same writes that raise the version write the log, from triggers of their own, so a
// reader that kept the rows as they were at one entry reads only the rows named after it.
// Start-up keeps the latest entries and drops older ones; a reader whose copy is older
// than what the log still holds reads the whole catalogue.
#pragma once

#include "store/Database.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace store {

// Creates the tables, the version's row and the triggers where a file has none of them
// yet; on a file that has them it changes nothing but dropping the log's old entries.
void ensureCatalogueVersion(Database& main);

// The update triggers on [商品] that raise the version and write the log, one row at a time.
inline constexpr const char* kVersionOnUpdate = "商品_修改改版本";
inline constexpr const char* kChangeLogOnUpdate = "商品_修改记变更";

// How many of the log's latest entries start-up keeps.
inline constexpr std::int64_t kKeptCatalogueChanges = 100000;

// The version now; nullopt when the file has no version (an old file on a share where it
// could not be added), so that the caller cannot tell the catalogue unchanged.
std::optional<std::int64_t> catalogueVersion(Database& main);

// The number of the latest change in the log (0 for an empty log); nullopt when the file
// has no log or not every one of its triggers, so that the caller cannot read changes.
std::optional<std::int64_t> lastCatalogueChange(Database& main);

// The rowids of the rows changed after change `after` (added, removed or with a listed
// column changed), each once, in rowid order; nullopt when the log no longer holds every
// entry after `after`.
std::optional<std::vector<std::int64_t>> catalogueRowsChangedAfter(Database& main, std::int64_t after);

}  // namespace store
