// A main file of 1,000,000 prescription records over ten years (about 275 a day) of
// 40,000 patients, generated into TAVORIN_BENCH_RECORDS and reused by later runs given the
// same folder; without it, into a fresh folder of the run.
#pragma once

#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/HistoryPages.h"
#include "store/RecordNameIndex.h"
#include "BenchFolder.h"
#include "TypicalRecord.h"
#include "text/Dates.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <cstdio>
#include <limits>

namespace bench_support {

inline constexpr int kRecords = 1000000;
inline const QDate kLastDay(2024, 12, 31);
inline const QDate kFirstDay = kLastDay.addYears(-10).addDays(1);

inline const QString kSurnames = QStringLiteral(
    "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾"
    "夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤");
inline const QString kGiven = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰萍红");

inline QString recordsFolder() { return benchFolder("TAVORIN_BENCH_RECORDS"); }
inline QString recordsMainDb() { return QDir(recordsFolder()).filePath(startup::kMainDbFile); }
inline QString recordsCounterFile() { return QDir(recordsFolder()).filePath(startup::kNotifyFile); }

// Patient i of 40,000: surname and two given-name characters.
inline QString patientName(int i) {
  return QString(kSurnames.at(i % kSurnames.size())) + kGiven.at((i / kSurnames.size()) % kGiven.size()) +
         kGiven.at((i / kSurnames.size() / kGiven.size()) % kGiven.size());
}

// Fills the main file of `folder` (made from the templates) with kRecords records over the
// ten years up to `lastDay`, about 275 a day, and the indexes start-up makes.
inline void generateRecords(const QString& folder, const QDate& lastDay) {
  const QString mainDb = QDir(folder).filePath(startup::kMainDbFile);
  const QDate firstDay = lastDay.addYears(-10).addDays(1);
  std::fprintf(stderr, "generating %d records in %s ...\n", kRecords, qPrintable(folder));
  QDir().mkpath(folder);
  startup::writeMissingTemplates(folder);
  {
    store::Database db(mainDb);
    db.exec(R"(DROP INDEX IF EXISTS "档案_ID号"; DROP INDEX IF EXISTS "档案_就诊日期"; DROP INDEX IF EXISTS "档案_序号筛选";)");
    // The history search's pieces are made after the records, as start-up makes them on
    // a file of an older build.
    db.exec(R"(DROP TRIGGER "档案_片段_添加"; DROP TRIGGER "档案_片段_删除"; DROP TRIGGER "档案_片段_修改";)"
            R"( DROP TABLE "档案_片段"; DROP TABLE "档案_片段位"; DROP TABLE "档案_片段版本";)");
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement insert(db.sql(), kInsertRecord);
    const int days = firstDay.daysTo(lastDay) + 1;
    for (int i = 0; i < kRecords; ++i) {
      const QDate visit = firstDay.addDays(qint64(i) * days / kRecords);
      const QString name = patientName(int((qint64(i) * 7919) % 40000));
      const QString serial =
          text::timestampText(QDateTime(visit, QTime(8, 0).addSecs(i % 36000))) + QStringLiteral("3F9A");
      PrescriptionRecord r = typedRecord(serial, name, visit, 6 + i % 8);
      r.header[header::kAge] = QStringLiteral("%1岁").arg(20 + i % 60);
      insertRecord(insert, r, QString(i % 3 ? "" : "-已发药"));
      if (i % 100000 == 99999) std::fprintf(stderr, "  %d records\n", i + 1);
    }
    transaction.commit();
    db.exec(R"(CREATE UNIQUE INDEX "档案_ID号" ON "档案" ("序号");)");
  }
  startup::ensureQueryIndexes(mainDb, QDir(folder).filePath(startup::kStockDbFile));
  store::makeHistoryPagesIndex(mainDb, std::numeric_limits<int>::max());
  {
    store::Database db(mainDb);
    store::ensureRecordNameIndex(db);
  }
  store::Database(mainDb).exec("ANALYZE");
  std::fprintf(stderr, "done\n");
}

inline void ensureRecords() {
  static const bool ready = [] {
    if (!QFileInfo(recordsMainDb()).isFile()) generateRecords(recordsFolder(), kLastDay);
    // As every start-up does: a store made by an older build gets today's indexes, the
    // history pages' index at its first close and its name pieces once the background
    // fill is done.
    startup::ensureQueryIndexes(recordsMainDb(), QDir(recordsFolder()).filePath(startup::kStockDbFile));
    store::makeHistoryPagesIndex(recordsMainDb(), std::numeric_limits<int>::max());
    store::Database db(recordsMainDb());
    store::ensureRecordNameIndex(db);
    return true;
  }();
  (void)ready;
}

}  // namespace bench_support
