// A started program in a temporary data folder: start-up has run, the windows are
// defined, messages go to a scripted double and ending the process is only counted.
#pragma once

#include "startup/AppState.h"
#include "support/RealInput.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/Session.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

class QAction;

namespace testing_support {

class ShellFixture : public ::testing::Test {
 protected:
  ShellFixture();
  ~ShellFixture() override;

  // Runs start-up and defines the windows; tests may change the data folder before.
  void start();
  // Logs in with the shipped password: the main window opens with the prescription window.
  void login();

  // Chooses the main window's menu item with the mouse: a click on the menu bar, and on
  // the item in the menu that opens when it is in one. The item is found by its caption
  // or by its object name; a hidden or disabled one fails the test.
  void triggerMenu(const QString& caption);
  void chooseFromMenu(const QString& name);

  void clickMenuItem(QAction* item);

  // Runs a statement on the main database.
  void execMain(const QString& sql);
  // The first settings row's column, "<no row>" when there is none.
  QString storedSetting(const QString& column);
  QString dataFile(const QString& name) const;

  // Deletes what closed windows left behind.
  static void flushDeletes();

  template <class W>
  W& window() {
    return session->windows.get<W>();
  }
  template <class W>
  W* loaded() const {
    return session->windows.findAs<W>();
  }

  // A window's control found by its name, as accessibility tools find it; a missing or
  // differently typed control fails the test.
  template <class C>
  static C* named(const QObject& window, const QString& name) {
    C* control = window.findChild<C*>(name);
    if (!control) throw std::logic_error("no control " + name.toStdString());
    return control;
  }

  TempFolder folder;
  ScriptedDialogs dialogs;
  startup::AppState state;
  std::unique_ptr<ui::Session> session;
  int processEnds = 0;
};

}  // namespace testing_support
