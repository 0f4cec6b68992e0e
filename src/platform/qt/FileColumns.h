// The file dialog's columns in the program's language: the size and date of each entry
// through the program's own locale, and the type of a folder, whatever language the
// desktop speaks.
#pragma once

#include <QIdentityProxyModel>

namespace platform {

// Sits between a file dialog and its file system model; every other text passes as the
// model gives it.
class FileColumns final : public QIdentityProxyModel {
  Q_OBJECT

 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

}  // namespace platform
