// The catalogue's version: a counter in the main file, in the one-row table [目录版本],
// that triggers on [商品] raise with every added or removed row and every change to a
// column the drug list shows or searches (key, name, dose, unit, usage, search key,
// category). A stock, price or drawer change leaves it, and so does any write to another
// table. The triggers live in the file, so a write from any workstation raises it.
#pragma once

#include "store/Database.h"

#include <cstdint>
#include <optional>

namespace store {

// Creates the table, its row and the triggers where a file has none of them yet; on a
// file that has them it changes nothing.
void ensureCatalogueVersion(Database& main);

// The version now; nullopt when the file has no version (an old file on a share where it
// could not be added), so that the caller cannot tell the catalogue unchanged.
std::optional<std::int64_t> catalogueVersion(Database& main);

}  // namespace store
