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
      double sum = 0.0;
      const long long n = store::forEachPrescriptionTotal(
          main, *reading.range, [&](const QString& total) { sum += text::leadingNumber(total); });
      return WorkloadOutcome{workloadLine(n, sum), QString()};
    });
  } catch (const store::StoreError& e) {
    return {QString(), QStringLiteral("处方记录无法读取：") + e.reason()};
  }
}

}  // namespace reports
