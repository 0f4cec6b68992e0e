#include "ui/PickList.h"

#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>

namespace ui {

template <class Handle>
void PickList::pickAfter(Handle&& handle) {
  const QPersistentModelIndex before = currentIndex();
  handle();
  const QModelIndex now = currentIndex();
  if (now.isValid() && now != before && picked_) picked_(now.row());
}

void PickList::mousePressEvent(QMouseEvent* event) {
  // Only the left button picks; the others leave the row and the selection as they are.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  const QModelIndex pressed = indexAt(event->position().toPoint());
  QListView::mousePressEvent(event);
  // A click on the row that is already current takes it again.
  if (pressed.isValid() && pressed == currentIndex() && picked_) picked_(pressed.row());
}

void PickList::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    QListView::mouseMoveEvent(event);
    return;
  }
  pickAfter([&] { QListView::mouseMoveEvent(event); });
}

void PickList::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QListView::mouseReleaseEvent(event);
}

void PickList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  // The list hands a second press on another row to mousePressEvent, which picks it.
  QListView::mouseDoubleClickEvent(event);
}

void PickList::keyPressEvent(QKeyEvent* event) {
  pickAfter([&] { QListView::keyPressEvent(event); });
}

void PickList::focusInEvent(QFocusEvent* event) {
  // Taking the focus, the list makes its first row current when none is. That row is no
  // pick: framed as current it would stand for a record the window does not show.
  const bool hadCurrent = currentIndex().isValid();
  QListView::focusInEvent(event);
  if (!hadCurrent && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
}

}  // namespace ui
