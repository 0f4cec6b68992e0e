#include "settings/Settings.h"

#include "settings/BellMarker.h"
#include "startup/AppState.h"
#include "store/DataFile.h"
#include "store/SettingsRow.h"
#include "text/Blank.h"

#include <SQLiteCpp/Transaction.h>

#include <stdexcept>

namespace settings {
namespace {

// The record as the window shows it: a column with no value keeps the initial value.
void take(const std::optional<QString>& stored, QString& target) {
  if (stored) target = *stored;
}

std::optional<QString> given(const QString& value) { return value.isNull() ? QStringLiteral("") : value; }

}  // namespace

SettingsRead readSettingsRow(const QString& mainDbPath, const QString& defaultPrinter) {
  SettingsRead read;
  SettingsValues& v = read.values;
  v.printers.fill(defaultPrinter);
  try {
    // Read-write, so that a journal left by a writer that died is rolled back first.
    store::Database db = store::openExisting(mainDbPath);
    const std::optional<store::SettingsRecord> row = store::guarded([&] { return store::SettingsRow(db).read(); });
    if (!row) {
      read.reason = kNoSettingsRow;
      return read;
    }
    for (auto [stored, target] : {std::pair{&row->unitName, &v.unitName}, {&row->physician, &v.physician},
                                  {&row->dispenser, &v.dispenser}, {&row->feeCategory, &v.feeCategory},
                                  {&row->department, &v.department}, {&row->fontName, &v.fontName},
                                  {&row->fontSize, &v.fontSize}, {&row->sheetLeft, &v.sheetLeft},
                                  {&row->sheetTop, &v.sheetTop}, {&row->recordLeft, &v.recordLeft},
                                  {&row->recordTop, &v.recordTop}, {&row->cardLeft, &v.cardLeft},
                                  {&row->cardTop, &v.cardTop}})
      take(*stored, *target);
    v.portrait = row->orientation.value_or(QString()).isEmpty();
    for (int box = kDefaultPrinter; box <= kDispensingPrinter; ++box) {
      take(row->printers[box], v.printers[box]);
      // The visible boxes never show empty while there is a printer to name.
      if (box != kDefaultPrinter && v.printers[box].isEmpty()) v.printers[box] = defaultPrinter;
    }
    read.rowRead = true;
  } catch (const std::exception& e) {
    read.reason = store::failureReason(e);
  }
  return read;
}

void writeSettingsRow(const QString& mainDbPath, const SettingsValues& v) {
  try {
    store::Database db = store::openExisting(mainDbPath);
    store::SettingsRecord record;
    for (auto [value, field] : {std::pair{&v.unitName, &record.unitName}, {&v.physician, &record.physician},
                                {&v.dispenser, &record.dispenser}, {&v.feeCategory, &record.feeCategory},
                                {&v.department, &record.department}, {&v.fontName, &record.fontName},
                                {&v.fontSize, &record.fontSize}, {&v.sheetLeft, &record.sheetLeft},
                                {&v.sheetTop, &record.sheetTop}, {&v.recordLeft, &record.recordLeft},
                                {&v.recordTop, &record.recordTop}, {&v.cardLeft, &record.cardLeft},
                                {&v.cardTop, &record.cardTop}})
      *field = given(*value);
    record.orientation = v.portrait ? QStringLiteral("") : QStringLiteral("1");
    for (int box = kDefaultPrinter; box <= kDispensingPrinter; ++box) record.printers[box] = given(v.printers[box]);
    if (!store::guarded([&] { return store::SettingsRow(db).write(record); }))
      throw std::runtime_error(kNoSettingsRow.toStdString());
  } catch (const store::StoreError& e) {
    throw std::runtime_error(QStringLiteral("数据库无法写入（%1）").arg(e.reason()).toStdString());
  }
}

PasswordChangeOutcome changePassword(const QString& mainDbPath, const QString& typedOld, const QString& typedNew) {
  const QString newPassword = text::trimBlanks(typedNew);
  if (newPassword.isEmpty()) return {PasswordChange::NoNewPassword, {}};
  bool compared = false;
  try {
    store::Database db = store::openExisting(mainDbPath);
    // The check and the change in one transaction: no other workstation's change can
    // come between them.
    SQLite::Transaction transaction(db.sql(), SQLite::TransactionBehavior::IMMEDIATE);
    store::SettingsRow row(db);
    const std::optional<std::optional<QString>> stored = row.password();
    // No row or no value is never a match; the stored text is not trimmed.
    if (!stored || !*stored) return {PasswordChange::WrongOldPassword, {}};
    if (QString(**stored).remove(u'\n') != text::trimBlanks(typedOld)) return {PasswordChange::WrongOldPassword, {}};
    compared = true;
    if (!row.setPassword(newPassword + u'\n')) return {PasswordChange::WriteFailed, {}};
    transaction.commit();
    return {PasswordChange::Changed, {}};
  } catch (const std::exception& e) {
    return {compared ? PasswordChange::WriteFailed : PasswordChange::FileProblem, store::failureReason(e)};
  }
}

Settings::Settings(const startup::AppState& state, std::function<QString()> defaultPrinter, QObject* parent)
    : QObject(parent), state_(state), defaultPrinter_(std::move(defaultPrinter)) {}

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

QString Settings::load() {
  SettingsRead read = readSettingsRow(state_.mainDbPath, defaultPrinter_ ? defaultPrinter_() : QString());
  values_ = std::move(read.values);
  rowRead_ = read.rowRead;
  loaded_ = true;
  return std::move(read.reason);
}

SettingsValues& Settings::edit() {
  if (!loaded_) load();
  return values_;
}

Settings::SaveOutcome Settings::save() {
  // Boxes filled with fallbacks must never overwrite a row that was not read.
  if (!rowRead_) return {false, kRowNotRead};
  try {
    writeSettingsRow(state_.mainDbPath, values_);
  } catch (const std::exception& e) {
    return {false, store::failureReason(e)};
  }
  emit changed();
  return {true, {}};
}

bool Settings::bellOn() {
  if (!bell_) bell_ = bellMarkerExists(state_.localDataFolder);
  return *bell_;
}

bool Settings::switchBell(bool on) {
  bell_ = on;
  const bool markerFollows = setBellMarker(state_.localDataFolder, on);
  emit changed();
  return markerFollows;
}

void Settings::drop() {
  loaded_ = false;
  values_ = SettingsValues{};
}

}  // namespace settings
