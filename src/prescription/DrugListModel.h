// The drug list's rows: the entries of the last listing, shown by their list text. A view
// over a model fills a hundred thousand rows at once, where an item per row would not.
#pragma once

#include "prescription/service/CatalogListing.h"

#include <QAbstractListModel>

#include <vector>

namespace prescription {

class DrugListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void setEntries(std::vector<ListEntry> entries);
  void clear() { setEntries({}); }
  const std::vector<ListEntry>& entries() const { return entries_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<ListEntry> entries_;
};

}  // namespace prescription
