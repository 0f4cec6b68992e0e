// The main window: the frame that holds the prescription window and the other child
// windows, with the menu bar that opens every window of the program.
#pragma once

#include "ui/Session.h"
#include "ui/Window.h"

#include <QMdiArea>
#include <QMenuBar>

namespace shell {

class MainWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form1";
  // The product name, U+E779, the version and U+E779 again, with no blanks.
  static inline const QString kCaption = QStringLiteral("Tavorin\uE779V12.1\uE779");
  static constexpr int kMinimumWidth = 15630;   // twips, outer size, normal state only
  static constexpr int kMinimumHeight = 10950;

  explicit MainWindow(ui::Session& session);

  void Form_Load() override;
  // Closing: the child windows close first, each with its own closing handling; then the
  // rest is hidden, the search keys are rebuilt once if they need it, and the program ends.
  void Form_Unload() override;

  QMenuBar* menuBar() const { return menuBar_; }
  QMdiArea* clientArea() const { return clientArea_; }

  // Chooses a menu item by its name, as a click does.
  void choose(const QString& itemName);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct MenuItem;
  static const QList<MenuItem>& menuItems();
  void buildMenu();
  void MDIForm_Resize();
  bool isNormalState() const;
  // Restored from maximised, the window takes its minimum size with its frame, title bar
  // included, at the top left of the screen's working area: the size it had before was
  // the whole working area, with the title bar above it.
  void placeRestored();
  // A window whose title bar lies above the working area moves down onto it, where the
  // mouse can take it.
  void keepTitleBarOnScreen();

  // The menu's rule: close the window if it is open, then show it afresh.
  void openWindow(const QString& name);
  void openWordList(const QString& caption, const QString& listName);
  void openRecordTemplates();

  ui::Session& session_;
  QMenuBar* menuBar_ = nullptr;
  QMdiArea* clientArea_ = nullptr;
  bool loaded_ = false;
  bool closing_ = false;
  bool resizing_ = false;
};

}  // namespace shell
