// Prescription records at clinic scale: the save of a 20-line priced prescription, the
// "今日患者" and "历史处方" lists and the load, on a main file of 1,000,000 records over
// ten years (about 275 a day). The file is generated into TAVORIN_BENCH_RECORDS and
// reused by later runs given the same folder; without it, into a fresh folder of the run.
#include "prescription/service/HistoryList.h"
#include "prescription/service/MedicalRecordText.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/PricingGridPacking.h"
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/BenchFolder.h"
#include "support/TypicalRecord.h"
#include "text/Dates.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"

#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace prescription;
using bench_support::typedRecord;

constexpr int kRecords = 1000000;
const QDate kLastDay(2024, 12, 31);
const QDate kFirstDay = kLastDay.addYears(-10).addDays(1);

const QString kSurnames = QStringLiteral(
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾"
    "夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤");
const QString kGiven = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰萍红");

QString folder() { return bench_support::benchFolder("TAVORIN_BENCH_RECORDS"); }
QString mainDb() { return QDir(folder()).filePath(startup::kMainDbFile); }
QString counterFile() { return QDir(folder()).filePath(startup::kNotifyFile); }

// Patient i of 40,000: surname and two given-name characters.
QString patientName(int i) {
  return QString(kSurnames.at(i % kSurnames.size())) + kGiven.at((i / kSurnames.size()) % kGiven.size()) +
         kGiven.at((i / kSurnames.size() / kGiven.size()) % kGiven.size());
}

// Fills the file with kRecords records, about 275 a day, and the indexes start-up makes.
void generate() {
  std::fprintf(stderr, "generating %d records in %s ...\n", kRecords, qPrintable(folder()));
  QDir().mkpath(folder());
  startup::writeMissingTemplates(folder());
  {
    store::Database db(mainDb());
    db.exec(R"(DROP INDEX IF EXISTS "档案_ID号"; DROP INDEX IF EXISTS "档案_就诊日期";)");
    // The history search's pieces are made after the records, as start-up makes them on
    // a file of an older build.
    db.exec(R"(DROP TRIGGER "档案_片段_添加"; DROP TRIGGER "档案_片段_删除"; DROP TRIGGER "档案_片段_修改";)"
            R"( DROP TABLE "档案_片段"; DROP TABLE "档案_片段位"; DROP TABLE "档案_片段版本";)");
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement insert(db.sql(), bench_support::kInsertRecord);
    const int days = kFirstDay.daysTo(kLastDay) + 1;
    for (int i = 0; i < kRecords; ++i) {
      const QDate visit = kFirstDay.addDays(qint64(i) * days / kRecords);
      const QString name = patientName(int((qint64(i) * 7919) % 40000));
      const QString serial =
          text::timestampText(QDateTime(visit, QTime(8, 0).addSecs(i % 36000))) + QStringLiteral("3F9A");
      PrescriptionRecord r = typedRecord(serial, name, visit, 6 + i % 8);
      r.header[header::kAge] = QStringLiteral("%1岁").arg(20 + i % 60);
      bench_support::insertRecord(insert, r, QString(i % 3 ? "" : "-已发药"));
      if (i % 100000 == 99999) std::fprintf(stderr, "  %d records\n", i + 1);
    }
    transaction.commit();
    db.exec(R"(CREATE UNIQUE INDEX "档案_ID号" ON "档案" ("序号");)");
  }
  startup::ensureQueryIndexes(mainDb(), QDir(folder()).filePath(startup::kStockDbFile));
  store::Database(mainDb()).exec("ANALYZE");
  std::fprintf(stderr, "done\n");
}

void ensureStore() {
  static const bool ready = [] {
    if (!QFileInfo(mainDb()).isFile()) generate();
    // As every start-up does: a store made by an older build gets today's indexes.
    startup::ensureQueryIndexes(mainDb(), QDir(folder()).filePath(startup::kStockDbFile));
    return true;
  }();
  (void)ready;
}

void SaveTwentyLinePrescription(benchmark::State& state) {
  ensureStore();
  const PrescriptionSave save(mainDb(), counterFile(), [] { return kLastDay; });
  int n = 0;
  for (auto _ : state) {
    const PrescriptionRecord r = typedRecord(QStringLiteral("20241231235959B%1").arg(n++), QStringLiteral("张三丰"), kLastDay, 20);
    if (!save.save(r, false).saved()) state.SkipWithError("save failed");
  }
  // Keep the generated store as it was for the next run.
  store::Database(mainDb()).exec(R"(DELETE FROM "档案" WHERE "序号" LIKE '20241231235959B%')");
}
BENCHMARK(SaveTwentyLinePrescription)->Unit(benchmark::kMillisecond);

void TodaysPatients(benchmark::State& state) {
  ensureStore();
  const HistoryList list(mainDb());
  size_t items = 0;
  for (auto _ : state) items = list.query(todaysPatients(kLastDay)).items.size();
  state.counters["items"] = double(items);
}
BENCHMARK(TodaysPatients)->Unit(benchmark::kMillisecond);

// The searches a physician types into the history's name box, over ten years: a whole
// name, its initials, and the short texts whose matches run into the tens of thousands.
struct Search {
  const char* label;
  QString text;
};
Search historySearch(int which) {
  switch (which) {
    case 0: return {"name", patientName(1234)};
    case 1: return {"initials", text::PinyinInitials(patientName(1234))};
    case 2: return {"one character", QStringLiteral("王")};
    case 3: return {"two characters", QStringLiteral("王伟")};
    case 4: return {"one letter", QStringLiteral("w")};
    default: return {"two letters", QStringLiteral("ww")};
  }
}

void PatientHistoryOverTenYears(benchmark::State& state) {
  ensureStore();
  const HistoryList list(mainDb());
  const Search search = historySearch(static_cast<int>(state.range(0)));
  const HistoryWindow window = searchTyped(HistoryWindow{}, search.text, kLastDay);
  size_t items = 0;
  for (auto _ : state) items = list.query(window).items.size();
  state.counters["items"] = double(items);
  state.SetLabel(search.label);
}
BENCHMARK(PatientHistoryOverTenYears)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void LoadRecord(benchmark::State& state) {
  ensureStore();
  const HistoryList list(mainDb());
  const std::vector<HistoryItem> items = list.query(todaysPatients(kLastDay.addYears(-5))).items;
  if (items.empty()) {
    state.SkipWithError("no records listed");
    return;
  }
  const PrescriptionLoad load(mainDb());
  for (auto _ : state) {
    if (!load.load(items[items.size() / 2].serial).loaded()) state.SkipWithError("load failed");
  }
}
BENCHMARK(LoadRecord)->Unit(benchmark::kMillisecond);

}  // namespace
