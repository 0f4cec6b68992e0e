// A list whose row is taken only when the user moves to it: a left click on a row, a
// drag with the left button held, or a key that moves the current row (the arrows,
// Home/End, PgUp/PgDn, a typed letter). A right or middle press changes nothing, and the
// current row that Qt sets by itself (when the list takes the focus or is filled again)
// is no pick.
#pragma once

#include <QListView>

#include <functional>

namespace ui {

class PickList : public QListView {
 public:
  using QListView::QListView;

  // `handler` gets the row the user moved to (or clicked again).
  void onPicked(std::function<void(int row)> handler) { picked_ = std::move(handler); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // Runs the list's own handling of an event and tells the pick when it moved the row.
  template <class Handle>
  void pickAfter(Handle&& handle);

  std::function<void(int row)> picked_;
};

}  // namespace ui
