// A window of the program: loaded by the registry on first use, unloaded when closed.
// Positions are read and set in twips of its outer frame, as the designed windows do:
// a child window's in the main window's client area, a top-level window's on the screen.
#pragma once

#include <QWidget>

class QMdiSubWindow;

namespace ui {

class WindowRegistry;

class Window : public QWidget {
  Q_OBJECT

 public:
  // `name` is the window's name ("Form8") and its objectName().
  explicit Window(const QString& name, QWidget* parent = nullptr);

  QString name() const { return objectName(); }

  // Runs once, right after the registry has created the window and put it in place
  // (inside the main window for a child window), before a child window shows.
  virtual void Form_Load() {}
  // Runs when the window is closed, however it is closed, before it is destroyed.
  virtual void Form_Unload() {}

  // The outer frame in twips: the sub-window frame of a child window, the window
  // itself (frame included) of a top-level one.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(double left, double top);

  // Shows the window (its frame, for a child window) and brings it forward.
  void Show();
  // Hides it; it stays loaded.
  void Hide();
  bool isShown() const;

  // The frame that carries the window: its QMdiSubWindow, or the window itself.
  QWidget* frame();
  const QWidget* frame() const;
  QMdiSubWindow* subWindow() const;

  // A window whose size is fixed offers no maximise button, on its frame or in its menu:
  // maximised, it would only float in a corner of the space it was given.
  void offerMaximiseOnlyIfItCanGrow();

 signals:
  // Emitted after Form_Unload, when the window has accepted its close.
  void unloaded(ui::Window* window);

 protected:
  // The designed client area, in twips; the window keeps this size.
  void setClientSize(double widthTwips, double heightTwips);
  // The shared placement: centred on the main window, 150 twips left and 450 up.
  void placeOnMainWindow();
  // The main window's outer frame in twips; an empty rectangle when there is none.
  QRect mainWindowTwips() const;

  WindowRegistry* registry() const { return registry_; }

  void closeEvent(QCloseEvent* event) override;

 private:
  friend class WindowRegistry;
  WindowRegistry* registry_ = nullptr;
  bool unloading_ = false;
};

}  // namespace ui
