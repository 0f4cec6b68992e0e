#include "reports/service/Workload.h"

#include "reports/service/ReportDates.h"
#include "store/DataFile.h"
#include "store/SalesReports.h"
#include "text/Numbers.h"

namespace reports {

QString workloadLine(long long prescriptions, double amount) {
  if (prescriptions <= 0) return kNoFigures;
  return QStringLiteral("门诊处方数：%1张，业务额(￥)：%2").arg(prescriptions).arg(text::format00(amount));
}

WorkloadOutcome runWorkload(const QString& mainDbPath, const QString& from, const QString& to) {
  const RangeReading reading = readRange(from, to);
  if (!reading.range) return {QString(), reading.refusal};
  try {
    return store::guarded([&] {
      store::Database main = store::openExisting(mainDbPath, store::Database::Mode::ReadOnly);
      const store::PrescriptionTotals totals =
          store::sumPrescriptionTotals(main, *reading.range, &text::leadingNumberUtf8);
      return WorkloadOutcome{workloadLine(totals.count, totals.sum), QString()};
    });
  } catch (const store::StoreError& e) {
    return {QString(), QStringLiteral("处方记录无法读取：") + e.reason()};
  }
}

}  // namespace reports
