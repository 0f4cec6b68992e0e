#include "prescription/service/NewPrescriptionDefaults.h"

#include "prescription/service/PrescriptionState.h"
#include "text/Dates.h"

namespace prescription {

void fillNewHeaderDefaults(HeaderTexts& texts, const QDateTime& now, const settings::SettingsValues& settings) {
  texts[header::kRecordNumber] = text::timestampText(now);
  texts[header::kDate] = text::isoDate(now.date());
  texts[header::kChineseDate] = text::chineseDate(now.date());
  texts[header::kPhysician] = settings.physician;
  texts[header::kDispenser] = settings.dispenser;
  texts[header::kChecker] = texts[header::kDispenser];
  texts[header::kDepartment] = settings.department;
  texts[header::kFeeCategory] = settings.feeCategory;
  texts[header::kAllergy] = QStringLiteral("无");
}

void startWithDefaults(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode,
                       const settings::SettingsValues& settings) {
  const QDateTime now = serials.NewPrescriptionTime();
  fillNewHeaderDefaults(state.header, now, settings);
  state.number = text::timestampText(now) + stationCode;
}

}  // namespace prescription
