// The drug list's rows: the entries of the last listing, shown by their list text. A view
// over a model fills a hundred thousand rows at once, where an item per row would not, and
// asks only for the texts of the rows it paints.
#pragma once

#include "prescription/service/CatalogListing.h"

#include <QAbstractListModel>

namespace prescription {

class DrugListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void setEntries(DrugListing entries);
  void clear() { setEntries({}); }
  const DrugListing& entries() const { return entries_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  DrugListing entries_;
};

}  // namespace prescription
