// Tavorin: the program starts here, runs start-up, then opens its first window.
#include "platform/qt/QtDialogs.h"
#include "startup/Main.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPrinterInfo>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavorin"));

  platform::QtDialogs dialogs;
  startup::StartupEnvironment environment;
  environment.defaultPrinterName = [] { return QPrinterInfo::defaultPrinterName(); };
  const startup::AppState state = startup::Main(environment, dialogs);

  // Stands in for the login window until it is built.
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Tavorin"));
  auto* label = new QLabel(QStringLiteral("数据文件夹：%1").arg(state.LocalDataFolder), &window);
  label->setMargin(24);
  window.setCentralWidget(label);
  window.show();
  return app.exec();
}
