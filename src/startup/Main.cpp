#include "startup/Main.h"

#include "platform/StationCode.h"
#include "startup/Folders.h"
#include "startup/HostNameFile.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/RecordsRepository.h"
#include "text/Blank.h"

#include <QDir>
#include <QFileInfo>

namespace startup {

QString chooseLocalDataFolder(const platform::DriveRoots& drives) {
  if (drives.d) {
    const QDir root(*drives.d);
    // Hidden entries are not listed, so a root holding only those counts as empty.
    if (root.exists() && !root.entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot).isEmpty())
      return root.filePath(platform::kDataFolderName);
  }
  return QDir(drives.c).filePath(platform::kDataFolderName);
}

std::optional<QString> readLoginPassword(const QString& mainDbPath) {
  if (!QFileInfo(mainDbPath).isFile()) return std::nullopt;
  try {
    store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement query(db.sql(), R"(SELECT "密码" FROM "设置" LIMIT 1)");
    if (!query.executeStep()) return std::nullopt;
    QString password = store::columnText(query, 0);
    password.remove(u'\n');  // a carriage return stays
    return password;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

QString readStrokeCodeTable(const QString& dictionaryDbPath) {
  QString table;
  if (!QFileInfo(dictionaryDbPath).isFile()) return table;
  try {
    store::Database db(dictionaryDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement query(db.sql(), R"(SELECT "汉字", "笔画" FROM "输入法编码" ORDER BY "序号")");
    table.reserve(80000);
    while (query.executeStep()) {
      table += store::columnText(query, 0);
      table += store::columnText(query, 1);
      table += u'&';
    }
  } catch (const std::exception&) {
    // a row that cannot be read adds nothing; what was read stays
  }
  return table;
}

void ensureQueryIndexes(const QString& mainDbPath, const QString& stockDbPath) {
  const auto run = [](const QString& path, const char* statements) {
    if (!QFileInfo(path).isFile()) return;
    try {
      store::Database db(path);
      db.sql().exec(statements);
    } catch (const std::exception&) {
      // a read-only share keeps working without them
    }
  };
  // --- history list indexes of the prescription records (the visit date among them) ---
  if (QFileInfo(mainDbPath).isFile()) {
    try {
      store::Database db(mainDbPath);
      store::ensureRecordIndexes(db);
    } catch (const std::exception&) {
      // as above: the history list then reads without them
    }
  }
  run(stockDbPath,
      R"(CREATE INDEX IF NOT EXISTS "销售管理_日期" ON "销售管理" ("日期");
         CREATE INDEX IF NOT EXISTS "销售管理_ID号" ON "销售管理" ("ID号");
         CREATE INDEX IF NOT EXISTS "进货管理_分类日期" ON "进货管理" ("分类", "日期");)");
}

AppState Main(const StartupEnvironment& environment, platform::Dialogs& dialogs) {
  AppState state;
  state.MarkupRatio = 1.25;
  if (environment.defaultPrinterName) state.DefaultPrinterName = environment.defaultPrinterName();
  state.StationCode = environment.stationCode.isEmpty() ? platform::stationCode() : environment.stationCode;

  state.LocalDataFolder = chooseLocalDataFolder(environment.drives);
  CreateFolderPath(state.LocalDataFolder);
  writeMissingTemplates(state.LocalDataFolder);

  const QDir local(state.LocalDataFolder);
  state.DictionaryDbConnection = local.filePath(kDictionaryDbFile);
  state.MainDbConnection = local.filePath(kMainDbFile);

  // First read, from the local main file. The files carry no database password, so a
  // blank or failed read switches nothing; the login then accepts a blank entry.
  state.LoginPassword = readLoginPassword(state.MainDbConnection).value_or(QString());

  state.NetworkMode = false;
  if (const std::optional<QString> host = readHostName(state.LocalDataFolder)) {
    const QString share = environment.drives.hostDataFolder(*host);
    if (!share.isEmpty() && QFileInfo(QDir(share).filePath(kMainDbFile)).isFile()) {
      state.NetworkMode = true;
      state.HostName = *host;
      const QDir remote(share);
      state.NotifyFilePath = remote.filePath(kNotifyFile);
      state.MainDbConnection = remote.filePath(kMainDbFile);
      state.StockDbConnection = remote.filePath(kStockDbFile);
    } else {
      dialogs.message(kHostUnreachableMessage);
    }
  }
  if (!state.NetworkMode) {
    state.NotifyFilePath = local.filePath(kNotifyFile);
    state.MainDbConnection = local.filePath(kMainDbFile);
    state.StockDbConnection = local.filePath(kStockDbFile);
  }

  // Second read, from the main file in use; a failure keeps the first read's value.
  if (const std::optional<QString> password = readLoginPassword(state.MainDbConnection))
    state.LoginPassword = *password;

  ensureQueryIndexes(state.MainDbConnection, state.StockDbConnection);
  state.StrokeCodeTable = readStrokeCodeTable(state.DictionaryDbConnection);
  state.Strokes = std::make_shared<const text::StrokeCoder>(state.StrokeCodeTable);
  return state;
}

}  // namespace startup
