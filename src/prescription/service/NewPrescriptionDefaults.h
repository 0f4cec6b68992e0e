// The defaults of a new prescription: what its header takes from the clock and from the
// settings.
#pragma once

#include "prescription/service/HeaderFields.h"
#include "settings/Settings.h"
#include "text/Serials.h"

#include <QDateTime>

namespace prescription {

struct PrescriptionState;

// Fills the nine fields a new prescription takes, all from the one instant `now`, so the
// record number and the dates never belong to different days: 病历号 (now as
// "yyyymmddhhmmss"), 日期 ("yyyy-mm-dd"), the long 日期 ("yyyy年mm月dd日"), 医师, 配药 and
// 复核 (both the dispenser), 科别, 费别 and 过敏史 "无". `settings` are the values every
// reader sees: the settings window's unsaved edits while it is open.
void fillNewHeaderDefaults(HeaderTexts& texts, const QDateTime& now, const settings::SettingsValues& settings);

// The defaults and a new prescription number from one reading of the serial source, so
// that both are later than every number this workstation gave before.
void startWithDefaults(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode,
                       const settings::SettingsValues& settings);

}  // namespace prescription
