// Start-up: lays out the data folder and its database files, chooses local or network
// mode, and reads the password and the stroke table. The windows come after it.
#pragma once

#include "platform/Dialogs.h"
#include "platform/DriveRoots.h"
#include "startup/AppState.h"

#include <functional>

namespace startup {

struct StartupEnvironment {
  platform::DriveRoots drives = platform::DriveRoots::system();
  // The default printer's name; unset or empty when there is no printer.
  std::function<QString()> defaultPrinterName;
  // This machine's station code; empty takes platform::stationCode().
  QString stationCode;
};

// Runs every start-up step in order and returns the state the windows read. The only
// message it may show is the one for an unreachable host.
AppState Main(const StartupEnvironment& environment, platform::Dialogs& dialogs);

// The local data folder: D:'s when its root lists a visible folder or file, else C:'s.
QString chooseLocalDataFolder(const platform::DriveRoots& drives);

// The settings row's password with its line feeds removed; nullopt when the read fails.
std::optional<QString> readLoginPassword(const QString& mainDbPath);

// Every dictionary row as character & strokes & "&", in 序号 order; empty on failure.
QString readStrokeCodeTable(const QString& dictionaryDbPath);

// The indexes that date-range and sales queries need, on files made before they existed.
void ensureQueryIndexes(const QString& mainDbPath, const QString& stockDbPath);

inline const QString kHostUnreachableMessage =
    QStringLiteral("无法连接远程数据库，患者数据将保存在本地数据库！");

}  // namespace startup
