// Typing limits hold back what is typed, never what the program sets.
#include "ui/TypingLimits.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(TypingLimits, HoldBackTypingOnly) {
  QLineEdit name;
  ui::limitTyping(&name, 3);
  QTest::keyClicks(&name, "abcd");
  EXPECT_EQ(name.text(), "abc");

  name.setText("abcdef");  // set by the program: kept whole
  EXPECT_EQ(name.text(), "abcdef");
  QTest::keyClick(&name, Qt::Key_Backspace);
  EXPECT_EQ(name.text(), "abcde") << "an over-long text may still be shortened";
  QTest::keyClicks(&name, "x");
  EXPECT_EQ(name.text(), "abcde");

  QLineEdit cell;
  ui::refuseTyping(&cell, "@$");
  QTest::keyClicks(&cell, "1@2$3");
  EXPECT_EQ(cell.text(), "123");
}

}  // namespace
