#include "ui/WindowRegistry.h"

#include "ui/Controls.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace ui {

WindowRegistry::WindowRegistry(QObject* parent) : QObject(parent) {}

WindowRegistry::~WindowRegistry() {
  // Top-level windows have no parent to delete them; child windows go with the main
  // window. No unload code runs: the process is ending.
  for (const QPointer<Window>& window : std::as_const(loaded_)) {
    if (window && !window->subWindow() && !window->parentWidget()) delete window.data();
  }
}

void WindowRegistry::define(const QString& name, Kind kind, Factory factory) {
  definitions_.insert(name, Definition{kind, std::move(factory)});
}

bool WindowRegistry::isDefined(const QString& name) const { return definitions_.contains(name); }

void WindowRegistry::setMainWindow(QWidget* mainWindow, QMdiArea* clientArea) {
  mainWindow_ = mainWindow;
  clientArea_ = clientArea;
}

Window* WindowRegistry::find(const QString& name) const {
  const auto it = loaded_.constFind(name);
  return it == loaded_.constEnd() ? nullptr : it->data();
}

Window& WindowRegistry::load(const QString& name) {
  if (Window* window = find(name)) return *window;
  const auto definition = definitions_.constFind(name);
  if (definition == definitions_.constEnd())
    throw WindowUnavailable(QStringLiteral("该功能尚未提供（%1）").arg(name).toStdString());

  if (definition->kind == Kind::Child && !clientArea_) {
    // A child window needs the main window; loading that may already load this one.
    if (!mainWindowName_.isEmpty() && mainWindowName_ != name) load(mainWindowName_);
    if (Window* window = find(name)) return *window;
    if (!clientArea_) throw WindowUnavailable(QStringLiteral("主窗口尚未打开").toStdString());
  }

  Window* window = definition->factory();
  if (!window) throw WindowUnavailable(QStringLiteral("窗口无法创建（%1）").arg(name).toStdString());
  setControlName(window, name);
  window->registry_ = this;
  if (definition->kind == Kind::Child) {
    QMdiSubWindow* sub = clientArea_->addSubWindow(window);
    setControlName(sub, name + QStringLiteral("_frame"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->adjustSize();
  } else {
    if (definition->kind == Kind::Owned && mainWindow_) window->setParent(mainWindow_, Qt::Dialog);
    window->setAttribute(Qt::WA_DeleteOnClose);
  }
  window->offerMaximiseOnlyIfItCanGrow();
  connect(window, &Window::unloaded, this, &WindowRegistry::forget);
  // Known before its load runs, so that what the load refers to finds it loaded.
  loaded_.insert(name, window);
  window->Form_Load();
  if (definition->kind == Kind::Child && find(name) == window) window->Show();
  emit windowLoaded(name);
  return *window;
}

void WindowRegistry::unload(const QString& name) {
  Window* window = find(name);
  if (!window) return;
  window->frame()->close();
  // A window whose close was not delivered (its frame already gone) is forgotten too.
  if (find(name) == window) forget(window);
}

void WindowRegistry::forget(Window* window) {
  const QString name = loaded_.key(window);
  if (name.isEmpty()) return;
  loaded_.remove(name);
  window->frame()->hide();
  window->frame()->deleteLater();
  emit windowUnloaded(name);
}

Window& WindowRegistry::openFresh(const QString& name) {
  unload(name);
  Window& window = load(name);
  window.Show();
  return window;
}

Window& WindowRegistry::bringForward(const QString& name) {
  Window& window = load(name);
  window.Show();
  return window;
}

}  // namespace ui
