// A prescription record as the program saves it (about 2.6 KB with its priced lines,
// text, infusion card and medical record), and the statement that stores one, for the
// benchmarks that fill a main file with them.
#pragma once

#include "clinical/service/MedicalRecordText.h"
#include "prescription/service/PrescriptionRecord.h"
#include "prescription/service/PrescriptionState.h"
#include "prescription/service/PricingGridPacking.h"
#include "store/Database.h"
#include "text/Dates.h"
#include "text/SearchKeys.h"

#include <QDate>
#include <QDateTime>

namespace bench_support {

using prescription::PricedGrid;
using prescription::PrescriptionRecord;
namespace header = prescription::header;

inline PricedGrid pricedGrid(int lines) {
  PricedGrid grid;
  for (int i = 0; i < lines; ++i) {
    grid[i] = {QStringLiteral("阿莫西林胶囊%1").arg(i), "2", QStringLiteral("盒"), "6.25", "12.500", "40",
               QStringLiteral("西成药·抗生素"), QStringLiteral("A%1").arg(i), "4.80"};
  }
  return grid;
}

inline PrescriptionRecord typedRecord(const QString& serial, const QString& name, const QDate& visit, int lines) {
  PrescriptionRecord r;
  r.serial = serial;
  for (QString& field : r.header) field = "";
  r.header[header::kName] = name;
  r.header[header::kSex] = QStringLiteral("男");
  r.header[header::kAge] = "35";
  r.header[header::kDepartment] = QStringLiteral("内科");
  r.header[header::kAddress] = QStringLiteral("光明路12号");
  r.header[header::kDate] = text::isoDate(visit);
  r.header[header::kDiagnosis] = QStringLiteral("上呼吸道感染");
  r.header[header::kPhysician] = QStringLiteral("赵立新");
  r.header[header::kDispenser] = QStringLiteral("钱晓梅");
  r.header[header::kDrugFee] = "35.6";
  r.header[header::kChecker] = QStringLiteral("钱晓梅");
  r.header[header::kPhone] = "13800001234";
  r.header[header::kRecordNumber] = text::timestampText(QDateTime(visit, QTime(9, 30)));
  r.header[header::kAllergy] = QStringLiteral("无");
  r.header[header::kFeeCategory] = QStringLiteral("自费");
  r.header[header::kOtherFee] = "3";
  r.header[header::kTotal] = "38.60";
  r.header[header::kChineseDate] = text::chineseDate(visit);
  for (int i = 0; i < lines; ++i)
    r.prescriptionText += QStringLiteral("%1. 阿莫西林胶囊%2 0.25g*24粒×2\r\n    用法：口服 每日3次 每次2粒\r\n").arg(i + 1).arg(i);
  r.infusionCardText = QStringLiteral("0.9%氯化钠注射液 250ml\r\n注射用头孢曲松钠 2.0g\r\n");
  r.symptoms = QStringLiteral("咳嗽，咽痛");
  r.doses = "7";
  r.grid = pricedGrid(lines);
  r.medicalRecord = clinical::joinMedicalRecord({QStringLiteral("咳嗽咽痛3天"), QStringLiteral("3天前受凉后出现咳嗽，咽痛，无发热。"),
                                       QStringLiteral("体健"), "", QStringLiteral("无"),
                                       QStringLiteral("T 36.8℃，咽部充血，双肺呼吸音清。"), "",
                                       QStringLiteral("上呼吸道感染"), QStringLiteral("抗感染，对症治疗")});
  return r;
}

// Every column the program writes, as the save writes them.
inline constexpr const char* kInsertRecord =
    R"(INSERT INTO "档案" ("序号", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",)"
    R"( "15", "16", "17", "18", "T1", "T2", "T3", "39", "40", "类别", "发药", "计价", "病历", "剂数"))"
    R"( VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))";

// Runs kInsertRecord for the record, with its name's initials key and dispense mark.
inline void insertRecord(SQLite::Statement& insert, const PrescriptionRecord& r, const QString& dispenseMark) {
  int p = 1;
  store::bindText(insert, p++, r.serial);
  for (const QString& f : r.header) store::bindText(insert, p++, f);
  for (const QString& v : {r.prescriptionText, r.infusionCardText, r.symptoms, r.herbalUsage,
                           text::NameInitialsKey(r.header[header::kName]), prescription::kOrdinarySheet, dispenseMark,
                           prescription::PricingGridPacking(r.grid), r.medicalRecord, r.doses})
    store::bindText(insert, p++, v);
  insert.exec();
  insert.reset();
}

}  // namespace bench_support
