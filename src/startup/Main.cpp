#include "startup/Main.h"

#include "platform/StationCode.h"
#include "startup/Folders.h"
#include "startup/HostNameFile.h"
#include "startup/TemplateFiles.h"
#include "store/DataFile.h"
#include "store/InputDictionary.h"
#include "store/QueryIndexes.h"
#include "store/SettingsRow.h"

#include <QDir>
#include <QFileInfo>

namespace startup {
namespace {

// The tables each data file must hold to be used.
std::initializer_list<const char*> tablesOf(const QString& fileName) {
  static const std::initializer_list<const char*> main = {"档案", "患者信息", "商品", "诊断", "地址", "个人模板", "设置"};
  static const std::initializer_list<const char*> stock = {"进货管理", "进货模板", "套打设置", "销售管理"};
  static const std::initializer_list<const char*> dictionary = {"输入法编码", "部首笔画"};
  if (fileName == kStockDbFile) return stock;
  if (fileName == kDictionaryDbFile) return dictionary;
  return main;
}

// The busy cursor while start-up waits on the files, taken away for every message.
class BusyCursor {
 public:
  explicit BusyCursor(const std::function<void(bool)>& show) : show_(show) { set(true); }
  ~BusyCursor() { set(false); }
  void tell(platform::Dialogs& dialogs, const QString& text) {
    set(false);
    dialogs.message(text);
    set(true);
  }

 private:
  void set(bool on) {
    if (show_ && on != shown_) show_(on);
    shown_ = on;
  }
  const std::function<void(bool)>& show_;
  bool shown_ = false;
};

// The first of the files that cannot be used, with its message.
std::optional<QString> firstUnusable(const QDir& folder, const QStringList& fileNames) {
  for (const QString& name : fileNames) {
    if (const std::optional<QString> reason = unusableFileReason(folder.filePath(name)))
      return kFileUnusableMessage.arg(QDir::toNativeSeparators(folder.filePath(name)), *reason);
  }
  return std::nullopt;
}

}  // namespace

QString chooseLocalDataFolder(const platform::DriveRoots& drives) {
  if (drives.d) {
    const QDir root(*drives.d);
    // Hidden entries are not listed, so a root holding only those counts as empty.
    if (root.exists() && !root.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot).isEmpty())
      return root.filePath(platform::kDataFolderName);
  }
  return QDir(drives.c).filePath(platform::kDataFolderName);
}

std::optional<QString> unusableFileReason(const QString& path) {
  try {
    store::Database db = store::openExisting(path);
    store::requireTables(db, tablesOf(QFileInfo(path).fileName()));
    return std::nullopt;
  } catch (const std::exception& e) {
    return store::failureReason(e);
  }
}

std::optional<QString> readLoginPassword(const QString& mainDbPath, QString* failure) {
  try {
    // Read-write: a journal left by a writer that died is rolled back, not read past.
    store::Database db = store::openExisting(mainDbPath);
    const auto stored = store::guarded([&] { return store::SettingsRow(db).password(); });
    if (!stored) throw store::StoreError(QStringLiteral("数据库中没有设置记录"));
    QString password = stored->value_or(QStringLiteral(""));
    password.remove(u'\n');  // a carriage return stays
    return password;
  } catch (const std::exception& e) {
    if (failure) *failure = store::failureReason(e);
    return std::nullopt;
  }
}

QString readStrokeCodeTable(const QString& dictionaryDbPath, QString* failure) {
  try {
    store::Database db = store::openExisting(dictionaryDbPath);
    return store::guarded([&] { return store::InputDictionary(db).strokeTable(); });
  } catch (const std::exception& e) {
    if (failure) *failure = store::failureReason(e);
    return QString();
  }
}

bool ensureQueryIndexes(const QString& mainDbPath, const QString& stockDbPath) {
  try {
    store::Database main = store::openExisting(mainDbPath);
    store::ensureMainIndexes(main);
    store::Database stock = store::openExisting(stockDbPath);
    store::ensureStockIndexes(stock);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::optional<AppState> Main(const StartupEnvironment& environment, platform::Dialogs& dialogs) {
  BusyCursor busy(environment.showBusy);
  AppState state;
  state.MarkupRatio = 1.25;
  state.StationCode = environment.stationCode.isEmpty() ? platform::stationCode() : environment.stationCode;

  state.LocalDataFolder = chooseLocalDataFolder(environment.drives);
  const QDir local(state.LocalDataFolder);
  CreateFolderPath(state.LocalDataFolder);
  if (!QFileInfo(state.LocalDataFolder).isDir()) {
    busy.tell(dialogs, kFolderUncreatableMessage.arg(QDir::toNativeSeparators(state.LocalDataFolder)));
    return std::nullopt;
  }
  QStringList unwritten;
  writeMissingTemplates(state.LocalDataFolder, &unwritten);
  if (!unwritten.isEmpty()) {
    busy.tell(dialogs, kTemplateUnwritableMessage.arg(unwritten.first(), QDir::toNativeSeparators(state.LocalDataFolder)));
    return std::nullopt;
  }
  // Every file must open as a database and hold its tables before anything runs on it.
  if (const auto message = firstUnusable(local, {kMainDbFile, kStockDbFile, kDictionaryDbFile})) {
    busy.tell(dialogs, *message);
    return std::nullopt;
  }

  state.DictionaryDbConnection = local.filePath(kDictionaryDbFile);
  state.MainDbConnection = local.filePath(kMainDbFile);

  // First read, from the local main file. A password that cannot be read is not an
  // empty password: the program ends rather than open without the password check.
  QString failure;
  const std::optional<QString> localPassword = readLoginPassword(state.MainDbConnection, &failure);
  if (!localPassword) {
    busy.tell(dialogs, kPasswordUnreadableMessage.arg(failure));
    return std::nullopt;
  }
  state.LoginPassword = *localPassword;

  state.NetworkMode = false;
  if (const std::optional<QString> host = readHostName(state.LocalDataFolder)) {
    const QString share = environment.drives.hostDataFolder(*host);
    // Both files on the share must be usable; a damaged share is an unreachable host.
    if (!share.isEmpty() && QFileInfo(QDir(share).filePath(kMainDbFile)).isFile() &&
        !firstUnusable(QDir(share), {kMainDbFile, kStockDbFile})) {
      state.NetworkMode = true;
      state.HostName = *host;
      const QDir remote(share);
      state.NotifyFilePath = remote.filePath(kNotifyFile);
      state.MainDbConnection = remote.filePath(kMainDbFile);
      state.StockDbConnection = remote.filePath(kStockDbFile);
    } else {
      busy.tell(dialogs, kHostUnreachableMessage);
    }
  }
  if (!state.NetworkMode) {
    state.NotifyFilePath = local.filePath(kNotifyFile);
    state.MainDbConnection = local.filePath(kMainDbFile);
    state.StockDbConnection = local.filePath(kStockDbFile);
  }

  // Second read, from the main file in use (the host's settings row in network mode).
  if (state.NetworkMode) {
    const std::optional<QString> password = readLoginPassword(state.MainDbConnection, &failure);
    if (!password) {
      busy.tell(dialogs, kPasswordUnreadableMessage.arg(failure));
      return std::nullopt;
    }
    state.LoginPassword = *password;
  }

  // The queries work without these indexes, only slower; a read-only share goes on.
  ensureQueryIndexes(state.MainDbConnection, state.StockDbConnection);

  state.StrokeCodeTable = readStrokeCodeTable(state.DictionaryDbConnection, &failure);
  // No stroke table is not an empty one: stroke search and the key rebuild stay off.
  state.StrokeTableRead = !state.StrokeCodeTable.isEmpty();
  if (!state.StrokeTableRead) busy.tell(dialogs, kStrokeTableUnavailableMessage);
  return state;
}

}  // namespace startup
