// No box of any window lets a control character or U+FFFD in: every line box, multi-line
// box and editable list box of every window is pasted into, as the user pastes, and keeps
// none of them. A box made outside the window kit's helpers shows here.
#include "ShellFixture.h"

#include "ui/TypedText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class EveryBoxFiltersTest : public testing_support::ShellFixture {};

const QString kPasted = QString::fromUtf16(u"阿\u0000\u0001\u001b\uFFFD\u007F\u0085莫", 9);

// A box the user can type into: enabled and not read-only.
bool typable(QWidget* box) {
  if (!box->isEnabled()) return false;
  if (auto* line = qobject_cast<QLineEdit*>(box)) return !line->isReadOnly();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return !plain->isReadOnly();
  return false;
}

QString textOf(QWidget* box) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
  return qobject_cast<QPlainTextEdit*>(box)->toPlainText();
}

TEST_F(EveryBoxFiltersTest, NoBoxOfAnyWindowKeepsAPastedControlCharacter) {
  start();
  login();
  int boxes = 0;
  for (int form = 1; form <= 21; ++form) {
    const QString name = QStringLiteral("Form%1").arg(form);
    if (!session->windows.isDefined(name)) continue;
    SCOPED_TRACE(name.toStdString());
    ui::Window& window = session->windows.isLoaded(name) ? *session->windows.find(name) : session->windows.load(name);
    QList<QWidget*> found;
    for (QLineEdit* line : window.findChildren<QLineEdit*>()) found << line;  // a list box's own box too
    for (QPlainTextEdit* plain : window.findChildren<QPlainTextEdit*>()) found << plain;
    for (QWidget* box : found) {
      // Pasting may close the window (a pick, a save): what is gone is not looked at.
      if (!session->windows.isLoaded(name) || !typable(box)) continue;
      const QString boxName = box->objectName().isEmpty() && box->parentWidget() ? box->parentWidget()->objectName()
                                                                                   : box->objectName();
      QApplication::clipboard()->setText(kPasted);
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      const QString text = textOf(box);
      EXPECT_EQ(ui::withoutUntypableCharacters(text), text) << boxName.toStdString();
      ++boxes;
    }
  }
  EXPECT_GT(boxes, 100) << "the windows' boxes were found";
}

}  // namespace
