// A main database of 1,000,000 visits (300 a day from 2016-01-01), generated once into
// /tmp and reused by every benchmark of the outpatient log.
#pragma once

#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"

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
  const QString folder = QStringLiteral("/tmp/tavorin-bench-outpatient-log");
  const QString path = QDir(folder).filePath(startup::kMainDbFile);
  const QString done = path + QStringLiteral(".complete");
  if (QFile::exists(done)) return path;
  QDir(folder).removeRecursively();
  QDir().mkpath(folder);
  startup::writeMissingTemplates(folder);
  {
    store::Database db(path);
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement visit(db.sql(), R"(INSERT INTO "档案" ("序号", "0", "1", "2", "4", "5", "6")
                                          VALUES (?, ?, '女', '36岁', '13912345678', ?, '上呼吸道感染 咳嗽'))");
    for (int i = 0; i < kVisits; ++i) {
      const QString date = day(i / kVisitsPerDay);
      QString serial = date;
      serial.remove(u'-');
      serial += QStringLiteral("%1A1B2").arg(i % kVisitsPerDay, 6, 10, QLatin1Char('0'));
      store::bindText(visit, 1, serial);
      store::bindText(visit, 2, QStringLiteral("患者%1").arg(i % 9973));
      store::bindText(visit, 3, date);
      visit.exec();
      visit.reset();
    }
    transaction.commit();
  }
  startup::ensureQueryIndexes(path, QDir(folder).filePath(startup::kStockDbFile));
  QFile marker(done);
  marker.open(QIODevice::WriteOnly);
  return path;
}

}  // namespace bench_support
