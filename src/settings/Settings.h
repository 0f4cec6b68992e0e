// The settings row [设置] and the settings cache. The settings window is a view over the
// one Settings object: every reader asks it, and a read while it holds nothing loads it
// (through the loader the program sets, which reads the row without making the window).
// While the window is open the object holds the window's unsaved edits; closing the
// window drops them.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace startup {
struct AppState;
}

namespace settings {

// Indices of the printer boxes Combo2(0) to Combo2(3) and of their columns.
enum PrinterBox { kDefaultPrinter = 0, kPrescriptionPrinter = 1, kRecordPrinter = 2, kDispensingPrinter = 3 };

// What the settings window edits. The initial values are the shipped row's, so a row that
// cannot be read leaves the boxes with usable values.
struct SettingsValues {
  QString unitName;                                     // 单位名称: the sheet title
  QString physician;                                    // 医师
  QString dispenser;                                    // 发药人
  QString feeCategory;                                  // 费别
  QString department;                                   // 科别
  QString fontName = QStringLiteral("宋体");            // 处方字体
  QString fontSize = QStringLiteral("12");              // 处方字号
  QString sheetLeft = QStringLiteral("10");             // 左边距 (mm, as typed)
  QString sheetTop = QStringLiteral("20");              // 上边距
  QString recordLeft = QStringLiteral("10");            // 左边距1
  QString recordTop = QStringLiteral("10");             // 上边距1
  QString cardLeft = QStringLiteral("10");              // 左边距2
  QString cardTop = QStringLiteral("10");               // 上边距2
  bool portrait = true;                                 // 备用1: empty or no value
  std::array<QString, 4> printers;                      // 默认打印机, 处方打印机, 打印机2, 打印机3

  bool operator==(const SettingsValues&) const = default;
};

// The row as the settings window loads it: a column with no value keeps the initial value;
// a printer box starts with the default printer's name, and the three visible ones take it
// again when their column holds the empty text. When no row could be read the values are
// the initial ones and `reason` says why. The file is opened for writing, so that a
// journal left by a writer that died is rolled back before the read.
struct [[nodiscard]] SettingsRead {
  SettingsValues values;
  bool rowRead = false;
  QString reason;  // why no row was read; empty when one was
};
SettingsRead readSettingsRow(const QString& mainDbPath, const QString& defaultPrinter);

inline const QString kNoSettingsRow = QStringLiteral("数据库中没有设置记录");
inline const QString kRowNotRead = QStringLiteral("设置未曾读取，不能保存，以免覆盖已存的设置");

// Writes the values into the first row, every text as typed, 备用3 to the empty text.
// Throws std::runtime_error (reason in Chinese) when the row cannot be written.
void writeSettingsRow(const QString& mainDbPath, const SettingsValues& values);

// FileProblem: the file could not be opened or read (locked, damaged, missing), so the
// old password could not be checked.
enum class PasswordChange { NoNewPassword, WrongOldPassword, Changed, WriteFailed, FileProblem };

struct [[nodiscard]] PasswordChangeOutcome {
  PasswordChange result = PasswordChange::FileProblem;
  // Why the file could not be read (FileProblem) or written (WriteFailed, when the store
  // gave a reason); empty otherwise.
  QString reason;
};

// The password change: the new password (blanks trimmed) must not be empty; the stored
// password without its line feeds must equal the typed old one (blanks trimmed, letter
// case counts). Then the new password and one line feed are written, in the same
// transaction as the check.
PasswordChangeOutcome changePassword(const QString& mainDbPath, const QString& typedOld, const QString& typedNew);

// Tells its listeners when a save has changed what the program works with: the stored
// row, or this workstation's bell switch. The prescription window's sheet title and bell
// follow it.
class Settings : public QObject {
  Q_OBJECT

 public:
  // `defaultPrinter` names the default printer when first asked; the printer boxes start
  // with it.
  explicit Settings(const startup::AppState& state, std::function<QString()> defaultPrinter = {},
                    QObject* parent = nullptr);

  // How a read fills an empty cache: the program's loader calls load() and tells when the
  // row could not be read. Without a loader (or when it loads nothing) the row is read here.
  void setLoader(std::function<void()> loader) { loader_ = std::move(loader); }

  // Readers: the current values, loading them first when the cache is empty.
  const SettingsValues& values();

  // The settings window: reads the row afresh, dropping any edits. Returns why no row was
  // read (the values are then the fallbacks); empty when one was.
  QString load();
  bool isLoaded() const { return loaded_; }
  // True when the last load found the row: only then may the values be saved over it.
  bool rowRead() const { return rowRead_; }
  // The window's edits, visible to every reader at once.
  SettingsValues& edit();
  // Writes the current values and tells the listeners. Nothing is written when the row
  // was never read (the values are fallbacks then) or the store refuses them; the window
  // keeps the edits and tells why.
  struct [[nodiscard]] SaveOutcome {
    bool saved = false;
    QString reason;  // why nothing was written, in the store's words
  };
  SaveOutcome save();

  // This workstation's bell for new prescriptions: whether the marker file "Lstz.ini" is
  // in the local data folder, asked once, at the first read; afterwards only the settings
  // window's save switches it.
  bool bellOn();
  // Switches the bell for this run and makes the marker follow; false when the marker
  // could not be made to match (the next start then finds the old state). Tells the
  // listeners.
  bool switchBell(bool on);
  // The window has closed: edits are dropped, the next read loads the stored row.
  void drop();

 private:
  const startup::AppState& state_;
  std::function<QString()> defaultPrinter_;
  std::function<void()> loader_;
  SettingsValues values_;
  bool loaded_ = false;
  bool rowRead_ = false;
  bool loading_ = false;
  std::optional<bool> bell_;

 signals:
  void changed();
};

}  // namespace settings
