// A data folder made from the templates, with the save, the history list and the load
// over its main file, and a way to read what is stored. Today is 2024-03-05.
#pragma once

#include "prescription/service/HistoryList.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace testing_support {

inline QString u16(const char16_t* s) { return QString::fromUtf16(s); }

class RecordsTest : public ::testing::Test {
 protected:
  static inline const QDate kToday{2024, 3, 5};

  RecordsTest()
      : mainDb(QDir(folder.path()).filePath(startup::kMainDbFile)),
        counterFile(QDir(folder.path()).filePath(startup::kNotifyFile)) {
    startup::writeMissingTemplates(folder.path());
    store::Database(mainDb).exec(R"(DELETE FROM "档案"; DELETE FROM "患者信息"; DELETE FROM "诊断";)");
  }

  prescription::PrescriptionSave saver() const {
    return prescription::PrescriptionSave(mainDb, counterFile, [] { return kToday; });
  }
  prescription::HistoryList history() const { return prescription::HistoryList(mainDb); }
  prescription::PrescriptionLoad loader() const { return prescription::PrescriptionLoad(mainDb); }

  // A prescription as the window shows it after typing and pricing.
  static prescription::PrescriptionRecord shown(const QString& serial, const QString& name,
                                                const QString& visitDate = "2024-03-05") {
    prescription::PrescriptionRecord r;
    r.serial = serial;
    for (QString& field : r.header) field = "";
    r.header[prescription::header::kName] = name;
    r.header[prescription::header::kSex] = u16(u"男");
    r.header[prescription::header::kAge] = "35";
    r.header[prescription::header::kAddress] = u16(u"光明路12号3.5栋");
    r.header[prescription::header::kDate] = visitDate;
    r.header[prescription::header::kDiagnosis] = u16(u"感冒 发热");
    r.header[prescription::header::kDrugFee] = "12.5";
    r.header[prescription::header::kOtherFee] = "3";
    r.header[prescription::header::kTotal] = "15.50";
    r.header[prescription::header::kChineseDate] = u16(u"2024年03月05日");
    r.prescriptionText = u16(u"1. 阿莫西林胶囊 0.25g*24粒×2\r\n    用法：口服 每日3次");
    r.infusionCardText = "";
    r.symptoms = u16(u"咳嗽");
    r.doses = "7";
    r.dispenseMark = "";
    r.grid[0] = {u16(u"阿莫西林胶囊"), "2", u16(u"盒"), "6.25", "12.500", "40", u16(u"西成药·抗生素"), "A1", "4.80"};
    r.grid[1] = {u16(u"挂号费"), "1", u16(u"次"), "3", "3.000", "", u16(u"收费项目"), "", ""};
    return r;
  }

  // The first column of a query's rows, NULL as "<null>".
  QStringList values(const QString& sql, const QStringList& binds = {}) const {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), sql.toStdString());
    for (int i = 0; i < binds.size(); ++i) store::bindText(q, i + 1, binds[i]);
    QStringList out;
    while (q.executeStep()) {
      const QString v = store::columnText(q, 0);
      out << (v.isNull() ? QStringLiteral("<null>") : v);
    }
    return out;
  }
  void exec(const QString& sql) const { store::Database(mainDb).exec(sql); }

  TempFolder folder;
  QString mainDb;
  QString counterFile;
};

}  // namespace testing_support
