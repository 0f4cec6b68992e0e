#include "ui/TextRows.h"

namespace ui {

void TextRows::setRows(int count, std::function<QString(int row)> text) {
  beginResetModel();
  count_ = count;
  text_ = std::move(text);
  endResetModel();
}

int TextRows::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

QVariant TextRows::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_) return {};
  return text_(index.row());
}

}  // namespace ui
