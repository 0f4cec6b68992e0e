// The window registry: the life of the program's windows. A window is created on first
// use and its load runs then; closing it runs its unload code and forgets it, so the next
// use creates it afresh; "open" from a menu closes it and shows a fresh one. Child
// windows open inside the main window's client area, the others are top-level windows;
// an owned one stays above the main window, as a tool window does. A window whose size is
// fixed offers no maximise button.
#pragma once

#include "ui/Window.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <stdexcept>

#include <QMdiArea>

namespace ui {

// A window that cannot be had: not part of this build yet, or it failed to load.
class WindowUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class WindowRegistry : public QObject {
  Q_OBJECT

 public:
  // Owned: a top-level window, modeless, that the main window owns, so that the desktop
  // keeps it above the main window (a top-level one when there is no main window).
  enum class Kind { Child, TopLevel, Owned };
  using Factory = std::function<Window*()>;

  explicit WindowRegistry(QObject* parent = nullptr);
  ~WindowRegistry() override;

  // Makes a window known: its name, where it lives and how to create it.
  void define(const QString& name, Kind kind, Factory factory);
  bool isDefined(const QString& name) const;

  // The main window and its client area, where child windows open. Set by the main
  // window when it is created.
  void setMainWindow(QWidget* mainWindow, QMdiArea* clientArea);
  QWidget* mainWindow() const { return mainWindow_; }
  QMdiArea* clientArea() const { return clientArea_; }
  // The name of the main window, loaded first when a child window is needed.
  void setMainWindowName(const QString& name) { mainWindowName_ = name; }

  // The loaded window, or nullptr: never loads.
  Window* find(const QString& name) const;
  bool isLoaded(const QString& name) const { return find(name) != nullptr; }

  // The window, loading it on first use: created, placed, its Form_Load run; a child
  // window then shows, a top-level window stays hidden. Throws WindowUnavailable.
  Window& load(const QString& name);

  // Closes the window if it is loaded: its Form_Unload runs before this returns, and
  // the next use creates it afresh.
  void unload(const QString& name);

  // The menu's rule: close the window if it is open, then load and show it afresh.
  Window& openFresh(const QString& name);
  // Shows the window as it is (loading it if it is not loaded) and brings it forward.
  Window& bringForward(const QString& name);

  // The window named W::kName as a W, loading it first; W may also be an interface that
  // the window implements. A window of another type is unavailable (WindowUnavailable).
  template <class W>
  W& get() {
    const QString name = QString::fromLatin1(W::kName);
    W* typed = dynamic_cast<W*>(&load(name));
    if (!typed) throw WindowUnavailable(QStringLiteral("窗口类型不符（%1）").arg(name).toStdString());
    return *typed;
  }
  // The loaded window as a W; nullptr when it is not loaded or is of another type.
  template <class W>
  W* findAs() const {
    return dynamic_cast<W*>(find(QString::fromLatin1(W::kName)));
  }

 signals:
  void windowLoaded(const QString& name);
  void windowUnloaded(const QString& name);

 private:
  struct Definition {
    Kind kind;
    Factory factory;
  };
  void forget(Window* window);

  QHash<QString, Definition> definitions_;
  QHash<QString, QPointer<Window>> loaded_;
  QPointer<QWidget> mainWindow_;
  QPointer<QMdiArea> clientArea_;
  QString mainWindowName_;
};

}  // namespace ui
