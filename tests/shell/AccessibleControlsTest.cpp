// Every control of every window is told apart by its name: the name is its accessible
// description and no other control of the window carries it.
#include "ShellFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "shell/MainWindow.h"
#include "shell/AboutWindow.h"
#include "shell/NetworkWindow.h"
#include "shell/StrokePadWindow.h"
#include "shell/SettingsWindow.h"
#include "shell/LoginWindow.h"

#include <QSet>

namespace {

class AccessibleControlsTest : public testing_support::ShellFixture {};

// The window's own controls, without those of windows inside it and without the parts
// that Qt makes inside its widgets ("qt_" names, or none).
QList<QWidget*> designedControls(ui::Window* window) {
  QList<QWidget*> controls;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) continue;
    QWidget* owner = w->parentWidget();
    while (owner && !qobject_cast<ui::Window*>(owner)) owner = owner->parentWidget();
    if (owner == window) controls << w;
  }
  return controls;
}

TEST_F(AccessibleControlsTest, EveryControlIsDescribedByItsOwnName) {
  start();
  login();
  session->windows.openFresh("Form10");
  session->windows.openFresh("Form20");
  session->windows.openFresh("Form21");
  window<shell::SettingsWindow>();
  const char* clinical[] = {"Form4", "Form5", "Form6", "Form7", "Form14"};
  for (const char* name : clinical) session->windows.openFresh(QString::fromLatin1(name));
  for (const char* name : {"Form1", "Form2", "Form8", "Form9", "Form10", "Form20", "Form21", "Form4", "Form5", "Form6",
                           "Form7", "Form14"}) {
    SCOPED_TRACE(name);
    ui::Window* window = session->windows.find(QString::fromLatin1(name));
    ASSERT_TRUE(window);
    const QList<QWidget*> controls = designedControls(window);
    EXPECT_GE(controls.size(), 2);
    QSet<QString> seen;
    for (QWidget* control : controls) {
      const QString controlName = control->objectName();
      EXPECT_EQ(control->accessibleDescription(), controlName);
      EXPECT_FALSE(seen.contains(controlName)) << controlName.toStdString() << " twice";
      seen.insert(controlName);
    }
  }
}

TEST_F(AccessibleControlsTest, BoxesTakeTheirCaptionsAsAccessibleNames) {
  start();
  auto& settings = window<shell::SettingsWindow>();
  EXPECT_EQ(settings.Text8->accessibleName(), "原密码");
  EXPECT_EQ(settings.Text1->accessibleName(), "单位名称");
  EXPECT_EQ(settings.Text13->accessibleName(), "输液卡上边距");
  EXPECT_EQ(settings.Combo1->accessibleName(), "处方打印字体");
  EXPECT_EQ(window<shell::LoginWindow>().Text1->accessibleName(), "请输入登录密码");
  // The medical-record window's two lists and search box are named by their headings.
  const ui::Window& record = session->windows.openFresh("Form14");
  const char* captions[][2] = {{"List2", "病历模板"}, {"List1", "插入常用语"}, {"Text1", "搜索"}, {"Text2_8", "处  理："}};
  for (const auto& [control, caption] : captions)
    EXPECT_EQ(named<QWidget>(record, QString::fromLatin1(control))->accessibleName(), QString::fromUtf8(caption)) << control;
}

}  // namespace
