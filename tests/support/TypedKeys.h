// Typing into a control key by key, Chinese characters included.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>

namespace testing_support {

// ASCII goes through QTest's key clicks; any other character comes as an input method
// hands it over: a key event that carries the character and no key code.
inline void typeKeys(QWidget* box, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(box, c.toLatin1());
      continue;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &release);
  }
}

}  // namespace testing_support
