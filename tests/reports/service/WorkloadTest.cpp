// The workload line: count and total of the prescriptions of a visit-date range.
#include "reports/service/ReportDates.h"
#include "reports/service/Workload.h"
#include "reports/service/ReportsFixture.h"

#include <QFile>

namespace {

using testing_support::ReportsTest;
using WorkloadTest = ReportsTest;

TEST_F(WorkloadTest, CountsAndSumsTheRangeBothEndsIncluded) {
  addPrescription("20190101080000A", "2019-01-01", "12.50");
  addPrescription("20190131080000A", "2019-01-31", "7.5");
  addPrescription("20190201080000A", "2019-02-01", "100.00");  // the day after
  addPrescription("20181231080000A", "2018-12-31", "100.00");  // the day before
  struct Case {
    const char* from;
    const char* to;
    const char* line;
  } cases[] = {
      {"2019-01-01", "2019-01-31", "门诊处方数：2张，业务额(￥)：20.00"},
      {"2019-01-31", "2019-01-01", "门诊处方数：2张，业务额(￥)：20.00"},  // reversed bounds
      {"2010-01-01", "2030-12-31", "门诊处方数：4张，业务额(￥)：220.00"},  // no length cap
      {"2019-03-01", "2019-03-31", "无统计数字"},
  };
  for (const Case& c : cases) {
    const reports::WorkloadOutcome out = reports::runWorkload(mainDb, c.from, c.to);
    EXPECT_EQ(out.line, QString::fromUtf8(c.line)) << c.from << " " << c.to;
    EXPECT_TRUE(out.message.isEmpty());
  }
}

TEST_F(WorkloadTest, TotalsAreReadAsTheProgramReadsNumbers) {
  // Empty, not a number, blanks between digits, a trailing unit, a time of day on the date.
  addPrescription("1", "2019-05-05", "");
  addPrescription("2", "2019-05-05", "abc");
  addPrescription("3", "2019-05-05", "1 2.5");
  addPrescription("4", "2019-05-05 09:30:00", "3.25元");
  EXPECT_EQ(reports::runWorkload(mainDb, "2019-05-05", "2019-05-05").line,
            QStringLiteral("门诊处方数：4张，业务额(￥)：15.75"));
}

TEST_F(WorkloadTest, BadDatesAndAMissingFileAreToldNotCounted) {
  addPrescription("1", "2019-05-05", "1.00");
  const reports::WorkloadOutcome bad = reports::runWorkload(mainDb, "2019-13-01", "2019-05-05");
  EXPECT_EQ(bad.message, reports::kBadDatesMessage);
  EXPECT_TRUE(bad.line.isEmpty());

  QFile::remove(mainDb);
  const reports::WorkloadOutcome gone = reports::runWorkload(mainDb, "2019-05-05", "2019-05-05");
  EXPECT_TRUE(gone.line.isEmpty());
  EXPECT_TRUE(gone.message.startsWith(QStringLiteral("处方记录无法读取："))) << gone.message.toStdString();
}

TEST(ReportDates, RangeCapAndOrder) {
  struct Case {
    const char* from;
    const char* to;
    int cap;
    bool accepted;
  } cases[] = {
      {"2019-01-01", "2019-02-02", 32, true},   // exactly 32 days
      {"2019-02-02", "2019-01-01", 32, true},   // the same, swapped
      {"2019-01-01", "2019-02-03", 32, false},  // 33 days
      {"2019-02-03", "2019-01-01", 32, false},
      {"2019-01-01", "2029-01-01", -1, true},
      {"2019-1-1", "2019-1-5", 32, true},
  };
  for (const Case& c : cases) {
    const reports::RangeReading r = reports::readRange(c.from, c.to, c.cap);
    EXPECT_EQ(r.range.has_value(), c.accepted) << c.from << " " << c.to;
    if (r.range) {
      EXPECT_LE(r.range->first, r.range->last);
    } else {
      EXPECT_EQ(r.refusal, reports::kRangeTooLongMessage);
    }
  }
  // A bad date is told as such, before any cap.
  EXPECT_EQ(reports::readRange("2019-01-01", "x", 32).refusal, reports::kBadDatesMessage);
  EXPECT_EQ(reports::readRange("", "2019-01-01", 32).refusal, reports::kBadDatesMessage);
}

}  // namespace
