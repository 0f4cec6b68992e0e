// The characters no box takes (control characters other than tab, CR and LF, and U+FFFD)
// are dropped from what is typed, pasted or committed by an input method, in every kind of
// box the window kit makes (line boxes, multi-line and one-line boxes, editable list boxes)
// and in the box of the program's question for a name; text the program sets keeps them.
#include "platform/qt/QtDialogs.h"
#include "ui/ComboBoxes.h"
#include "ui/Controls.h"
#include "ui/OneLineTextBox.h"
#include "ui/TypingLimits.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <functional>

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
  TypedTextBoxes() {
    ui::makeEditable(fontBox);
    ui::takeTextAsTyped(phraseBox);
  }
  QWidget window;
  QLineEdit* line = ui::make<QLineEdit>(&window, "Text1", {0, 0, 2000, 300});
  QLineEdit* limited = ui::make<QLineEdit>(&window, "Text2", {0, 400, 2000, 300});
  QPlainTextEdit* memo = ui::make<QPlainTextEdit>(&window, "Text3", {0, 800, 4000, 1500});
  ui::OneLineTextBox* oneLine = ui::make<ui::OneLineTextBox>(&window, "Text4", {0, 2400, 4000, 300});
  QComboBox* fontBox = ui::make<QComboBox>(&window, "Combo1", {0, 2800, 2000, 300});
  QComboBox* phraseBox = ui::make<QComboBox>(&window, "Combo2", {0, 3200, 2000, 300});
};

// What the user puts into a box by the clipboard, by a key that carries the characters
// (as a scanner or a remote keyboard sends them) and by an input method.
void typeIntoBox(QWidget* box) {
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf16(u"x\u0000y", 3));
  QApplication::sendEvent(box, &press);
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf16(u"药\uFFFD"));
  QApplication::sendEvent(box, &composed);
}

TEST_F(TypedTextBoxes, PastedTypedAndComposedTextLosesThemEveryBox) {
  ui::limitTyping(limited, 50);
  QApplication::clipboard()->setText(kPasted);
  const struct {
    const char* kind;
    QWidget* box;
    std::function<QString()> text;
  } boxes[] = {
      {"line box", line, [&] { return line->text(); }},
      {"line box with a typing limit", limited, [&] { return limited->text(); }},
      {"multi-line box", memo, [&] { return memo->toPlainText(); }},
      {"one-line box of a multi-line array", oneLine, [&] { return oneLine->toPlainText(); }},
      {"editable list box", fontBox->lineEdit(), [&] { return fontBox->currentText(); }},
      {"list box taking its text as typed", phraseBox->lineEdit(), [&] { return phraseBox->currentText(); }},
  };
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.kind);
    typeIntoBox(b.box);
    const QString text = b.text();
    EXPECT_EQ(ui::withoutUntypableCharacters(text), text) << text.toStdString();
    EXPECT_TRUE(text.startsWith(QString::fromUtf16(u"阿"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QString::fromUtf16(u"莫xy药"))) << text.toStdString();
  }
  // A line box keeps a line: the pasted line breaks are its own business.
  EXPECT_EQ(limited->text(), line->text());
  EXPECT_EQ(fontBox->currentText(), line->text());
  QString lines = memo->toPlainText();
  lines.remove(u'\n');
  EXPECT_EQ(lines, QString::fromUtf16(u"阿\t莫xy药")) << "the line breaks stay, as the box holds them";
  EXPECT_EQ(oneLine->toPlainText(), QString::fromUtf16(u"阿\t 莫xy药")) << "the line break is a blank";
}

// The program's question for a name (as "保存为病历模板" asks): what is typed or pasted
// into its box loses them too, so the name stored never holds them.
TEST_F(TypedTextBoxes, TheNameTheProgramAsksForLosesThemToo) {
  QApplication::clipboard()->setText(kPasted);
  platform::QtDialogs dialogs;
  bool typed = false;
  QTimer::singleShot(0, [&] {
    QWidget* asking = QApplication::activeModalWidget();
    ASSERT_NE(asking, nullptr);
    auto* box = asking->findChild<QLineEdit*>();
    ASSERT_NE(box, nullptr);
    typeIntoBox(box);
    typed = true;
    QTest::keyClick(box, Qt::Key_Return);
  });
  const QString name = dialogs.inputText(QStringLiteral("请输入疾病名称："), QStringLiteral("保存为病历模板"));
  EXPECT_TRUE(typed);
  EXPECT_EQ(ui::withoutUntypableCharacters(name), name) << name.toStdString();
  EXPECT_TRUE(name.endsWith(QString::fromUtf16(u"莫xy药"))) << name.toStdString();
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
