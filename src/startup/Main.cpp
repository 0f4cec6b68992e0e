#include "startup/Main.h"

#include "platform/StationCode.h"
#include "startup/Folders.h"
#include "startup/HostNameFile.h"
#include "startup/TemplateFiles.h"
#include "store/DataFile.h"
#include "store/HistoryPages.h"
#include "store/InputDictionary.h"
#include "store/QueryIndexes.h"
#include "store/RecordsRepository.h"
#include "store/SettingsRow.h"

#include <QDir>
#include <QFileInfo>

#include <vector>

namespace startup {
namespace {

// The tables each data file must hold to be used, each with the columns the program
// reads or writes in it (the spare columns it never names are not asked for).
struct NeededTable {
  const char* table;
  std::vector<const char*> columns;
};
const std::vector<NeededTable>& tablesOf(const QString& fileName) {
  static const std::vector<NeededTable> main = {
      {"档案", {"序号", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
                "17", "18", "T1", "T2", "T3", "39", "40", "类别", "发药", "计价", "病历", "剂数"}},
      {"患者信息", {"序号", "姓名", "性别", "年龄", "医疗证号", "电话", "住址", "备用1", "费别", "诊断", "过敏史"}},
      {"商品", {"ID号", "查询", "用法", "名称", "拼音", "单位", "常用量", "单价", "备用1", "备用2", "分类", "斗位"}},
      {"诊断", {"名称", "拼音", "序号"}},
      {"地址", {"名称", "拼音", "序号"}},
      {"个人模板", {"序号", "名称", "内容", "拼音", "查询", "分类", "排序"}},
      {"设置", {"密码", "单位名称", "医师", "科别", "发药人", "备用1", "备用3", "左边距", "上边距", "默认打印机",
                "处方打印机", "左边距1", "上边距1", "左边距2", "上边距2", "打印机2", "打印机3", "费别", "处方字体",
                "处方字号", "日志上边距", "日志左边距"}},
  };
  static const std::vector<NeededTable> stock = {
      {"进货管理", {"日期", "品名", "库存", "单位", "序号", "数量", "进价", "售价", "供货单位", "生产厂家", "批号",
                    "有效期至", "备注", "备用", "分类"}},
      {"进货模板", {"名称", "供货单位", "生产厂家", "批号", "有效期至", "备注", "备用"}},
      {"套打设置", {"名称", "左边距", "上边距"}},
      {"销售管理", {"ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "备用1", "备用2", "日期", "医师",
                    "利润", "患者"}},
  };
  static const std::vector<NeededTable> dictionary = {
      {"输入法编码", {"汉字", "部首", "笔画", "查询", "词频", "序号", "药物", "姓名", "诊断", "地址", "症状"}},
      {"部首笔画", {"编号", "部首", "笔画", "词频"}},
  };
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

// Whether the main file holds at least one prescription record.
bool holdsPrescriptions(const QString& mainDbPath) {
  try {
    store::Database db = store::openExisting(mainDbPath, store::Database::Mode::ReadOnly);
    return store::guarded([&] { return store::RecordsRepository(db).holdsAny(); });
  } catch (const std::exception&) {
    return true;  // unknown: better told once too often than the history silently gone
  }
}

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
    for (const NeededTable& needed : tablesOf(QFileInfo(path).fileName()))
      store::requireColumns(db, needed.table, needed.columns);
    return std::nullopt;
  } catch (const std::exception& e) {
    return store::failureReason(e);
  }
}

LoginPasswordRead readLoginPassword(const QString& mainDbPath) {
  try {
    // Read-write: a journal left by a writer that died is rolled back, not read past.
    store::Database db = store::openExisting(mainDbPath);
    const auto stored = store::guarded([&] { return store::SettingsRow(db).password(); });
    if (!stored) throw store::StoreError(QStringLiteral("数据库中没有设置记录"));
    QString password = stored->value_or(QStringLiteral(""));
    password.remove(u'\n');  // a carriage return stays
    return {password, {}};
  } catch (const std::exception& e) {
    return {std::nullopt, store::failureReason(e)};
  }
}

StrokeCodeTableRead readStrokeCodeTable(const QString& dictionaryDbPath) {
  try {
    store::Database db = store::openExisting(dictionaryDbPath);
    return {store::guarded([&] { return store::InputDictionary(db).strokeTable(); }), {}};
  } catch (const std::exception& e) {
    return {QString(), store::failureReason(e)};
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
    return false;  // the queries run without them, only slower (see the header)
  }
}

bool makeIndexesLeftForTheClose(const AppState& state, int mostMs) {
  if (state.networkMode) return false;
  try {
    return store::makeHistoryPagesIndex(state.mainDbPath, mostMs);
  } catch (const std::exception&) {
    return false;  // the history list walks without it, and the next close tries again
  }
}

std::optional<AppState> Main(const StartupEnvironment& environment, platform::Dialogs& dialogs) {
  BusyCursor busy(environment.showBusy);
  AppState state;
  state.markupRatio = 1.25;
  state.stationCode = environment.stationCode.isEmpty() ? platform::stationCode() : environment.stationCode;

  state.localDataFolder = chooseLocalDataFolder(environment.drives);
  const QDir local(state.localDataFolder);
  CreateFolderPath(state.localDataFolder);
  if (!QFileInfo(state.localDataFolder).isDir()) {
    busy.tell(dialogs, kFolderUncreatableMessage.arg(QDir::toNativeSeparators(state.localDataFolder)));
    return std::nullopt;
  }
  // An inventory file missing beside a main file is made afresh like any missing file,
  // but the user is told when the main file already holds prescriptions: their receipts
  // and sales lines are not in the new file.
  const bool stockRemade =
      QFileInfo::exists(local.filePath(kMainDbFile)) && !QFileInfo::exists(local.filePath(kStockDbFile));
  const QStringList unwritten = writeMissingTemplates(state.localDataFolder);
  if (!unwritten.isEmpty()) {
    busy.tell(dialogs, kTemplateUnwritableMessage.arg(unwritten.first(), QDir::toNativeSeparators(state.localDataFolder)));
    return std::nullopt;
  }
  // Every file must open as a database and hold its tables before anything runs on it.
  if (const auto message = firstUnusable(local, {kMainDbFile, kStockDbFile, kDictionaryDbFile})) {
    busy.tell(dialogs, *message);
    return std::nullopt;
  }

  state.dictionaryDbPath = local.filePath(kDictionaryDbFile);
  state.mainDbPath = local.filePath(kMainDbFile);
  if (stockRemade && holdsPrescriptions(state.mainDbPath))
    busy.tell(dialogs, kStockFileRemadeMessage.arg(QDir::toNativeSeparators(local.filePath(kStockDbFile))));

  // First read, from the local main file. A password that cannot be read is not an
  // empty password: the program ends rather than open without the password check.
  const LoginPasswordRead localPassword = readLoginPassword(state.mainDbPath);
  if (!localPassword.password) {
    busy.tell(dialogs, kPasswordUnreadableMessage.arg(localPassword.reason));
    return std::nullopt;
  }
  state.loginPassword = *localPassword.password;

  state.networkMode = false;
  if (const std::optional<QString> host = readHostName(state.localDataFolder)) {
    const QString share = environment.drives.hostDataFolder(*host);
    // Both files on the share must be usable; a damaged share is an unreachable host.
    if (!share.isEmpty() && QFileInfo(QDir(share).filePath(kMainDbFile)).isFile() &&
        !firstUnusable(QDir(share), {kMainDbFile, kStockDbFile})) {
      state.networkMode = true;
      state.hostName = *host;
      const QDir remote(share);
      state.notifyFilePath = remote.filePath(kNotifyFile);
      state.mainDbPath = remote.filePath(kMainDbFile);
      state.stockDbPath = remote.filePath(kStockDbFile);
    } else {
      busy.tell(dialogs, kHostUnreachableMessage);
    }
  }
  if (!state.networkMode) {
    state.notifyFilePath = local.filePath(kNotifyFile);
    state.mainDbPath = local.filePath(kMainDbFile);
    state.stockDbPath = local.filePath(kStockDbFile);
  }

  // Second read, from the main file in use (the host's settings row in network mode).
  if (state.networkMode) {
    const LoginPasswordRead password = readLoginPassword(state.mainDbPath);
    if (!password.password) {
      busy.tell(dialogs, kPasswordUnreadableMessage.arg(password.reason));
      return std::nullopt;
    }
    state.loginPassword = *password.password;
  }

  // The queries work without these indexes, only slower; a read-only share goes on.
  ensureQueryIndexes(state.mainDbPath, state.stockDbPath);

  StrokeCodeTableRead strokes = readStrokeCodeTable(state.dictionaryDbPath);
  state.strokeCodeTable = std::move(strokes.table);
  // No stroke table is not an empty one: stroke search and the key rebuild stay off.
  state.strokeTableRead = !state.strokeCodeTable.isEmpty();
  if (!strokes.reason.isEmpty())
    busy.tell(dialogs, kStrokeTableUnreadable + QStringLiteral("：") + strokes.reason + QStringLiteral("。") +
                           kStrokeSearchOff);
  else if (!state.strokeTableRead)
    busy.tell(dialogs, kStrokeTableUnavailableMessage);
  return state;
}

}  // namespace startup
