// The indexes that date-range, sales and name-ordered queries need beyond the stored
// schema, made with IF NOT EXISTS so that files made before they existed get them too.
#pragma once

#include "store/Database.h"

namespace store {

// The main file: visit dates, the patients' keys, the catalogue's name order (which needs
// the name collation on every connection that writes [商品]), its look-up by name and its
// version with the triggers that raise it.
void ensureMainIndexes(Database& main);
// The inventory file: sales dates and prescription numbers, receipts by category and date.
void ensureStockIndexes(Database& stock);

}  // namespace store
