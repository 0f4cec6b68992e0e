// A list's rows known by their number and the text of each. A view over it fills a hundred
// thousand rows at once, where an item per row would not, and asks only for the texts of
// the rows it paints.
#pragma once

#include <QAbstractListModel>

#include <functional>

namespace ui {

class TextRows : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  // `count` rows, row r showing text(r); what `text` reads must stay until the next call.
  void setRows(int count, std::function<QString(int row)> text);
  void clear() { setRows(0, {}); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  int count_ = 0;
  std::function<QString(int row)> text_;
};

}  // namespace ui
