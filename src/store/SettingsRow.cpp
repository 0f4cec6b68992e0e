#include "store/SettingsRow.h"

namespace store {
namespace {

// The record's columns, in the order of the statements below.
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

template <class Record>
auto fields(Record& r) {
  return std::array{&r.unitName,  &r.physician,  &r.dispenser, &r.feeCategory, &r.department,
                    &r.fontName,  &r.fontSize,   &r.sheetLeft, &r.sheetTop,    &r.recordLeft,
                    &r.recordTop, &r.cardLeft,   &r.cardTop,   &r.orientation, &r.printers[0],
                    &r.printers[1], &r.printers[2], &r.printers[3]};
}

std::optional<QString> optionalText(const SQLite::Statement& query, int index) {
  const QString text = columnText(query, index);
  if (text.isNull()) return std::nullopt;
  return text;
}

}  // namespace

std::optional<SettingsRecord> SettingsRow::read() {
  SQLite::Statement query(db_.sql(), kSelect);
  if (!query.executeStep()) return std::nullopt;
  SettingsRecord record;
  int column = 0;
  for (std::optional<QString>* field : fields(record)) *field = optionalText(query, column++);
  return record;
}

bool SettingsRow::write(const SettingsRecord& record) {
  SQLite::Statement update(db_.sql(), kUpdate);
  int index = 1;
  for (const std::optional<QString>* field : fields(record)) bindText(update, index++, field->value_or(QString()));
  return update.exec() == 1;
}

std::optional<std::optional<QString>> SettingsRow::password() {
  SQLite::Statement query(db_.sql(), R"(SELECT "密码" FROM "设置" ORDER BY rowid LIMIT 1)");
  if (!query.executeStep()) return std::nullopt;
  return optionalText(query, 0);
}

bool SettingsRow::setPassword(const QString& stored) {
  SQLite::Statement update(
      db_.sql(), R"(UPDATE "设置" SET "密码" = ? WHERE rowid = (SELECT min(rowid) FROM "设置"))");
  bindText(update, 1, stored);
  return update.exec() == 1;
}

LogMargins SettingsRow::logMargins() {
  SQLite::Statement query(db_.sql(), R"(SELECT "日志左边距", "日志上边距" FROM "设置" ORDER BY rowid LIMIT 1)");
  if (!query.executeStep()) return {};
  return {optionalText(query, 0), optionalText(query, 1)};
}

bool SettingsRow::setLogMargins(const QString& left, const QString& top) {
  SQLite::Statement update(db_.sql(), R"(UPDATE "设置" SET "日志左边距" = ?, "日志上边距" = ?
                                         WHERE rowid = (SELECT min(rowid) FROM "设置"))");
  bindText(update, 1, left);
  bindText(update, 2, top);
  return update.exec() > 0;
}

}  // namespace store
