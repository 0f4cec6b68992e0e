// A main file and an inventory file made from the templates, with an empty catalogue
// and empty purchase tables, and helpers to lay out drugs and read back what was stored.
#pragma once

#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

namespace testing_support {

class PurchaseStoreTest : public ::testing::Test {
 protected:
  PurchaseStoreTest() {
    startup::writeMissingTemplates(folder.path());
    mainPath = QDir(folder.path()).filePath(startup::kMainDbFile);
    stockPath = QDir(folder.path()).filePath(startup::kStockDbFile);
    store::Database(mainPath).exec(R"(DELETE FROM "商品")");
    store::Database(stockPath).exec(R"(DELETE FROM "进货管理"; DELETE FROM "进货模板"; DELETE FROM "销售管理")");
  }

  void addDrug(const QString& storedName, const QString& category, const QString& stock) {
    store::Database d(mainPath);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类", "单位", "单价", "备用1", "斗位")
                                   VALUES (?, ?, ?, ?, '盒', '2.000', '1.000', ?))");
    store::bindText(q, 1, QString::number(++drugs));
    store::bindText(q, 2, storedName);
    store::bindText(q, 3, storedName + QStringLiteral("-$"));
    store::bindText(q, 4, category);
    store::bindText(q, 5, stock);
    q.exec();
  }

  QString catalogue(const QString& storedName, const char* column) {
    store::Database d(mainPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), QStringLiteral(R"(SELECT "%1" FROM "商品" WHERE "名称" = ?)")
                                     .arg(QString::fromUtf8(column)).toStdString());
    store::bindText(q, 1, storedName);
    return q.executeStep() ? store::columnText(q, 0) : QStringLiteral("<none>");
  }

  // One column of a purchase table, in stored order.
  QStringList stockColumn(const char* table, const char* column) {
    store::Database d(stockPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), QStringLiteral(R"(SELECT "%1" FROM "%2" ORDER BY rowid)")
                                     .arg(QString::fromUtf8(column), QString::fromUtf8(table)).toStdString());
    QStringList values;
    while (q.executeStep()) values << store::columnText(q, 0);
    return values;
  }

  int count(const char* table) { return stockColumn(table, "备用").size(); }

  testing_support::TempFolder folder;
  QString mainPath;
  QString stockPath;
  int drugs = 0;
};

}  // namespace testing_support
