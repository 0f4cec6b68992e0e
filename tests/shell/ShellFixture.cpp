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
    if (entry->text() == caption) return entry->trigger();
    if (QMenu* sub = entry->menu())
      for (QAction* item : sub->actions())
        if (item->text() == caption) return item->trigger();
  }
  ADD_FAILURE() << "no menu item " << caption.toStdString();
}

void ShellFixture::execMain(const QString& sql) { store::Database(state.MainDbConnection).exec(sql); }

QString ShellFixture::storedSetting(const QString& column) {
  store::Database db(state.MainDbConnection, store::Database::Mode::ReadOnly);
  SQLite::Statement q(db.sql(), QStringLiteral(R"(SELECT "%1" FROM "设置" ORDER BY rowid LIMIT 1)").arg(column).toStdString());
  return q.executeStep() ? store::columnText(q, 0) : QStringLiteral("<no row>");
}

QString ShellFixture::dataFile(const QString& name) const { return QDir(state.LocalDataFolder).filePath(name); }

void ShellFixture::flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace testing_support
