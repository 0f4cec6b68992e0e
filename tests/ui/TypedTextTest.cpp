// The characters no box takes (control characters other than tab, CR and LF, and U+FFFD)
// are dropped from what is typed, pasted or committed by an input method, in every box
// the window kit makes; text the program sets keeps them.
#include "ui/Controls.h"
#include "ui/TypingLimits.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// 阿, NUL, U+0001, a tab, CR LF, U+FFFD, DEL, a C1 control, 莫.
const QString kPasted = QString::fromUtf16(u"阿\u0000\u0001\t\r\n\uFFFD\u007F\u0085莫", 11);
const QString kKept = QString::fromUtf16(u"阿\t\r\n莫");

TEST(TypedText, DropsControlCharactersButTabCrLfAndTheReplacementCharacter) {
  struct Case {
    QString text;
    int caret;
    QString kept;
    int keptCaret;
  } cases[] = {
      {kPasted, 11, kKept, 5},
      {kPasted, 2, QString::fromUtf16(u"阿\t\r\n莫"), 1},  // the NUL before the caret is gone
      {QString::fromUtf16(u"abc"), 1, QString::fromUtf16(u"abc"), 1},
      {QString::fromUtf16(u"\uFFFD\uFFFD"), 2, QString(), 0},
  };
  for (const Case& c : cases) {
    int caret = c.caret;
    EXPECT_EQ(ui::withoutUntypableCharacters(c.text, &caret), c.kept) << c.caret;
    EXPECT_EQ(caret, c.keptCaret) << c.caret;
  }
}

class TypedTextBoxes : public ::testing::Test {
 protected:
  QWidget window;
  QLineEdit* line = ui::make<QLineEdit>(&window, "Text1", {0, 0, 2000, 300});
  QLineEdit* limited = ui::make<QLineEdit>(&window, "Text2", {0, 400, 2000, 300});
  QPlainTextEdit* memo = ui::make<QPlainTextEdit>(&window, "Text3", {0, 800, 4000, 1500});
};

TEST_F(TypedTextBoxes, PastedTypedAndComposedTextLosesThemEveryBox) {
  ui::limitTyping(limited, 50);
  QApplication::clipboard()->setText(kPasted);
  for (QWidget* box : std::initializer_list<QWidget*>{line, limited, memo}) {
    SCOPED_TRACE(box->objectName().toStdString());
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    // A key that carries such characters, as a scanner or a remote keyboard sends them.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf16(u"x\u0000y", 3));
    QApplication::sendEvent(box, &press);
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf16(u"药\uFFFD"));
    QApplication::sendEvent(box, &composed);
  }
  // A line box keeps a line: the pasted line breaks are its own business.
  EXPECT_FALSE(line->text().contains(QChar(0))) << line->text().toStdString();
  EXPECT_FALSE(line->text().contains(QChar::ReplacementCharacter));
  EXPECT_TRUE(line->text().endsWith(QString::fromUtf16(u"xy药")));
  EXPECT_TRUE(line->text().startsWith(QString::fromUtf16(u"阿")));
  EXPECT_EQ(limited->text(), line->text());
  QString lines = memo->toPlainText();
  lines.remove(u'\n');
  EXPECT_EQ(lines, QString::fromUtf16(u"阿\t莫xy药")) << "the line breaks stay, as the box holds them";
}

TEST_F(TypedTextBoxes, TextTheProgramSetsKeepsThem) {
  ui::limitTyping(limited, 50);
  line->setText(kPasted);
  limited->setText(kPasted);
  memo->setPlainText(kPasted);
  EXPECT_EQ(line->text(), kPasted);
  EXPECT_EQ(limited->text(), kPasted);
  EXPECT_TRUE(memo->toPlainText().contains(QChar(0)));
  EXPECT_TRUE(memo->toPlainText().contains(QChar::ReplacementCharacter));
}

}  // namespace
