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
  // This machine's station code; empty takes platform::stationCode().
  QString stationCode;
  // Shows (true) or takes away (false) the busy cursor while start-up waits on the files.
  std::function<void(bool)> showBusy;
};

// Runs every start-up step in order and returns the state the windows read. nullopt when
// the program cannot go on: the data folder cannot be made, a file cannot be written, a
// data file is unusable or the password cannot be read. The user has then been told in
// one message, and the process ends with a non-zero status.
std::optional<AppState> Main(const StartupEnvironment& environment, platform::Dialogs& dialogs);

// Checks that a data file opens as a database and holds its tables; the reason when it
// does not. Opened for writing, so that a journal left by a writer that died is rolled
// back. The file is never changed otherwise.
std::optional<QString> unusableFileReason(const QString& path);

// The local data folder: D:'s when its root lists a visible folder or file, else C:'s.
QString chooseLocalDataFolder(const platform::DriveRoots& drives);

// The settings row's password with its line feeds removed (no value reads as ""), or why
// it could not be read.
struct [[nodiscard]] LoginPasswordRead {
  std::optional<QString> password;
  QString reason;  // empty when it was read
};
LoginPasswordRead readLoginPassword(const QString& mainDbPath);

// Every dictionary row as character & strokes & "&", in 序号 order, or why the dictionary
// could not be read (the table is empty then).
struct [[nodiscard]] StrokeCodeTableRead {
  QString table;
  QString reason;  // empty when it was read, even when it holds no row
};
StrokeCodeTableRead readStrokeCodeTable(const QString& dictionaryDbPath);

// The indexes that date-range, sales and name-ordered queries need, on files made before
// they existed. False when one could not be made (a read-only share): the queries still
// work, only slower.
bool ensureQueryIndexes(const QString& mainDbPath, const QString& stockDbPath);

// How long the close may hold the main file's write lock to make an index start-up left
// out: a second short of the 5 s another workstation's save waits for the lock.
inline constexpr int kClosingIndexMostMs = 4000;

// Makes what start-up leaves for the close (the history pages' index of a file made by an
// earlier build, see store::makeHistoryPagesIndex), on the workstation whose file it is:
// read across the share, it would run into its bound at every close. False when it is
// not there afterwards: left to another workstation, given up, or the file not writable.
bool makeIndexesLeftForTheClose(const AppState& state, int mostMs = kClosingIndexMostMs);

inline const QString kHostUnreachableMessage =
    QStringLiteral("无法连接远程数据库，患者数据将保存在本地数据库！");
// %1: the data folder.
inline const QString kFolderUncreatableMessage =
    QStringLiteral("无法创建数据文件夹“%1”，程序无法启动。\n请检查该位置是否被同名文件占用，或是否有写入权限。");
// %1: the file, %2: the folder.
inline const QString kTemplateUnwritableMessage =
    QStringLiteral("无法在数据文件夹“%2”中写入数据文件“%1”，程序无法启动。\n请检查磁盘空间和写入权限。");
// %1: the file, %2: why.
inline const QString kFileUnusableMessage =
    QStringLiteral("数据文件“%1”无法使用：%2。\n程序无法启动。该文件未作任何改动，请联系维护人员检查或恢复。");
// %1: the new inventory file.
inline const QString kStockFileRemadeMessage = QStringLiteral(
    "找不到库存数据文件“%1”，已按模板新建了一个空的库存文件。\n"
    "主数据文件中已有处方记录，以前的进货和销售记录不在新文件中；如果原文件被移走或改名，请关闭程序后把它放回原处。");
// %1: why.
inline const QString kPasswordUnreadableMessage =
    QStringLiteral("无法读取登录密码：%1。\n程序无法启动，请稍后再试。");
inline const QString kStrokeTableUnreadable = QStringLiteral("笔画码表无法读取");
inline const QString kStrokeSearchOff = QStringLiteral("本次运行中笔画查询不可用，药品搜索码也不会重建。");
// An empty dictionary; one that cannot be read adds its reason ("<unreadable>：<why>。").
inline const QString kStrokeTableUnavailableMessage = kStrokeTableUnreadable + QStringLiteral("，") + kStrokeSearchOff;

}  // namespace startup
