// The window kit: twips, control arrays, the window registry, guarded handlers, the
// Chinese dialog buttons and the design fonts.
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/ControlArray.h"
#include "ui/Fonts.h"
#include "ui/Guard.h"
#include "ui/Translation.h"
#include "ui/Twips.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

namespace {

using ui::Window;
using ui::WindowRegistry;

TEST(Twips, FifteenTwipsAPixelRoundedHalfAwayFromZero) {
  struct Case {
    double twips;
    int pixels;
  } cases[] = {{0, 0}, {15, 1}, {15015, 1001}, {7, 0}, {8, 1}, {-7, 0}, {-8, -1}, {-150, -10}, {22.5, 2}};
  for (const Case& c : cases) EXPECT_EQ(ui::px(c.twips), c.pixels) << c.twips;
  EXPECT_EQ(ui::twips(1001), 15015);
  EXPECT_EQ(ui::pxRect(3720, 840, 6120, 8625), QRect(248, 56, 408, 575));
}

TEST(ControlArray, ElementsAreNamedByIndexAndMayLeaveGaps) {
  QWidget parent;
  ui::ControlArray<QLabel> labels(QStringLiteral("Label2"));
  labels.make(0, &parent, {});
  labels.make(3, &parent, {});
  EXPECT_EQ(labels[3]->objectName(), "Label2_3");
  EXPECT_EQ(parent.findChild<QLabel*>("Label2_0"), labels[0]);
  EXPECT_EQ(labels.count(), 2);
  EXPECT_EQ(labels.upperBound(), 3);
  EXPECT_FALSE(labels.contains(1));
  EXPECT_THROW(labels[1], std::out_of_range);
}

// A window that records its loads and unloads in a shared journal.
class JournalWindow : public Window {
 public:
  JournalWindow(const QString& name, QStringList& journal) : Window(name), journal_(journal) {
    setClientSize(3000, 1500);
  }
  void Form_Load() override {
    journal_ << "load " + name();
    placeOnMainWindow();
  }
  void Form_Unload() override { journal_ << "unload " + name(); }

 private:
  QStringList& journal_;
};

class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() {
    registry.setMainWindowName("Main");
    registry.define("Main", WindowRegistry::Kind::TopLevel, [this] {
      auto* main = new Window("Main");
      main->resize(ui::pxSize(15630, 10950));
      auto* area = new QMdiArea(main);
      area->setGeometry(main->rect());
      registry.setMainWindow(main, area);
      return main;
    });
    registry.define("Child", WindowRegistry::Kind::Child, [this] { return new JournalWindow("Child", journal); });
    registry.define("Top", WindowRegistry::Kind::TopLevel, [this] { return new JournalWindow("Top", journal); });
  }
  ~RegistryTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  int childFrames() const {
    int shown = 0;
    for (QMdiSubWindow* sub : registry.clientArea()->subWindowList()) shown += sub->isVisible() ? 1 : 0;
    return shown;
  }

  QStringList journal;
  WindowRegistry registry;
};

TEST_F(RegistryTest, AWindowIsCreatedOnFirstUseAndLoadsOnce) {
  EXPECT_EQ(registry.find("Top"), nullptr);
  Window& top = registry.load("Top");
  EXPECT_EQ(&registry.load("Top"), &top);
  EXPECT_EQ(journal, QStringList{"load Top"});
  EXPECT_FALSE(top.isShown()) << "a top-level window loads hidden";
  EXPECT_EQ(top.objectName(), "Top");
}

TEST_F(RegistryTest, AChildWindowLoadsTheMainWindowAndShowsInsideIt) {
  Window& child = registry.load("Child");
  ASSERT_NE(registry.find("Main"), nullptr);
  registry.find("Main")->show();
  EXPECT_TRUE(child.isShown());
  ASSERT_NE(child.subWindow(), nullptr);
  EXPECT_EQ(child.subWindow()->mdiArea(), registry.clientArea());
  // Placed by the shared rule on the main window's outer size.
  EXPECT_NEAR(child.Left(), (15630 - child.Width()) / 2 - 150, 15);
  EXPECT_NEAR(child.Top(), (10950 - child.Height()) / 2 - 450, 15);
}

TEST_F(RegistryTest, UnloadRunsTheUnloadCodeBeforeReturningAndTheNextUseIsFresh) {
  Window* first = &registry.load("Child");
  registry.unload("Child");
  EXPECT_EQ(journal, (QStringList{"load Child", "unload Child"}));
  EXPECT_EQ(registry.find("Child"), nullptr);
  Window* second = &registry.load("Child");
  EXPECT_NE(first, second);
  EXPECT_EQ(journal.last(), "load Child");
  registry.unload("Absent");  // unloading what is not loaded does nothing
}

TEST_F(RegistryTest, OpenFreshLeavesOneWindowShown) {
  registry.load("Main").show();
  registry.openFresh("Child");
  registry.openFresh("Child");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(childFrames(), 1);
  EXPECT_EQ(journal, (QStringList{"load Child", "unload Child", "load Child"}));

  Window& top = registry.openFresh("Top");
  EXPECT_TRUE(top.isShown());
}

TEST_F(RegistryTest, ClosingByTheCloseBoxUnloadsToo) {
  Window& child = registry.load("Child");
  child.subWindow()->close();
  EXPECT_EQ(registry.find("Child"), nullptr);
  EXPECT_EQ(journal.last(), "unload Child");

  Window& top = registry.load("Top");
  top.close();
  EXPECT_EQ(registry.find("Top"), nullptr);
  EXPECT_EQ(journal.count("unload Top"), 1);
}

TEST_F(RegistryTest, BringForwardKeepsTheLoadedWindow) {
  Window* child = &registry.load("Child");
  EXPECT_EQ(&registry.bringForward("Child"), child);
  EXPECT_EQ(journal.count("load Child"), 1);
}

TEST_F(RegistryTest, AnUndefinedWindowIsUnavailable) {
  EXPECT_THROW(registry.load("Form99"), ui::WindowUnavailable);
}

// A window type of its own, and an interface that no window here implements.
class Top : public Window {
 public:
  static constexpr const char* kName = "Top";
  using Window::Window;
};
class Settings {
 public:
  static constexpr const char* kName = "Top";
  virtual ~Settings() = default;
};

TEST_F(RegistryTest, TypedAccessChecksTheWindowsType) {
  // "Top" is a JournalWindow, not a Top: the cast is refused, never guessed.
  EXPECT_THROW(registry.get<Top>(), ui::WindowUnavailable);
  EXPECT_THROW(registry.get<Settings>(), ui::WindowUnavailable);
  EXPECT_EQ(registry.findAs<Top>(), nullptr);
  EXPECT_NE(registry.find("Top"), nullptr) << "it was loaded all the same";
}

TEST(Guard, AFailingHandlerGivesOneMessageAndTheCallerGoesOn) {
  testing_support::ScriptedDialogs dialogs;
  EXPECT_TRUE(ui::runGuarded(dialogs, "打开失败", [] {}));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(ui::runGuarded(dialogs, "打开失败", [] { throw ui::WindowUnavailable("窗口尚未提供"); }));
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "打开失败：窗口尚未提供");
  EXPECT_EQ(dialogs.messages[0].title, "提示");
}

TEST(Translation, DialogButtonsReadChineseAndTheLocaleIsChinaWhateverTheEnvironmentSays) {
  ASSERT_TRUE(ui::installChineseTranslation(*QCoreApplication::instance()));
  EXPECT_EQ(QLocale().name(), "zh_CN");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "确定");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "是(&Y)");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), "否(&N)");
}

QStringList loggedWarnings;

TEST(Translation, ATranslationThatCannotBeLoadedIsLogged) {
  const testing_support::TempFolder empty;
  loggedWarnings.clear();
  const QtMessageHandler before = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) loggedWarnings << text;
  });
  const bool loaded = ui::installChineseTranslation(*QCoreApplication::instance(), empty.path());
  qInstallMessageHandler(before);
  EXPECT_FALSE(loaded);
  ASSERT_EQ(loggedWarnings.size(), 1);
  EXPECT_TRUE(loggedWarnings[0].contains("qtbase_zh_CN") && loggedWarnings[0].contains(empty.path()))
      << loggedWarnings[0].toStdString();
  EXPECT_EQ(QLocale().name(), "zh_CN") << "the program's locale is Chinese all the same";
}

TEST(Fonts, DesignNamesReachTheInstalledFonts) {
  ui::installFontSubstitutions();
  const QFontInfo song(ui::designFont(ui::kSongTi, 10.5));
  const QFontInfo hei(ui::designFont(ui::kHeiTi, 14.25, true));
  EXPECT_TRUE(song.family().startsWith("AR PL UMing")) << song.family().toStdString();
  EXPECT_TRUE(hei.family().startsWith("WenQuanYi Zen Hei")) << hei.family().toStdString();
  EXPECT_DOUBLE_EQ(ui::designFont(ui::kSongTi, 14.25).pointSizeF(), 14.25);
}

}  // namespace
