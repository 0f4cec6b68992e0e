// The stroke pad's target: declared boxes announce themselves when they take the focus,
// and the adapter types into line and multi-line boxes as a person typing would.
#include "ui/InputTarget.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using text::InputKind;

// A small window with a declared line box, a declared multi-line box and a plain box.
class Host : public ::testing::Test {
 protected:
  Host() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(name);
    layout->addWidget(body);
    layout->addWidget(other);
    ui::declareInputTarget(target, name, InputKind::Name);
    ui::declareInputTarget(target, body, InputKind::Drug);
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
  }

  ui::PadTarget target;
  QWidget window;
  QLineEdit* name = new QLineEdit;
  QPlainTextEdit* body = new QPlainTextEdit;
  QLineEdit* other = new QLineEdit;
};

TEST_F(Host, ADeclaredBoxBecomesTheTargetWithItsKindWhenItTakesTheFocus) {
  body->setFocus();
  EXPECT_EQ(target.box, body);
  EXPECT_EQ(target.kind, InputKind::Drug);
  name->setFocus();
  EXPECT_EQ(target.box, name);
  EXPECT_EQ(target.kind, InputKind::Name);
  other->setFocus();  // not declared: the target stays
  EXPECT_EQ(target.box, name);
  EXPECT_EQ(target.kind, InputKind::Name);
}

TEST_F(Host, InsertingReplacesTheSelectionInBothKindsOfBox) {
  name->setText("张三丰");
  name->setSelection(1, 1);
  ui::InputTarget(name).insertText("四");
  EXPECT_EQ(name->text(), "张四丰");
  EXPECT_EQ(name->cursorPosition(), 2);

  body->setPlainText("阿莫西林\n头孢");
  QTextCursor cursor = body->textCursor();
  cursor.setPosition(5);
  body->setTextCursor(cursor);
  ui::InputTarget(body).insertText("一");
  EXPECT_EQ(body->toPlainText(), "阿莫西林\n一头孢");
  EXPECT_EQ(body->textCursor().position(), 6);

  name->setMaxLength(3);  // typing limits hold for the pad as for the keyboard
  name->setCursorPosition(3);
  ui::InputTarget(name).insertText("多");
  EXPECT_EQ(name->text(), "张四丰");
}

TEST_F(Host, DeletingBeforeTheCaret) {
  const struct {
    const char* text;
    int caret;
    int selected;  // characters selected from the caret
    const char* after;
    bool deleted;
  } cases[] = {
      {"阿莫西林", 4, 0, "阿莫西", true},
      {"阿莫西林", 1, 0, "莫西林", true},
      {"阿莫西林", 0, 0, "阿莫西林", false},
      {"阿莫西林", 2, 2, "阿西林", true},   // before the selection; the selection is kept as text
      {"a\U00020000b", 3, 0, "ab", true},  // a character outside the basic plane goes whole
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const QString text = QString::fromUtf8(c.text);
    name->setText(text);
    name->setSelection(c.caret, c.selected);
    if (!c.selected) name->setCursorPosition(c.caret);
    EXPECT_EQ(ui::InputTarget(name).deleteBeforeCaret(), c.deleted);
    EXPECT_EQ(name->text(), QString::fromUtf8(c.after));

    body->setPlainText(text);
    QTextCursor cursor = body->textCursor();
    cursor.setPosition(c.caret);
    cursor.setPosition(c.caret + c.selected, QTextCursor::KeepAnchor);
    body->setTextCursor(cursor);
    EXPECT_EQ(ui::InputTarget(body).deleteBeforeCaret(), c.deleted);
    EXPECT_EQ(body->toPlainText(), QString::fromUtf8(c.after));
  }
}

TEST_F(Host, ABoxThatCannotTakeTypingIsLeftAlone) {
  name->setText("张三");
  name->setReadOnly(true);
  EXPECT_FALSE(ui::InputTarget(name).canType());
  ui::InputTarget(name).insertText("四");
  EXPECT_EQ(name->text(), "张三");

  body->setEnabled(false);
  EXPECT_FALSE(ui::InputTarget(body).canType());
  other->hide();
  EXPECT_FALSE(ui::InputTarget(other).canType());

  auto* gone = new QLineEdit(&window);
  ui::InputTarget target(gone);
  delete gone;
  EXPECT_FALSE(target.canType());
  target.insertText("x");  // nothing to type into, and no crash
  target.takeFocus();
  EXPECT_FALSE(ui::InputTarget(new QObject(&window)).canType());  // not a text box
}

TEST_F(Host, EnterIsTypedIntoTheBox) {
  QSignalSpy returns(name, &QLineEdit::returnPressed);
  ui::InputTarget(name).sendEnter();
  EXPECT_EQ(returns.count(), 1);
  body->setPlainText("ab");
  body->moveCursor(QTextCursor::End);
  ui::InputTarget(body).sendEnter();
  EXPECT_EQ(body->toPlainText(), "ab\n");
}

TEST_F(Host, TakingTheFocusKeepsTheCaretAndSelectsNothing) {
  name->setText("阿莫西林");
  name->setCursorPosition(2);
  other->setFocus();
  ui::InputTarget(name).takeFocus();
  EXPECT_TRUE(name->hasFocus());
  EXPECT_FALSE(name->hasSelectedText());
  EXPECT_EQ(name->cursorPosition(), 2);
}

}  // namespace
