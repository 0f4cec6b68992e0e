// A catalogue of generated drugs for the window benchmarks: names built from common
// syllables, real search keys, the shipped categories in turn.
#pragma once

#include "store/Database.h"
#include "text/PinyinInitials.h"
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

// Replaces the catalogue of `mainDb` by `rows` drugs whose every column is filled as a
// clinic fills it, at the lengths it stores: a name of a stem, a form and a
// specification ("阿莫西林胶囊[0.25g×24粒]", square brackets stored as braces), its search
// key and initials, usage, unit, dose, prices, maker, stock and drawer.
inline void fillClinicCatalogue(const QString& mainDb, const text::StrokeCoder& strokes, int rows) {
  static const QStringList stems = {
      "阿莫西林", "头孢克肟", "头孢呋辛酯", "阿奇霉素", "左氧氟沙星", "布洛芬", "对乙酰氨基酚", "复方甘草", "氨溴索",
      "硝苯地平", "氨氯地平", "二甲双胍", "格列美脲", "阿托伐他汀", "奥美拉唑", "蒙脱石", "维生素C", "葡萄糖酸钙",
      "板蓝根", "连花清瘟", "银黄", "藿香正气", "六味地黄", "复方丹参", "黄芪", "当归", "川芎", "党参", "茯苓", "甘草"};
  static const QStringList forms = {"胶囊", "片", "分散片", "缓释片", "颗粒", "口服液", "注射液", "软膏", "滴眼液", "饮片"};
  static const QStringList specs = {"[0.25g×24粒]", "[0.5g×12片]", "[10mg×30片]", "[5g×10袋]", "[10ml×6支]",
                                    "[2ml:0.1g]", "[250ml]", "[20g]", "[8ml]", "[500g]"};
  static const QStringList usages = {"口服 一日3次 每次2粒", "口服 一日2次 每次1片", "口服 一日3次 每次10ml",
                                     "开水冲服 一日3次 每次1袋", "静脉滴注 一日1次", "肌内注射 一日2次", "外用 一日2次 涂患处",
                                     "滴眼 一日4次 每次1-2滴", "水煎服 一日1剂", "饭前口服 一日3次", "睡前口服 每次1片",
                                     "含服 一日3次"};
  static const QStringList makers = {"华北制药股份有限公司", "石药集团欧意药业有限公司", "哈药集团制药总厂",
                                     "广州白云山制药股份有限公司", "扬子江药业集团有限公司"};
  store::Database db(mainDb);
  SQLite::Transaction transaction(db.sql());
  db.exec(QStringLiteral(R"(DELETE FROM "商品")"));
  SQLite::Statement drug(db.sql(), R"(INSERT INTO "商品" ("ID号", "查询", "用法", "名称", "拼音", "单位", "常用量",)"
                                   R"( "单价", "备用1", "备用2", "备用3", "分类", "斗位"))"
                                   R"( VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?))");
  for (int i = 0; i < rows; ++i) {
    const QString shown = stems[i % stems.size()] + forms[i / stems.size() % forms.size()] +
                          specs[i / 7 % specs.size()] + QString::number(i / (stems.size() * forms.size()));
    QString stored = shown;
    stored.replace(u'[', u'{').replace(u']', u'}');
    int p = 1;
    store::bindText(drug, p++, QString::number(i + 1));
    store::bindText(drug, p++, text::CatalogSearchKey(stored, strokes));
    store::bindText(drug, p++, usages[i / 3 % usages.size()]);
    store::bindText(drug, p++, stored);
    store::bindText(drug, p++, text::PinyinInitials(stored));
    store::bindText(drug, p++, i % 3 ? QStringLiteral("盒") : QStringLiteral("g"));
    store::bindText(drug, p++, QStringLiteral("2"));
    store::bindText(drug, p++, QString::number(1 + i % 97) + QStringLiteral(".50"));
    store::bindText(drug, p++, QString::number(1 + i % 97) + QStringLiteral(".20"));
    store::bindText(drug, p++, QStringLiteral("A%1").arg(i % 300));
    store::bindText(drug, p++, makers[i % makers.size()]);
    store::bindText(drug, p++, kCatalogueCategories[i % kCatalogueCategories.size()]);
    store::bindText(drug, p++, QString::number(100 + i % 900));
    drug.exec();
    drug.reset();
  }
  transaction.commit();
}

}  // namespace bench_support
