// The workload statistics: how many prescriptions were saved over a range of visit dates
// and what their totals come to, in one result line.
#pragma once

#include <QString>

namespace reports {

inline const QString kNoFigures = QStringLiteral("无统计数字");

struct WorkloadOutcome {
  QString line;     // the result line; empty when the run was refused or failed
  QString message;  // shown to the user: bad dates, or why the records could not be read
};

// Counts the prescriptions of `mainDbPath` dated from..to (either order, no length cap)
// and adds up their totals as the program reads numbers.
WorkloadOutcome runWorkload(const QString& mainDbPath, const QString& from, const QString& to);

// "门诊处方数：2张，业务额(￥)：20.00", or "无统计数字" when nothing was counted.
QString workloadLine(long long prescriptions, double amount);

}  // namespace reports
