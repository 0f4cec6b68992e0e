// The main window: its menu, the "open afresh" rule, the bell switch, the resize rule,
// the prescription window's piece that it touches, and closing.
#include "ShellFixture.h"

#include "links/TemplatesLink.h"
#include "links/WordListLink.h"
#include "prescription/PrescriptionWindow.h"
#include "shell/MainWindow.h"
#include "shell/AboutWindow.h"
#include "shell/SettingsWindow.h"
#include "store/Database.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QTimer>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QWindow>

namespace {

using prescription::PrescriptionWindow;
using shell::MainWindow;

class MainWindowTest : public testing_support::ShellFixture {
 protected:
  MainWindow& form1() { return window<MainWindow>(); }
  PrescriptionWindow& form2() { return window<PrescriptionWindow>(); }
  int shownChildren(const QString& name) {
    flushDeletes();
    int n = 0;
    for (QMdiSubWindow* sub : form1().clientArea()->subWindowList())
      n += sub->isVisible() && sub->widget() && sub->widget()->objectName() == name ? 1 : 0;
    return n;
  }
};

TEST_F(MainWindowTest, TheMenuHasTwelveEntriesAndTwentySevenItemsCaptionedAsDesigned) {
  start();
  login();
  const QStringList expected = {
      "综合设置(S)",      "药物维护(Y)",   "出入库管理(G)", ">进货明细管理", ">进货统计",    ">销售明细管理",
      ">销售统计",        "模板维护(M)",   ">人个组套\\中药方剂", ">病历模板维护", ">添加常用地址", ">添加常用诊断",
      ">添加常用症状",    ">添加中药用法", "处方录入(C)",   "套打设置(P)",   "联网设置(L)",   ">主机设置",
      ">分机设置",        "门诊病历(B)",   "业务统计(T)",   "门诊日志(Z)",   "智能笔画输入法(S)", "操作帮助(H)",
      ">操作帮助",        ">访问作者主页", ">版本信息"};
  QStringList captions;
  int entries = 0;
  for (QAction* entry : form1().menuBar()->actions()) {
    ++entries;
    captions << entry->text();
    EXPECT_TRUE(entry->shortcut().isEmpty());
    if (QMenu* submenu = entry->menu()) {
      for (QAction* item : submenu->actions()) {
        captions << ">" + item->text();
        EXPECT_TRUE(item->shortcut().isEmpty());
      }
    }
  }
  EXPECT_EQ(entries, 12);
  EXPECT_EQ(captions.size(), 27);
  EXPECT_EQ(captions, expected);

  auto* host = form1().findChild<QAction*>("主机设置");
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(host->isVisible());
  EXPECT_FALSE(host->isEnabled());
  for (const char* name : {"综合设置", "进药管理", "个人模板", "添加中药用法", "分机设置", "版本信息"}) {
    QAction* item = form1().findChild<QAction*>(QString::fromUtf8(name));
    ASSERT_NE(item, nullptr) << name;
    EXPECT_TRUE(item->isVisible() && item->isEnabled()) << name;
  }
}

TEST_F(MainWindowTest, CaptionColourAndTheSheetOfThePrescriptionWindow) {
  start();
  login();
  EXPECT_EQ(form1().windowTitle(), QString("Tavorin") + QChar(0xE779) + "V12.1" + QChar(0xE779));
  EXPECT_EQ(form1().clientArea()->background().color(), QColor(144, 163, 178));

  EXPECT_EQ(form2().windowTitle(), "处方录入 - Tavorin 门诊处方管理系统");
  EXPECT_EQ(form2().subWindow()->mdiArea(), form1().clientArea());
  EXPECT_EQ(form2().size(), ui::pxSize(15015, 9510));
  auto* sheet = named<QFrame>(form2(), "Picture2");
  EXPECT_EQ(sheet->geometry(), ui::pxRect(3720, 840, 6120, 8625));
  QLabel* title = named<QLabel>(form2(), "Label2_0");
  QLabel* sheetName = named<QLabel>(form2(), "Label2_3");
  EXPECT_EQ(title->text(), "示例卫生所");
  EXPECT_EQ(sheetName->text(), "处  方  笺");
  for (QLabel* label : {title, sheetName}) {
    EXPECT_NEAR(label->x() * 2 + label->width(), sheet->width(), 1) << label->text().toStdString();
  }
  EXPECT_EQ(title->y(), ui::px(120));
  EXPECT_FALSE(named<QComboBox>(form2(), "C1")->isVisibleTo(sheet));
  EXPECT_EQ(named<QTimer>(form2(), "Timer1")->interval(), 3000);
  // The unit name came from the stored row; the settings window is made only when opened.
  EXPECT_EQ(loaded<shell::SettingsWindow>(), nullptr);
}

TEST_F(MainWindowTest, TheBellTimerFollowsTheMarkerFileAtStart) {
  for (bool marker : {true, false}) {
    SCOPED_TRACE(marker ? "marker" : "no marker");
    session.reset();
    flushDeletes();
    start();
    QFile file(dataFile("Lstz.ini"));
    if (marker)
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    else
      ASSERT_TRUE(file.remove());
    login();
    EXPECT_EQ(named<QTimer>(form2(), "Timer1")->isActive(), marker);
  }
}

TEST_F(MainWindowTest, OpeningAWindowFromTheMenuClosesItAndShowsItAfresh) {
  start();
  login();
  chooseFromMenu("版本信息");
  shell::AboutWindow* first = loaded<shell::AboutWindow>();
  ASSERT_NE(first, nullptr);
  first->Move(0, 0);
  chooseFromMenu("版本信息");
  shell::AboutWindow* second = loaded<shell::AboutWindow>();
  EXPECT_NE(first, second);
  EXPECT_EQ(shownChildren("Form10"), 1);
  EXPECT_NE(second->Left(), 0) << "freshly placed";
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, PrescriptionEntryBringsTheWindowForwardUnchanged) {
  start();
  login();
  PrescriptionWindow* before = &form2();
  before->addHerbalUsages({"半成品"});
  chooseFromMenu("版本信息");
  chooseFromMenu("开具处方");
  EXPECT_EQ(&form2(), before);
  EXPECT_EQ(form2().herbalUsages(), before->herbalUsages());
  EXPECT_EQ(form1().clientArea()->activeSubWindow(), form2().subWindow());

  // Closed, it comes back afresh.
  form2().subWindow()->close();
  EXPECT_EQ(loaded<PrescriptionWindow>(), nullptr);
  chooseFromMenu("开具处方");
  ASSERT_NE(loaded<PrescriptionWindow>(), nullptr);
  EXPECT_TRUE(loaded<PrescriptionWindow>()->isShown());
}

TEST_F(MainWindowTest, AWindowThatCannotBeHadGivesOneMessageAndTheProgramGoesOn) {
  start();
  login();
  // Two windows whose creation fails, as a window does when its tables cannot be read.
  for (const char* name : {"Form17", "Form13"})
    session->windows.define(name, ui::WindowRegistry::Kind::Child,
                            []() -> ui::Window* { throw ui::WindowUnavailable("数据表无法打开"); });
  chooseFromMenu("进药管理");
  chooseFromMenu("用药统计");
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith("无法完成“进货明细管理”")) << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_TRUE(form1().isShown());
  EXPECT_EQ(processEnds, 0);
  // The hidden item cannot be clicked, so its handler is called as the menu would call it.
  form1().choose("主机设置");  // does nothing
  EXPECT_EQ(dialogs.messages.size(), 2);
}

// Stand-ins for the word-list and templates windows: they record what the menu asks.
class WordListDouble : public ui::Window, public links::WordListLink {
 public:
  explicit WordListDouble(QStringList& journal) : ui::Window("Form5"), journal_(journal) { journal_ << "new"; }
  void showPhraseList(const QString& caption, const QString& listName) override {
    journal_ << QStringLiteral("%1|%2|%3").arg(caption, listName, isShown() ? "shown" : "hidden");
  }

 private:
  QStringList& journal_;
};

class TemplatesDouble : public ui::Window, public links::TemplatesLink {
 public:
  explicit TemplatesDouble(QStringList& journal) : ui::Window("Form4"), journal_(journal) {}
  void chooseCategory(int option) override { journal_ << QStringLiteral("category %1").arg(option); }
  void takePrescription(bool, const QString&) override {}

 private:
  QStringList& journal_;
};

TEST_F(MainWindowTest, TheWordListAndTemplateItemsOpenTheirWindowsAfreshOnTheirList) {
  start();
  QStringList journal;
  session->windows.define("Form5", ui::WindowRegistry::Kind::Child, [&] { return new WordListDouble(journal); });
  session->windows.define("Form4", ui::WindowRegistry::Kind::Child, [&] { return new TemplatesDouble(journal); });
  login();

  chooseFromMenu("添加常用地址");
  chooseFromMenu("添加中药用法");
  chooseFromMenu("病历模板");
  EXPECT_EQ(journal, (QStringList{"new", "常用地址维护|地    址|shown", "new", "添加中药用法|中药用法|shown",
                                  "category 2"}));
  EXPECT_EQ(shownChildren("Form5"), 1);
  EXPECT_EQ(shownChildren("Form4"), 1);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  // A window under that name that is not the word-list window is refused, with a message.
  session->windows.unload("Form5");
  session->windows.define("Form5", ui::WindowRegistry::Kind::Child, [] { return new ui::Window("Form5"); });
  chooseFromMenu("诊断名称");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith("无法完成“添加常用诊断”")) << dialogs.messages[0].text.toStdString();
}

TEST_F(MainWindowTest, TheHelpItemsOpenTheirPagesThroughDialogs) {
  start();
  login();
  chooseFromMenu("操作帮助");
  chooseFromMenu("访问作者主页");
  EXPECT_EQ(dialogs.openedUrls, (QList<QUrl>{QUrl("https://tavorin.example/help"), QUrl("https://tavorin.example/home")}));
  dialogs.openUrlSucceeds = false;
  chooseFromMenu("操作帮助");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.contains("https://tavorin.example/help"));
}

TEST_F(MainWindowTest, TheNormalWindowKeepsItsMinimumSizeAndThePrescriptionWindowCentred) {
  start();
  login();
  form1().showNormal();
  form1().resize(ui::pxSize(12000, 9000));
  EXPECT_EQ(form1().Width(), MainWindow::kMinimumWidth);
  EXPECT_EQ(form1().Height(), MainWindow::kMinimumHeight);

  form1().resize(ui::pxSize(18000, 12000));
  EXPECT_GT(form1().Width(), MainWindow::kMinimumWidth) << "a larger size stays";
  const auto expectCentred = [&] {
    EXPECT_NEAR(form2().Left(), (form1().Width() - form2().Width()) / 2 - 150, ui::kTwipsPerPixel);
    EXPECT_NEAR(form2().Top(), (form1().Height() - form2().Height()) / 2 - 450, ui::kTwipsPerPixel);
  };
  expectCentred();

  // A closed prescription window comes back with the next resize.
  form2().subWindow()->close();
  EXPECT_EQ(loaded<PrescriptionWindow>(), nullptr);
  form1().resize(ui::pxSize(17000, 11500));
  ASSERT_NE(loaded<PrescriptionWindow>(), nullptr);
  expectCentred();
}

TEST_F(MainWindowTest, RestoredFromMaximisedTheTitleBarStaysOnTheScreenAtTheMinimumSize) {
  start();
  login();
  ASSERT_TRUE(form1().isMaximized());
  form1().showNormal();
  const QRect work = form1().screen()->availableGeometry();
  EXPECT_GE(form1().frameGeometry().top(), work.top()) << "the title bar is where the mouse reaches it";
  EXPECT_GE(form1().Width(), MainWindow::kMinimumWidth);
  EXPECT_GE(form1().Height(), MainWindow::kMinimumHeight);

  // A restore that would put the frame above the working area brings it back down.
  form1().setGeometry(work);
  EXPECT_GE(form1().frameGeometry().top(), work.top());
}

TEST_F(MainWindowTest, TheSettingsAndOverlayWindowsStayAboveTheMainWindowWhenItIsClicked) {
  start();
  login();
  chooseFromMenu("综合设置");
  chooseFromMenu("套打设置");
  QTest::mouseClick(form1().clientArea()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(form1().menuBar(), Qt::LeftButton, {}, QPoint(form1().menuBar()->width() - 5, 5));
  for (const char* name : {"Form8", "Form19"}) {
    SCOPED_TRACE(name);
    ui::Window* w = session->windows.find(name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    // Its own top-level window, owned by the main window, which the desktop keeps below it.
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), &form1());
    ASSERT_NE(w->windowHandle(), nullptr);
    EXPECT_EQ(w->windowHandle()->transientParent(), form1().windowHandle());
    EXPECT_EQ(w->windowModality(), Qt::NonModal) << "the main window stays usable";
    EXPECT_TRUE(w->isEnabled());
  }
  // Reopened from the menu, it starts afresh and is owned again.
  ui::Window* before = session->windows.find("Form8");
  chooseFromMenu("综合设置");
  flushDeletes();
  ui::Window* after = session->windows.find("Form8");
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after, before);
  EXPECT_EQ(after->windowHandle()->transientParent(), form1().windowHandle());
}

TEST_F(MainWindowTest, AWindowThatCannotGrowOffersNoMaximise) {
  start();
  login();
  EXPECT_TRUE(form1().windowFlags() & Qt::WindowMaximizeButtonHint) << "the main window grows";
  for (const char* item : {"版本信息", "药物维护", "综合设置", "套打设置", "笔画输入法"}) chooseFromMenu(item);
  for (const char* name : {"Form2", "Form3", "Form10", "Form8", "Form19", "Form21"}) {
    SCOPED_TRACE(name);
    ui::Window* w = session->windows.find(name);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->frame()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->frame()->windowFlags() & Qt::WindowCloseButtonHint);
  }
  // A double click on a child window's title bar, which maximises a window that can grow,
  // leaves it as it is, and the next window opens as designed.
  QMdiSubWindow* about = session->windows.find("Form10")->subWindow();
  const int titleBar = about->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, about);
  testing_support::doubleClick(about, QPoint(about->width() / 3, titleBar / 2));
  EXPECT_FALSE(about->isMaximized());
  chooseFromMenu("门诊病历");
  EXPECT_FALSE(session->windows.find("Form14")->subWindow()->isMaximized());
}

TEST_F(MainWindowTest, ClosingClosesTheChildrenHidesTheRestAndEndsTheProgram) {
  start();
  login();
  chooseFromMenu("综合设置");
  chooseFromMenu("版本信息");
  ASSERT_TRUE(loaded<shell::SettingsWindow>()->isShown());
  form1().close();
  EXPECT_EQ(loaded<shell::AboutWindow>(), nullptr) << "children close with their own handling";
  EXPECT_EQ(loaded<PrescriptionWindow>(), nullptr);
  EXPECT_FALSE(loaded<shell::SettingsWindow>()->isShown()) << "top-level windows are only hidden";
  EXPECT_EQ(processEnds, 1);
}

}  // namespace

namespace {

using prescription::PrescriptionWindow;
using shell::MainWindow;

class MainWindowDataTest : public testing_support::ShellFixture {
 protected:
  MainWindowDataTest() { start(); }
  QStringList usageBox() {
    QStringList items;
    auto* box = named<QComboBox>(*loaded<PrescriptionWindow>(), "C1");
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
  }
  int usageRows() {
    store::Database db(state.mainDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), R"(SELECT count(*) FROM "诊断" WHERE "拼音" = '中药用法')");
    q.executeStep();
    return q.getColumn(0).getInt();
  }
};

TEST_F(MainWindowDataTest, AFreshListIsSeededAndTheUsageBoxFilled) {
  execMain(R"(DELETE FROM "诊断")");
  login();
  EXPECT_EQ(usageRows(), 2);
  EXPECT_EQ(usageBox(), (QStringList{"用法：加水100ml分3次煎服。", "用法：水煎或酒水各半煎服。"}));
}

TEST_F(MainWindowDataTest, PresentUsagesGoIntoTheBoxAfterWhatItHeld) {
  execMain(R"(DELETE FROM "诊断";
              INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES ('用法：饭后温服。', '中药用法', '用法：饭后温服。-yfwf'),
                                                          ('用法：先煎石膏。', '中药用法', '用法：先煎石膏。-yfxjsg');)");
  // A prescription window whose usage box already holds a phrase when the main window fills it.
  session->windows.define(PrescriptionWindow::kName, ui::WindowRegistry::Kind::Child, [this] {
    auto* form2 = new PrescriptionWindow(*session);
    named<QComboBox>(*form2, "C1")->addItem("已有用法");
    return form2;
  });
  login();
  EXPECT_EQ(usageRows(), 2);
  EXPECT_EQ(usageBox(), (QStringList{"已有用法", "用法：饭后温服。", "用法：先煎石膏。"}));
}

TEST_F(MainWindowDataTest, ClosingRebuildsIncompleteKeysBeforeTheProgramEnds) {
  execMain(R"(DELETE FROM "商品";
              DELETE FROM "个人模板";
              INSERT INTO "商品" ("ID号", "名称", "查询", "分类") VALUES ('1', '桂枝', '桂枝-gz', '中药');
              INSERT INTO "个人模板" ("名称", "查询", "分类") VALUES ('桂枝汤', '桂枝汤gzt11441533$', '中药方剂');)");
  login();
  int keysAtEnd = -1;
  session->endProcess = [&] {
    store::Database db(state.mainDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), R"(SELECT count(*) FROM "商品" WHERE "查询" LIKE '%$')");
    q.executeStep();
    keysAtEnd = q.getColumn(0).getInt();
  };
  window<MainWindow>().close();
  EXPECT_EQ(keysAtEnd, 1) << "rebuilt before the program ends";
}

}  // namespace
