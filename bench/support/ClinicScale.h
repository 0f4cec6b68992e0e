// A data folder as a clinic's looks after ten years up to the day it is made: 1,000,000
// prescription records of real length (support/TenYearsOfRecords.h), their 40,000
// patients in the register, 600 diagnosis and address phrases, a catalogue of 100,000
// drugs with every column filled at real length (fillClinicCatalogue), and an inventory
// file of 5,000,000 sales lines and 1,000,000 receipts. Generated into
// TAVORIN_BENCH_CLINIC and reused by later runs given the same folder; without it, into a
// fresh folder of the run.
#pragma once

#include "store/QueryIndexes.h"
#include "store/RecordsRepository.h"
#include "ClinicInventory.h"
#include "GeneratedCatalogue.h"
#include "TenYearsOfRecords.h"
#include "text/SearchKeys.h"

#include <malloc.h>

namespace bench_support {

inline constexpr int kClinicCatalogueRows = 100000;
inline constexpr int kClinicSalesLines = 5000000;
inline constexpr int kClinicReceipts = 1000000;

inline QString clinicFolder() { return benchFolder("TAVORIN_BENCH_CLINIC"); }

inline void generateClinic() {
  const QDir folder(clinicFolder());
  const QDate lastDay = QDate::currentDate();
  generateRecords(folder.path(), lastDay);
  const QString mainDb = folder.filePath(startup::kMainDbFile);
  {
    store::Database main(mainDb);
    SQLite::Transaction transaction(main.sql());
    store::RecordsRepository records(main);
    for (int i = 0; i < 40000; ++i) {
      store::PatientRow p;
      p.name = patientName(i);
      p.birthYear = QString::number(1940 + i % 80);
      p.key = text::PatientKey(p.name, p.birthYear);
      p.sex = i % 2 ? QStringLiteral("男") : QStringLiteral("女");
      p.cardNumber = QStringLiteral("3301%1").arg(i, 12, 10, QChar(u'0'));
      p.address = QStringLiteral("光明区和平路%1号%2栋%3室").arg(i % 300).arg(i % 20).arg(100 + i % 600);
      p.diagnosis = QStringLiteral("上呼吸道感染 高血压病");
      p.feeCategory = QStringLiteral("自费");
      p.phone = QStringLiteral("139%1").arg(i, 8, 10, QChar(u'0'));
      p.allergy = i % 5 ? QStringLiteral("无") : QStringLiteral("青霉素过敏");
      records.writePatient(p);
    }
    SQLite::Statement phrase(main.sql(), R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES (?, ?, ?))");
    for (int i = 0; i < 600; ++i) {
      const QString text = i % 2 ? QStringLiteral("慢性支气管炎急性发作%1").arg(i) : QStringLiteral("幸福街道%1号").arg(i);
      store::bindText(phrase, 1, text);
      store::bindText(phrase, 2, i % 2 ? QStringLiteral("诊断名称") : QStringLiteral("地    址"));
      store::bindText(phrase, 3, text::NameInitialsKey(text));
      phrase.exec();
      phrase.reset();
    }
    transaction.commit();
  }
  const startup::StrokeCodeTableRead strokes = startup::readStrokeCodeTable(folder.filePath(startup::kDictionaryDbFile));
  fillClinicCatalogue(mainDb, text::StrokeCoder(strokes.table), kClinicCatalogueRows);
  {
    store::Database stock(folder.filePath(startup::kStockDbFile));
    addSalesLines(stock, kClinicSalesLines, lastDay.addYears(-10).addDays(1), lastDay);
    addReceipts(stock, kClinicReceipts, lastDay.addYears(-10).addDays(1), lastDay);
    store::ensureStockIndexes(stock);
  }
  startup::ensureQueryIndexes(mainDb, folder.filePath(startup::kStockDbFile));
  QFile ready(folder.filePath(QStringLiteral("ready")));
  ready.open(QIODevice::WriteOnly);
  // What the generator held is not the program's.
  malloc_trim(0);
}

inline void ensureClinic() {
  if (!QFileInfo::exists(QDir(clinicFolder()).filePath(QStringLiteral("ready")))) generateClinic();
}

}  // namespace bench_support
