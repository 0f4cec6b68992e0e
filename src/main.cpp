// Tavorin: the program starts here, runs start-up, then asks for the password.
#include "platform/qt/QtDialogs.h"
#include "shell/LoginWindow.h"
#include "shell/ProgramIcon.h"
#include "shell/Windows.h"
#include "startup/BackgroundNameIndexFill.h"
#include "startup/Main.h"
#include "ui/Fonts.h"
#include "ui/Session.h"
#include "ui/Translation.h"

#include <QApplication>
#include <QPrinterInfo>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavorin"));
  // The program ends where its windows say so: on the login's cancel and the main
  // window's close, not when the login window hides.
  QApplication::setQuitOnLastWindowClosed(false);
  ui::installChineseTranslation(app);
  ui::installFontSubstitutions();
  QApplication::setFont(ui::designFont(ui::kSongTi, 9));
  QApplication::setWindowIcon(shell::programIcon());

  platform::QtDialogs dialogs;
  startup::StartupEnvironment environment;
  environment.showBusy = [](bool on) {
    if (on)
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QGuiApplication::restoreOverrideCursor();
  };
  std::optional<startup::AppState> started = startup::Main(environment, dialogs);
  // Start-up has told the user what stops it.
  if (!started) return 1;
  const startup::AppState& state = *started;
  // Made complete while the user logs in and works; stopped when the program ends.
  startup::BackgroundNameIndexFill nameIndexFill(state.mainDbPath);

  // The print server is asked for the default printer only when a window first needs it.
  ui::Session session(state, dialogs, [] { return QPrinterInfo::defaultPrinterName(); });
  session.endProcess = [] { QCoreApplication::exit(0); };
  session.installedPrinters = [] { return QPrinterInfo::availablePrinterNames(); };
  shell::defineWindows(session);

  session.windows.load(QString::fromLatin1(shell::LoginWindow::kName)).Show();
  return app.exec();
}
