// A main database made from the template, with its phrase lists, catalogue and templates
// emptied, and the shipped stroke codes.
#pragma once

#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/ShippedTables.h"
#include "support/TempFolder.h"
#include "text/StrokeCode.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

namespace testing_support {

class MainDbTest : public ::testing::Test {
 protected:
  MainDbTest() {
    startup::writeMissingTemplates(folder.path());
    db = QDir(folder.path()).filePath(startup::kMainDbFile);
    strokes = text::StrokeCoder(testing_support::shippedStrokeCodeTable());
    exec(R"(DELETE FROM "诊断"; DELETE FROM "商品"; DELETE FROM "个人模板";)");
  }
  void exec(const QString& sql) { store::Database(db).exec(sql); }
  // column values of a table in table order, NULL as "<null>"
  QStringList column(const QString& table, const QString& name) {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), QStringLiteral(R"(SELECT "%1" FROM "%2" ORDER BY rowid)").arg(name, table).toStdString());
    QStringList values;
    while (q.executeStep()) {
      const QString v = store::columnText(q, 0);
      values << (v.isNull() ? QStringLiteral("<null>") : v);
    }
    return values;
  }
  void addDrug(const QString& id, const QString& name, const QString& key) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类") VALUES (?, ?, ?, '中药'))");
    store::bindText(q, 1, id);
    store::bindText(q, 2, name);
    store::bindText(q, 3, key);
    q.exec();
  }
  void addTemplate(const QString& name, const QString& key, const QString& kind) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "个人模板" ("名称", "查询", "分类") VALUES (?, ?, ?))");
    store::bindText(q, 1, name);
    store::bindText(q, 2, key);
    store::bindText(q, 3, kind);
    q.exec();
  }

  testing_support::TempFolder folder;
  QString db;
  text::StrokeCoder strokes;
};

}  // namespace testing_support
