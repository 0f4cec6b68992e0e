// Driving a window as a person does: a control is found by its name and reached only
// when a person could reach it, shown and enabled.
#pragma once

#include <QListWidget>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace testing_support {

// The control of `window` named `name`; a control that is missing, hidden in its window
// or disabled fails the test (a missing one returns null).
template <class C = QWidget>
C* reachable(const QObject& window, const QString& name) {
  C* control = window.findChild<C*>(name);
  if (!control) {
    ADD_FAILURE() << "no control " << name.toStdString();
    return nullptr;
  }
  EXPECT_TRUE(control->isVisibleTo(control->window())) << name.toStdString() << " is hidden";
  EXPECT_TRUE(control->isEnabled()) << name.toStdString() << " is disabled";
  return control;
}

// A left click in the middle of the named control of `window`.
inline void click(const QObject& window, const QString& name) {
  if (QWidget* control = reachable(window, name)) QTest::mouseClick(control, Qt::LeftButton);
}

// A double click at `pos` as the system delivers one: a click, then the double-click
// press and its release (QTest's own double click sends the middle event alone).
inline void doubleClick(QWidget* widget, QPoint pos) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// A double click on row `row` of a list, where a person picks it.
inline void doubleClickRow(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  ASSERT_NE(item, nullptr) << "no row " << row;
  doubleClick(list->viewport(), list->visualItemRect(item).center());
}

}  // namespace testing_support
