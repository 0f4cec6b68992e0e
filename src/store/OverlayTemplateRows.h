// The overlay template's table 套打设置 in the inventory file: one row per item, the row's
// place being the item number. The table has no key, so the rows are read in rowid
// order, which is the order they were written in.
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace store {

// One stored row: 名称 the printed flag ("1" or "0"), 左边距 and 上边距 the item's
// position in overlay units, each a number written as text. NULL stays apart from "".
struct OverlayTemplateRow {
  std::optional<QString> printed;
  std::optional<QString> x;
  std::optional<QString> y;
};

// At most `limit` rows in the order they were written. Throws StoreError when the file
// is missing or it or its table cannot be read.
std::vector<OverlayTemplateRow> readOverlayTemplateRows(const QString& inventoryDbPath, int limit);

// Replaces every row by `rows`, in their order, in one transaction: another workstation
// sees the old template or the new one, never a part of either. Throws StoreError, and
// leaves the stored rows as they were, when the rows cannot be written.
void replaceOverlayTemplateRows(const QString& inventoryDbPath, const std::vector<OverlayTemplateRow>& rows);

}  // namespace store
