// Main and inventory files made from the templates in a temporary folder, with helpers
// that add prescriptions and sales lines.
#pragma once

#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/QueryIndexes.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace testing_support {

class ReportsTest : public ::testing::Test {
 protected:
  ReportsTest() {
    startup::writeMissingTemplates(folder.path());
    mainDb = QDir(folder.path()).filePath(startup::kMainDbFile);
    stockDb = QDir(folder.path()).filePath(startup::kStockDbFile);
    store::Database main(mainDb);
    store::ensureMainIndexes(main);
    store::Database stock(stockDb);
    store::ensureStockIndexes(stock);
  }

  void addPrescription(const QString& serial, const QString& date, const QString& total) {
    store::Database main(mainDb);
    SQLite::Statement q(main.sql(), R"(INSERT INTO "档案" ("序号", "0", "5", "16") VALUES (?, '张三', ?, ?))");
    store::bindText(q, 1, serial);
    store::bindText(q, 2, date);
    store::bindText(q, 3, total);
    q.exec();
  }

  struct Line {
    QString serial, name, quantity, unit, amount, profit, category, date;
    QString patient = QStringLiteral("李四"), physician = QStringLiteral("王医师");
    QString price = QStringLiteral("1.5"), cost = QStringLiteral("1");
  };
  void addLine(const Line& l) {
    store::Database stock(stockDb);
    SQLite::Statement q(stock.sql(),
                        R"(INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类",)"
                        R"( "日期", "医师", "利润", "患者") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))");
    int i = 1;
    for (const QString* v : {&l.serial, &l.name, &l.quantity, &l.unit, &l.price, &l.amount, &l.cost, &l.category,
                             &l.date, &l.physician, &l.profit, &l.patient})
      store::bindText(q, i++, *v);
    q.exec();
  }

  TempFolder folder;
  QString mainDb;
  QString stockDb;
};

}  // namespace testing_support
