#include "ui/Window.h"

#include "ui/Controls.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace ui {

Window::Window(const QString& name, QWidget* parent) : QWidget(parent) {
  setControlName(this, name);
  // Laid out absolutely: what lies between the controls is the window's own colour.
  setAutoFillBackground(true);
}

QMdiSubWindow* Window::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

QWidget* Window::frame() {
  if (QMdiSubWindow* sub = subWindow()) return sub;
  return this;
}

const QWidget* Window::frame() const {
  if (QMdiSubWindow* sub = subWindow()) return sub;
  return this;
}

int Window::Left() const { return twips(frame()->frameGeometry().x()); }
int Window::Top() const { return twips(frame()->frameGeometry().y()); }
int Window::Width() const { return twips(frame()->frameGeometry().width()); }
int Window::Height() const { return twips(frame()->frameGeometry().height()); }

void Window::Move(double left, double top) { frame()->move(px(left), px(top)); }

void Window::offerMaximiseOnlyIfItCanGrow() {
  QWidget* f = frame();
  const bool canGrow = minimumSize() != maximumSize();
  Qt::WindowFlags flags = f->windowFlags();
  // A frame without the customising hint has the desktop's full set of buttons.
  if (!(flags & Qt::CustomizeWindowHint)) {
    if (canGrow) return;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  }
  flags.setFlag(Qt::WindowMaximizeButtonHint, canGrow);
  if (flags != f->windowFlags()) f->setWindowFlags(flags);
}

void Window::Show() {
  QWidget* f = frame();
  f->show();
  show();
  f->raise();
  if (QMdiSubWindow* sub = subWindow()) {
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
  } else {
    activateWindow();
  }
}

void Window::Hide() { frame()->hide(); }

bool Window::isShown() const { return frame()->isVisible(); }

void Window::setClientSize(double widthTwips, double heightTwips) {
  setFixedSize(pxSize(widthTwips, heightTwips));
  if (QMdiSubWindow* sub = subWindow()) sub->adjustSize();
  if (registry_) offerMaximiseOnlyIfItCanGrow();
}

QRect Window::mainWindowTwips() const {
  const QWidget* main = registry_ ? registry_->mainWindow() : nullptr;
  if (!main) return QRect();
  const QRect g = main->frameGeometry();
  return QRect(twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height()));
}

void Window::placeOnMainWindow() {
  const QRect main = mainWindowTwips();
  if (main.isNull()) return;
  Move((main.width() - Width()) / 2.0 - 150, (main.height() - Height()) / 2.0 - 450);
}

void Window::closeEvent(QCloseEvent* event) {
  // A window closes once, however many close requests reach it (its own close box, the
  // sub-window's, the registry).
  if (!unloading_) {
    unloading_ = true;
    Form_Unload();
    emit unloaded(this);
  }
  event->accept();
}

}  // namespace ui
