// The stroke input window on the shipped dictionary: opening, the pick into a box
// declared through the helper, the panels, help, hover colours and a target that is gone.
#include "shell/StrokePadWindow.h"
#include "startup/Main.h"
#include "store/Database.h"
#include "support/FileFaults.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/InputTarget.h"
#include "ui/Session.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using shell::StrokePadWindow;
using text::InputKind;

constexpr int kStrokeVertical = 1;  // 丨
constexpr int kStrokeFalling = 2;   // 丿
constexpr int kStrokeTurning = 4;   // ㄑ
constexpr int kStrokeHorizontal = 0;  // 一

class StrokePadWindowTest : public ::testing::Test {
 protected:
  StrokePadWindowTest() {
    startup::StartupEnvironment environment;
    environment.drives = folder.drives();
    environment.stationCode = "T1";
    state = startup::Main(environment, dialogs).value();
    session.windows.define(StrokePadWindow::kName, ui::WindowRegistry::Kind::TopLevel, [this] { return new StrokePadWindow(session); });

    // A small window with one box declared through the helper.
    auto* layout = new QVBoxLayout(&host);
    layout->addWidget(box);
    ui::declareInputTarget(session.padTarget, box, InputKind::Frequency);
    host.show();
    QApplication::setActiveWindow(&host);
    box->setFocus();
  }
  ~StrokePadWindowTest() override {
    session.windows.unload(StrokePadWindow::kName);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  StrokePadWindow& open() { return static_cast<StrokePadWindow&>(session.windows.openFresh(StrokePadWindow::kName)); }
  template <class W = QWidget>
  W* control(StrokePadWindow& pad, const QString& name) {
    W* w = pad.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString slot(StrokePadWindow& pad, const char* array, int index) {
    return control<QLabel>(pad, QStringLiteral("%1_%2").arg(array).arg(index))->text();
  }
  qint64 counter(const QString& character, InputKind kind) {
    return shell::StrokeDictionary(state.dictionaryDbPath).counter(character, kind).value_or(-1);
  }
  void click(StrokePadWindow& pad, const QString& name) { QTest::mouseClick(control(pad, name), Qt::LeftButton); }
  // Whether a character slot lies inside the panel area that shows it.
  bool characterSlotShows(StrokePadWindow& pad, int index) {
    QWidget* slot = control(pad, QStringLiteral("Label2_%1").arg(index));
    QWidget* picture = slot->parentWidget();
    const QRect inArea = slot->geometry().translated(picture->pos());
    return picture->isVisible() && picture->parentWidget()->rect().contains(inArea);
  }

  testing_support::TempFolder folder;
  testing_support::ScriptedDialogs dialogs;
  startup::AppState state;
  ui::Session session{state, dialogs};
  QWidget host;
  QLineEdit* box = new QLineEdit;
};

TEST_F(StrokePadWindowTest, TypingTheStrokesOfDePutsItFirstAndAPickTypesItIntoTheDeclaredBox) {
  box->setText("目");
  box->setCursorPosition(0);
  ASSERT_EQ(session.padTarget.box, box);
  ASSERT_EQ(session.padTarget.kind, InputKind::Frequency);
  StrokePadWindow& pad = open();

  for (int key : {kStrokeFalling, kStrokeVertical, kStrokeTurning, kStrokeHorizontal, kStrokeHorizontal})
    click(pad, QStringLiteral("Command8_%1").arg(key));
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), "丿丨ㄑ一一");
  EXPECT_EQ(slot(pad, "Label2", 0), "的");

  click(pad, "Label2_0");
  EXPECT_EQ(box->text(), "的目");
  EXPECT_EQ(box->cursorPosition(), 1);
  EXPECT_FALSE(box->hasSelectedText());
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(counter("的", InputKind::Frequency), 10000);  // shipped 9998
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), "");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(StrokePadWindowTest, OpensCompactAtTheRightEdgeWithTheBestRankedSlotsAndALookUp) {
  session.padTarget.kind.reset();
  StrokePadWindow& pad = open();
  EXPECT_EQ(session.padTarget.kind, InputKind::Frequency);  // the pad's default kind
  EXPECT_TRUE(pad.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(pad.windowTitle(), "智能笔画输入法");
  EXPECT_EQ(pad.height(), ui::px(StrokePadWindow::kCompactHeight - 405));
  const QRect screen = pad.screen()->geometry();
  EXPECT_NEAR(pad.frameGeometry().right() + 1, screen.right() + 1 - ui::px(200), 1);
  EXPECT_NEAR(pad.frameGeometry().top(), ui::px(800), 1);

  for (int i = 0; i < shell::kRadicalSlots; ++i) EXPECT_FALSE(slot(pad, "Label1", i).isEmpty()) << i;
  for (int i = 0; i < shell::kCharacterSlots; ++i) EXPECT_FALSE(slot(pad, "Label2", i).isEmpty()) << i;
  EXPECT_EQ(slot(pad, "Label2", 0), "的");
  EXPECT_TRUE(characterSlotShows(pad, 27));
  EXPECT_FALSE(characterSlotShows(pad, 28));  // radicals show: two rows of characters
  EXPECT_EQ(control<QPushButton>(pad, "Command1")->text(), "英");

  EXPECT_EQ(control<QLineEdit>(pad, "Text2")->text(), "打");
  EXPECT_EQ(control<QLabel>(pad, "Label7")->text(), "扌");
  EXPECT_EQ(control<QLabel>(pad, "Label8")->text(), "一丨一一丨");
}

TEST_F(StrokePadWindowTest, ARadicalCoversTheRadicalRowAndTheKeysPanelTypesItsCaptions) {
  StrokePadWindow& pad = open();
  const int radical = pad.pad().view().radicals.indexOf("扌");
  ASSERT_GE(radical, 0);
  click(pad, QStringLiteral("Label1_%1").arg(radical));
  EXPECT_TRUE(characterSlotShows(pad, 41));
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), "扌");

  click(pad, "Command1");
  EXPECT_EQ(control<QPushButton>(pad, "Command1")->text(), "中");
  EXPECT_TRUE(control(pad, "Picture5")->isVisible());
  EXPECT_FALSE(control(pad, "Picture3")->isVisible());
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), "");  // cleared
  click(pad, "Label4_10");  // "，"
  click(pad, "Label4_14");  // "a"
  EXPECT_EQ(box->text(), "，a");

  click(pad, "Command8_0");  // a stroke key brings the characters back
  EXPECT_EQ(control<QPushButton>(pad, "Command1")->text(), "英");
  EXPECT_TRUE(control(pad, "Picture3")->isVisible());
  EXPECT_FALSE(control(pad, "Picture5")->isVisible());
}

TEST_F(StrokePadWindowTest, HelpMakesTheWindowTallAndHideHelpCompactAgain) {
  StrokePadWindow& pad = open();
  click(pad, "Command2");
  EXPECT_EQ(pad.height(), ui::px(StrokePadWindow::kHelpHeight - 405));
  EXPECT_TRUE(pad.rect().contains(control(pad, "Command3")->geometry()));
  EXPECT_LE(ui::twips(pad.frameGeometry().bottom()), ui::twips(pad.screen()->geometry().height()));
  EXPECT_TRUE(control<QPlainTextEdit>(pad, "Text1")->toPlainText().contains("余部笔画“一丨”"));
  click(pad, "Command3");
  EXPECT_EQ(pad.height(), ui::px(StrokePadWindow::kCompactHeight - 405));
}

TEST_F(StrokePadWindowTest, HoverColoursOneSlotAndTheStrokeKeysResetThem) {
  StrokePadWindow& pad = open();
  const auto colour = [&](const char* array, int i) {
    return control(pad, QStringLiteral("%1_%2").arg(array).arg(i))->palette().color(QPalette::Window);
  };
  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(control(pad, "Label1_3"), &enter);
  EXPECT_EQ(colour("Label1", 3), QColor(255, 128, 0));
  EXPECT_EQ(colour("Label1", 2), QColor(255, 255, 0));
  QCoreApplication::sendEvent(control(pad, "Label2_5"), &enter);
  EXPECT_EQ(colour("Label2", 5), QColor(0, 255, 255));
  EXPECT_EQ(colour("Label1", 3), QColor(255, 255, 0));
  QCoreApplication::sendEvent(control(pad, "Command8_2"), &enter);
  EXPECT_EQ(colour("Label2", 5), QColor(255, 255, 255));
}

TEST_F(StrokePadWindowTest, WithNoBoxToTypeIntoAPickSaysSoAndCountsNothing) {
  StrokePadWindow& pad = open();
  click(pad, "Command8_2");
  const QString first = slot(pad, "Label2", 0);
  const qint64 before = counter(first, InputKind::Frequency);
  host.hide();  // the box's window is closed

  click(pad, "Label2_0");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_EQ(counter(first, InputKind::Frequency), before);
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), "丿");  // the strokes stay for the next try
}

TEST_F(StrokePadWindowTest, AnEmptyCharacterSlotDoesNothing) {
  box->setText("阿莫西林");
  box->setSelection(0, 4);
  StrokePadWindow& pad = open();
  for (int key : {kStrokeTurning, kStrokeTurning, kStrokeTurning, kStrokeTurning, kStrokeTurning})
    click(pad, QStringLiteral("Command8_%1").arg(key));
  ASSERT_TRUE(slot(pad, "Label2", 41).isEmpty());
  const QString input = control<QLabel>(pad, "Label3")->text();
  click(pad, "Label2_41");
  EXPECT_EQ(box->text(), "阿莫西林");
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), input);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(StrokePadWindowTest, ADictionaryThatCannotBeReadIsToldOncePerOpening) {
  state.dictionaryDbPath = folder.sub("nowhere/综合设置.dat");
  StrokePadWindow& pad = open();
  click(pad, "Command8_0");
  click(pad, "Command8_1");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  // What failed, why, and what it means for the user.
  const QString text = dialogs.messages[0].text;
  EXPECT_TRUE(text.startsWith("无法读取输入法词库（综合设置.dat）：")) << text.toStdString();
  EXPECT_TRUE(text.endsWith("。笔画输入法暂时列不出汉字。")) << text.toStdString();
  EXPECT_GT(text.size(), QString("无法读取输入法词库（综合设置.dat）：。笔画输入法暂时列不出汉字。").size());
  EXPECT_TRUE(slot(pad, "Label2", 0).isEmpty());
  EXPECT_EQ(control<QLabel>(pad, "Label3")->text(), "一丨");  // the pad still takes strokes
}

TEST_F(StrokePadWindowTest, APickThatCannotBeCountedIsTypedAndToldOncePerOpening) {
  StrokePadWindow& pad = open();
  // Another program is writing the dictionary: it reads, but a pick cannot be counted.
  const testing_support::ShortBusyTimeout shortWait;
  store::Database writer(state.dictionaryDbPath);
  writer.exec("BEGIN IMMEDIATE");
  for (int pick = 0; pick < 2; ++pick) {
    click(pad, QStringLiteral("Command8_%1").arg(kStrokeHorizontal));
    ASSERT_FALSE(slot(pad, "Label2", 0).isEmpty());
    click(pad, "Label2_0");
  }
  EXPECT_EQ(box->text().size(), 2);  // both characters typed
  ASSERT_EQ(dialogs.messages.size(), 1);
  const QString text = dialogs.messages[0].text;
  EXPECT_TRUE(text.startsWith("无法写入输入法词库（综合设置.dat）：")) << text.toStdString();
  EXPECT_TRUE(text.endsWith("。所选的字已输入，但这次未计入常用字排序。")) << text.toStdString();
  writer.exec("ROLLBACK");
}

}  // namespace
