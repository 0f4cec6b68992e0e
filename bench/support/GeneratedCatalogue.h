// A catalogue of generated drugs for the window benchmarks: names built from common
// syllables, real search keys, the shipped categories in turn.
#pragma once

#include "store/Database.h"
#include "text/SearchKeys.h"
#include "text/StrokeCode.h"

#include <QStringList>

#include <SQLiteCpp/Transaction.h>

namespace bench_support {

inline const QStringList kCatalogueCategories = {"中药", "西成药·抗生素", "西成药·中成药", "西成药·心血管", "收费项目", "用法"};

// Replaces the catalogue of `mainDb` by `rows` generated drugs.
inline void fillCatalogue(const QString& mainDb, const text::StrokeCoder& strokes, int rows) {
  store::Database db(mainDb);
  SQLite::Transaction transaction(db.sql());
  db.exec(QStringLiteral(R"(DELETE FROM "商品")"));
  SQLite::Statement drug(db.sql(), R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法")
                                       VALUES (?, ?, ?, ?, '0.5', 'g', '口服'))");
  const QString syllables = QStringLiteral("黄芪当归川芎白芍熟地党参白术茯苓甘草柴胡阿莫西林头孢克肟氯化钠注射液");
  for (int i = 0; i < rows; ++i) {
    const QString name = syllables.mid((i * 7) % 24, 2 + i % 5) + QString::number(i % 997);
    store::bindText(drug, 1, QString::number(i));
    store::bindText(drug, 2, name);
    store::bindText(drug, 3, text::CatalogSearchKey(name, strokes));
    store::bindText(drug, 4, kCatalogueCategories[i % kCatalogueCategories.size()]);
    drug.exec();
    drug.reset();
  }
  transaction.commit();
}

}  // namespace bench_support
