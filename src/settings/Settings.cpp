#include "settings/Settings.h"

#include "startup/AppState.h"
#include "store/Database.h"
#include "text/Blank.h"

#include <QFileInfo>

#include <cstdint>
#include <stdexcept>

namespace settings {
namespace {

// The columns of the settings window, in the order of the statements below.
constexpr const char* kSelect =
    R"(SELECT "单位名称", "医师", "发药人", "费别", "科别", "处方字体", "处方字号",
              "左边距", "上边距", "左边距1", "上边距1", "左边距2", "上边距2", "备用1",
              "默认打印机", "处方打印机", "打印机2", "打印机3"
       FROM "设置" ORDER BY rowid LIMIT 1)";

constexpr const char* kUpdate =
    R"(UPDATE "设置" SET "单位名称" = ?, "医师" = ?, "发药人" = ?, "费别" = ?, "科别" = ?,
              "处方字体" = ?, "处方字号" = ?, "左边距" = ?, "上边距" = ?, "左边距1" = ?,
              "上边距1" = ?, "左边距2" = ?, "上边距2" = ?, "备用1" = ?, "备用3" = '',
              "默认打印机" = ?, "处方打印机" = ?, "打印机2" = ?, "打印机3" = ?
       WHERE rowid = (SELECT min(rowid) FROM "设置"))";

std::string reason(const QString& text) { return text.toStdString(); }

}  // namespace

SettingsValues readSettingsRow(const QString& mainDbPath, const QString& defaultPrinter, bool* rowRead) {
  SettingsValues v;
  v.printers.fill(defaultPrinter);
  if (rowRead) *rowRead = false;
  if (!QFileInfo(mainDbPath).isFile()) return v;
  try {
    store::Database db(mainDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement query(db.sql(), kSelect);
    if (!query.executeStep()) return v;
    int column = 0;
    const auto take = [&](QString& target) {
      const QString stored = store::columnText(query, column++);
      if (!stored.isNull()) target = stored;
    };
    for (QString* target : {&v.unitName, &v.physician, &v.dispenser, &v.feeCategory, &v.department, &v.fontName,
                            &v.fontSize, &v.sheetLeft, &v.sheetTop, &v.recordLeft, &v.recordTop, &v.cardLeft,
                            &v.cardTop})
      take(*target);
    v.portrait = store::columnText(query, column++).isEmpty();
    for (int box = kDefaultPrinter; box <= kDispensingPrinter; ++box) {
      take(v.printers[box]);
      // The visible boxes never show empty while there is a printer to name.
      if (box != kDefaultPrinter && v.printers[box].isEmpty()) v.printers[box] = defaultPrinter;
    }
    if (rowRead) *rowRead = true;
  } catch (const std::exception&) {
    // What was read stays; the rest keeps its initial value.
  }
  return v;
}

void writeSettingsRow(const QString& mainDbPath, const SettingsValues& v) {
  if (!QFileInfo(mainDbPath).isFile()) throw std::runtime_error(reason(QStringLiteral("找不到数据库文件")));
  try {
    store::Database db(mainDbPath);
    SQLite::Statement update(db.sql(), kUpdate);
    int index = 1;
    for (const QString* value : {&v.unitName, &v.physician, &v.dispenser, &v.feeCategory, &v.department, &v.fontName,
                                 &v.fontSize, &v.sheetLeft, &v.sheetTop, &v.recordLeft, &v.recordTop, &v.cardLeft,
                                 &v.cardTop})
      store::bindText(update, index++, value->isNull() ? QStringLiteral("") : *value);
    store::bindText(update, index++, v.portrait ? QStringLiteral("") : QStringLiteral("1"));
    for (const QString& printer : v.printers)
      store::bindText(update, index++, printer.isNull() ? QStringLiteral("") : printer);
    if (update.exec() != 1) throw std::runtime_error(reason(QStringLiteral("数据库中没有设置记录")));
  } catch (const SQLite::Exception& e) {
    throw std::runtime_error(reason(QStringLiteral("数据库无法写入（%1）").arg(QString::fromUtf8(e.what()))));
  }
}

PasswordChange changePassword(const QString& mainDbPath, const QString& typedOld, const QString& typedNew) {
  const QString newPassword = text::trimBlanks(typedNew);
  if (newPassword.isEmpty()) return PasswordChange::NoNewPassword;
  if (!QFileInfo(mainDbPath).isFile()) return PasswordChange::WrongOldPassword;
  bool compared = false;
  try {
    store::Database db(mainDbPath);
    SQLite::Statement query(db.sql(), R"(SELECT rowid, "密码" FROM "设置" ORDER BY rowid LIMIT 1)");
    if (!query.executeStep()) return PasswordChange::WrongOldPassword;
    const int64_t rowid = query.getColumn(0).getInt64();
    QString stored = store::columnText(query, 1);
    // No value is never a match; the stored text is not trimmed.
    if (stored.isNull()) return PasswordChange::WrongOldPassword;
    stored.remove(u'\n');
    if (stored != text::trimBlanks(typedOld)) return PasswordChange::WrongOldPassword;
    query.reset();
    compared = true;

    SQLite::Statement update(db.sql(), R"(UPDATE "设置" SET "密码" = ? WHERE rowid = ?)");
    store::bindText(update, 1, newPassword + u'\n');
    update.bind(2, rowid);
    return update.exec() == 1 ? PasswordChange::Changed : PasswordChange::WriteFailed;
  } catch (const std::exception&) {
    // A row that cannot be read cannot confirm the old password.
    return compared ? PasswordChange::WriteFailed : PasswordChange::WrongOldPassword;
  }
}

Settings::Settings(const startup::AppState& state) : state_(state) {}

const SettingsValues& Settings::values() {
  if (!loaded_ && loader_ && !loading_) {
    loading_ = true;
    try {
      loader_();
    } catch (const std::exception&) {
      // The row is then read here.
    }
    loading_ = false;
  }
  if (!loaded_) load();
  return values_;
}

void Settings::load() {
  values_ = readSettingsRow(state_.MainDbConnection, state_.DefaultPrinterName, &rowRead_);
  loaded_ = true;
}

SettingsValues& Settings::edit() {
  if (!loaded_) load();
  return values_;
}

void Settings::save() { writeSettingsRow(state_.MainDbConnection, values_); }

void Settings::drop() {
  loaded_ = false;
  values_ = SettingsValues{};
}

}  // namespace settings
