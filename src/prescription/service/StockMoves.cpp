#include "prescription/service/StockMoves.h"

#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/Numbers.h"

#include <cmath>

namespace prescription {
namespace {

// Changes smaller than this are what is left of adding and taking the same decimal
// quantities in binary, not a change of stock.
constexpr double kNoChange = 1e-9;

bool kept(const QString& stock) { return !text::trimBlanks(stock).isEmpty(); }

}  // namespace

StockMoves::Row* StockMoves::rowOf(const QString& shownName, const QString& category) {
  const QString key = shownName + QChar(0x1f) + category;
  auto known = resolved_.find(key);
  if (known == resolved_.end()) {
    std::optional<std::int64_t> rowId;
    if (const auto found = catalogue_.stockRow(text::BraceEscapedName(shownName), category)) {
      rowId = found->rowId;
      rows_.try_emplace(found->rowId, Row{*found, 0});
    }
    known = resolved_.insert(key, rowId);
  }
  return *known ? &rows_.at(**known) : nullptr;
}

void StockMoves::add(const QString& shownName, const QString& category, double quantity) {
  if (Row* row = rowOf(shownName, category)) row->change += quantity;
}

void StockMoves::apply() {
  for (auto& [rowId, row] : rows_) {
    if (!kept(row.stored.stock) || std::fabs(row.change) < kNoChange) continue;
    row.stored.stock = text::plainNumber(text::leadingNumber(row.stored.stock) + row.change);
    row.change = 0;
    catalogue_.setStock(rowId, row.stored.stock);
  }
}

std::optional<QString> StockMoves::keptStock(const QString& shownName, const QString& category) {
  const Row* row = rowOf(shownName, category);
  if (!row || !kept(row->stored.stock)) return std::nullopt;
  return row->stored.stock;
}

}  // namespace prescription
