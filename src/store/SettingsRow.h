// The one settings row [设置] of the main file. A column with no value (NULL) reads as
// nullopt, which is not the empty text: the settings window keeps its initial value for
// the one and shows the other.
#pragma once

#include "store/Database.h"

#include <array>
#include <optional>

namespace store {

// The columns the settings window owns, in the order it loads them.
struct SettingsRecord {
  std::optional<QString> unitName;     // 单位名称
  std::optional<QString> physician;    // 医师
  std::optional<QString> dispenser;    // 发药人
  std::optional<QString> feeCategory;  // 费别
  std::optional<QString> department;   // 科别
  std::optional<QString> fontName;     // 处方字体
  std::optional<QString> fontSize;     // 处方字号
  std::optional<QString> sheetLeft;    // 左边距
  std::optional<QString> sheetTop;     // 上边距
  std::optional<QString> recordLeft;   // 左边距1
  std::optional<QString> recordTop;    // 上边距1
  std::optional<QString> cardLeft;     // 左边距2
  std::optional<QString> cardTop;      // 上边距2
  std::optional<QString> orientation;  // 备用1: "" or no value portrait, "1" landscape
  // 默认打印机, 处方打印机, 打印机2, 打印机3
  std::array<std::optional<QString>, 4> printers;
};

// The outpatient log's print margins as the user typed them ([日志左边距], [日志上边距]);
// a column without a value is nullopt.
struct LogMargins {
  std::optional<QString> left;
  std::optional<QString> top;
};

class SettingsRow {
 public:
  explicit SettingsRow(Database& db) : db_(db) {}

  // The first row in storage order; nullopt when the table holds none.
  std::optional<SettingsRecord> read();
  // Writes every column of the record into the first row (nullopt stores no value) and
  // 备用3 as the empty text. False when there is no row; no row is ever added.
  bool write(const SettingsRecord& record);

  // The stored password, line feeds and all; the outer nullopt when there is no row, the
  // inner one when 密码 has no value.
  std::optional<std::optional<QString>> password();
  // Replaces the first row's password; false when there is no row.
  bool setPassword(const QString& stored);

  // The log margins of the first row; both nullopt when there is no row.
  LogMargins logMargins();
  // Writes both log margins into the first row; false when there is no row.
  bool setLogMargins(const QString& left, const QString& top);

 private:
  Database& db_;
};

}  // namespace store
