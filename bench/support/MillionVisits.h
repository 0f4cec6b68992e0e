// A main database of 1,000,000 visits (300 a day from 2016-01-01), each a whole record of
// the size the program saves (about 2.6 KB), generated into TAVORIN_BENCH_OUTPATIENT_LOG
// and reused by later runs given the same folder; without it, into a fresh folder of the
// run, shared by every benchmark of the outpatient log in that run.
#pragma once

#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/RecordNameIndex.h"
#include "BenchFolder.h"
#include "TypicalRecord.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <SQLiteCpp/Transaction.h>

namespace bench_support {

inline constexpr int kVisits = 1000000;
inline constexpr int kVisitsPerDay = 300;

// The day `offset` days after the first visit day, "yyyy-mm-dd".
inline QString day(int offset) {
  return QDate(2016, 1, 1).addDays(offset).toString(QStringLiteral("yyyy-MM-dd"));
}

// The path of the main database holding the visits.
inline QString storeOfAMillion() {
  const QString folder = benchFolder("TAVORIN_BENCH_OUTPATIENT_LOG");
  const QString path = QDir(folder).filePath(startup::kMainDbFile);
  const QString done = path + QStringLiteral(".complete");
  if (QFile::exists(done)) return path;
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  startup::writeMissingTemplates(folder);
  {
    store::Database db(path);
    // The history search's pieces are made after the visits, as start-up makes them.
    db.exec(R"(DROP TRIGGER "档案_片段_添加"; DROP TRIGGER "档案_片段_删除"; DROP TRIGGER "档案_片段_修改";)"
            R"( DROP TABLE "档案_片段"; DROP TABLE "档案_片段位"; DROP TABLE "档案_片段版本";)");
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement visit(db.sql(), kInsertRecord);
    for (int i = 0; i < kVisits; ++i) {
      const QDate date = QDate(2016, 1, 1).addDays(i / kVisitsPerDay);
      QString serial = day(i / kVisitsPerDay);
      serial.remove(u'-');
      serial += QStringLiteral("%1A1B2").arg(i % kVisitsPerDay, 6, 10, QLatin1Char('0'));
      PrescriptionRecord r = typedRecord(serial, QStringLiteral("患者%1").arg(i % 9973), date, 6 + i % 8);
      r.header[header::kSex] = QStringLiteral("女");
      r.header[header::kAge] = QStringLiteral("36岁");
      r.header[header::kAddress] = QStringLiteral("13912345678");
      r.header[header::kDiagnosis] = QStringLiteral("上呼吸道感染 咳嗽");
      insertRecord(visit, r, i % 3 ? QString("") : QStringLiteral("-已发药"));
    }
    transaction.commit();
  }
  startup::ensureQueryIndexes(path, QDir(folder).filePath(startup::kStockDbFile));
  {
    store::Database db(path);
    store::ensureRecordNameIndex(db);
  }
  QFile marker(done);
  marker.open(QIODevice::WriteOnly);
  return path;
}

}  // namespace bench_support
