#include "prescription/service/StockMoves.h"

#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/Numbers.h"

namespace prescription {
namespace {

bool kept(const QString& stock) { return !text::trimBlanks(stock).isEmpty(); }

}  // namespace

StockMoves::Row* StockMoves::rowOf(const QString& shownName, const QString& category) {
  const QString key = shownName + QChar(0x1f) + category;
  auto known = resolved_.find(key);
  if (known == resolved_.end()) {
    std::optional<std::int64_t> rowId;
    if (const auto found = catalogue_.stockRow(text::BraceEscapedName(shownName), category)) {
      rowId = found->rowId;
      rows_.try_emplace(found->rowId, Row{*found, {}});
    }
    known = resolved_.insert(key, rowId);
  }
  return *known ? &rows_.at(**known) : nullptr;
}

void StockMoves::add(const QString& shownName, const QString& category, double quantity) {
  if (Row* row = rowOf(shownName, category)) row->changes.push_back(quantity);
}

void StockMoves::apply() {
  for (auto& [rowId, row] : rows_) {
    if (!kept(row.stored.stock) || row.changes.empty()) continue;
    QString stock = row.stored.stock;
    for (double change : row.changes) stock = text::plainNumber(text::leadingNumber(stock) + change);
    row.changes.clear();
    if (text::leadingNumber(stock) == text::leadingNumber(row.stored.stock)) continue;
    row.stored.stock = stock;
    catalogue_.setStock(rowId, stock);
  }
}

std::optional<QString> StockMoves::keptStock(const QString& shownName, const QString& category) {
  const Row* row = rowOf(shownName, category);
  if (!row || !kept(row->stored.stock)) return std::nullopt;
  return row->stored.stock;
}

}  // namespace prescription
