// Sales lines and goods receipts of an inventory file at clinic scale, each set made by one
// statement (row by row it takes minutes), in the stored forms the program writes.
#pragma once

#include "store/Database.h"
#include "text/Dates.h"

#include <QDate>
#include <QString>

namespace bench_support {

// `lines` sales lines, evenly over the days from `first` to `last`, four to a
// prescription, of 2,000 drugs in three categories. Without journal, without sync: the
// file is made for the benchmark, not kept.
inline void addSalesLines(store::Database& stock, int lines, const QDate& first, const QDate& last) {
  stock.exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"));
  stock.exec(QStringLiteral(
                 R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1))"
                 R"( INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "日期",)"
                 R"( "医师", "利润", "患者") SELECT printf('%014d', i / 4),)"
                 R"( printf('药品%04d[10mg]', abs(random()) % 2000), '2', CASE WHEN i % 3 = 0 THEN 'g' ELSE '盒' END,)"
                 R"( '1.5', '3.000', '1.2', CASE i % 3 WHEN 0 THEN '中药' WHEN 1 THEN '西成药·抗生素' ELSE '收费项目' END,)"
                 R"( date('%2', printf('+%d days', i * %3 / %1)), '王医师', '0.6', '李四' FROM n;)")
                 .replace(QStringLiteral("%1"), QString::number(lines - 1))
                 .replace(QStringLiteral("%2"), text::isoDate(first))
                 .replace(QStringLiteral("%3"), QString::number(first.daysTo(last) + 1)));
  stock.exec(QStringLiteral("COMMIT; PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;"));
}

// `receipts` goods receipts, evenly over the days from `first` to `last`, of 400 drugs in
// two categories (the amount in plain decimal form).
inline void addReceipts(store::Database& stock, int receipts, const QDate& first, const QDate& last) {
  stock.exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"));
  stock.exec(QStringLiteral(
                 R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1),)"
                 R"( r(i, day, drug) AS (SELECT i, date('%2', printf('+%d days', i * %3 / %4)), (i * 7919) % 400 FROM n))"
                 R"( INSERT INTO "进货管理" ("日期", "品名", "库存", "单位", "序号", "数量", "进价", "售价", "供货单位",)"
                 R"( "生产厂家", "批号", "有效期至", "备注", "备用", "分类"))"
                 R"( SELECT day, CASE WHEN drug % 2 = 0 THEN printf('草药%d', drug) ELSE printf('成药%d[10片]', drug) END,)"
                 R"( '100', CASE WHEN drug % 2 = 0 THEN 'g' ELSE '盒' END, strftime('%Y%m%d000000', day),)"
                 R"( printf('%d', 10 + i % 90), '1.500', '2.000', '供货甲', '厂家乙', 'B2019', '2026-01',)"
                 R"( printf('%.15g', (10 + i % 90) * 1.5), '', CASE WHEN drug % 2 = 0 THEN '中药' ELSE '西成药' END FROM r;)")
                 .replace(QStringLiteral("%1"), QString::number(receipts - 1))
                 .replace(QStringLiteral("%2"), text::isoDate(first))
                 .replace(QStringLiteral("%3"), QString::number(first.daysTo(last) + 1))
                 .replace(QStringLiteral("%4"), QString::number(receipts)));
  stock.exec(QStringLiteral("COMMIT; PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;"));
}

}  // namespace bench_support
