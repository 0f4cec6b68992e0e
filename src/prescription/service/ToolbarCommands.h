// The toolbar's commands that start a prescription afresh: 新建 (a new patient), 续开
// (the same patient) and 复制处方 (the same prescription under a new number), as changes
// of the prescription state. The window runs each with its busy flag set, hides the
// suggestion lists first, and shows the state afterwards.
#pragma once

#include "settings/Settings.h"
#include "text/Serials.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace prescription {

struct PrescriptionState;

// The layout that 新建 and 续开 give the sheet for the current category: herbal for 中药
// (14) and 中药方剂 (15), ordinary for the drug categories 0 to 11, unchanged (nullopt) for
// 收费项目, 用法 and 个人组套. The mode label shows the layout applied.
std::optional<bool> layoutForCategory(int category);

// What the window does besides showing the state.
struct AfterCommand {
  enum class Focus { NameField, SearchBox };
  Focus focus = Focus::NameField;
  // The grid's scroll bar back to 0.
  bool gridReset = false;
};

// 新建. The window unloads the medical-record window first (its unload hands its sections
// to the state), then: every header field emptied and the defaults of a new prescription
// filled in (fillNewHeaderDefaults) with a new number from the same instant; the
// prescription text, the infusion card, the symptoms, the grid and its totals, the
// dispense mark, the medical record and the herbal summary emptied; the layout of the
// current category, a herbal sheet with the dose count "7". The herbal usage phrase
// stays.
AfterCommand newPrescription(PrescriptionState& state, int category, text::SerialSource& serials,
                             const QString& stationCode, const settings::SettingsValues& settings);

// 续开. The window unloads the medical-record window first. The patient, the diagnosis,
// the symptoms and the medical record stay; a new record number, visit date and number
// (the long date stays); the prescription text and the infusion card emptied; of the grid
// the name, quantity, unit, price, amount and stock emptied (category, drawer and cost
// stay until the next pricing); 药费, 其他, 合计, the dispense mark and the herbal summary
// emptied; the layout of the current category.
AfterCommand continuePrescription(PrescriptionState& state, int category, text::SerialSource& serials,
                                  const QString& stationCode);

// 复制处方, in two steps around a pause of at least 300 ms in which the prescription text
// shows empty. The copy gets its number before the pause and its record number and visit
// date after it, all from one reading of the serial source, so two copies within one
// second still get different numbers.
struct CopyInProgress {
  QString text;  // the prescription text, put back after the pause
  QDateTime time;
};
// The grid emptied (so are its totals), a new number, the prescription text emptied.
CopyInProgress beginCopy(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode);
// The record number and the visit date of the copy, its text back, the dispense mark
// emptied. Everything else stays as the copy found it. The window then gives the focus to
// the search box and hides the symptom list.
void finishCopy(PrescriptionState& state, const CopyInProgress& copy);

// The least time the prescription text shows empty during a copy.
inline constexpr int kCopyPauseMs = 300;

}  // namespace prescription
