#include "ShellFixture.h"

#include "shell/MainWindow.h"
#include "shell/LoginWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "store/Database.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace testing_support {

ShellFixture::ShellFixture() = default;

ShellFixture::~ShellFixture() {
  flushDeletes();
  session.reset();
  flushDeletes();
}

void ShellFixture::start() {
  startup::StartupEnvironment environment;
  environment.drives = folder.drives();
  environment.stationCode = QStringLiteral("T1");
  state = startup::Main(environment, dialogs).value();
  session = std::make_unique<ui::Session>(state, dialogs, [] { return QStringLiteral("HP LaserJet"); });
  session->endProcess = [this] { ++processEnds; };
  session->installedPrinters = [] { return QStringList{"HP LaserJet", "PDF 打印机"}; };
  shell::defineWindows(*session);
}

void ShellFixture::login() {
  auto& login = window<shell::LoginWindow>();
  login.Show();
  login.Text1->setText(QStringLiteral("691"));
  click(login, "Command1");
}

void ShellFixture::triggerMenu(const QString& caption) {
  for (QAction* entry : window<shell::MainWindow>().menuBar()->actions()) {
    if (entry->text() == caption) return clickMenuItem(entry);
    if (QMenu* sub = entry->menu())
      for (QAction* item : sub->actions())
        if (item->text() == caption) return clickMenuItem(item);
  }
  ADD_FAILURE() << "no menu item " << caption.toStdString();
}

void ShellFixture::chooseFromMenu(const QString& name) {
  if (QAction* item = window<shell::MainWindow>().findChild<QAction*>(name)) return clickMenuItem(item);
  ADD_FAILURE() << "no menu item " << name.toStdString();
}

void ShellFixture::clickMenuItem(QAction* item) {
  QMenuBar* bar = window<shell::MainWindow>().menuBar();
  const std::string shown = item->text().toStdString();
  if (!item->isVisible() || !item->isEnabled()) {
    ADD_FAILURE() << shown << " cannot be chosen";
    return;
  }
  int chosen = 0;
  const QMetaObject::Connection counting = QObject::connect(item, &QAction::triggered, [&chosen] { ++chosen; });
  QMenu* menu = nullptr;
  for (QAction* entry : bar->actions())
    if (entry->menu() && entry->menu()->actions().contains(item)) menu = entry->menu();
  if (!menu) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
  } else {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    EXPECT_TRUE(menu->isVisible()) << "the menu holding " << shown << " did not open";
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    EXPECT_FALSE(menu->isVisible()) << "the menu stayed open after " << shown;
  }
  QObject::disconnect(counting);
  EXPECT_EQ(chosen, 1) << shown << " was not chosen by the click";
}

void ShellFixture::execMain(const QString& sql) { store::Database(state.mainDbPath).exec(sql); }

QString ShellFixture::storedSetting(const QString& column) {
  store::Database db(state.mainDbPath, store::Database::Mode::ReadOnly);
  SQLite::Statement q(db.sql(), QStringLiteral(R"(SELECT "%1" FROM "设置" ORDER BY rowid LIMIT 1)").arg(column).toStdString());
  return q.executeStep() ? store::columnText(q, 0) : QStringLiteral("<no row>");
}

QString ShellFixture::dataFile(const QString& name) const { return QDir(state.localDataFolder).filePath(name); }

void ShellFixture::flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace testing_support
