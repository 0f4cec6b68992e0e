#include "ui/ListRows.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace ui {
namespace {

class TallerRows : public QStyledItemDelegate {
 public:
  TallerRows(int extra, QObject* parent) : QStyledItemDelegate(parent), extra_(extra) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rheight() += extra_;
    return size;
  }

 private:
  int extra_;
};

}  // namespace

void makeRowsTaller(QAbstractItemView* list, int pixels) {
  list->setItemDelegate(new TallerRows(pixels, list));
  list->setUpdatesEnabled(true);
}

}  // namespace ui
