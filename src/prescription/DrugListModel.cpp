#include "prescription/DrugListModel.h"

namespace prescription {

void DrugListModel::setEntries(DrugListing entries) {
  beginResetModel();
  entries_ = std::move(entries);
  endResetModel();
}

int DrugListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant DrugListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return entries_.item(static_cast<size_t>(index.row()));
}

}  // namespace prescription
