#include "store/Purchases.h"

namespace store {

QString Purchases::table(const char* name) const {
  return QStringLiteral("\"%1\".\"%2\"").arg(schema_, QString::fromUtf8(name));
}

std::optional<ReceiptDefaults> Purchases::defaultsFor(const QString& name) {
  SQLite::Statement q(db_.sql(), QStringLiteral(R"(SELECT "供货单位", "生产厂家", "批号", "有效期至" FROM %1
                                                  WHERE "名称" = ? ORDER BY rowid LIMIT 1)")
                                     .arg(table("进货模板"))
                                     .toStdString());
  bindText(q, 1, name);
  if (!q.executeStep()) return std::nullopt;
  return ReceiptDefaults{columnText(q, 0), columnText(q, 1), columnText(q, 2), columnText(q, 3)};
}

std::vector<LedgerRow> Purchases::ledger(const QString& namePart, const QString& category, const QString& first,
                                         const QString& last, int limit) {
  // instr() on lower() matches the typed text literally, ignoring ASCII case only.
  SQLite::Statement q(
      db_.sql(),
      QStringLiteral(R"(SELECT rowid, "日期", "品名", "单位", "数量", "库存", "进价", "售价", "供货单位", "生产厂家",
                              "批号", "有效期至", "备注", "序号"
                       FROM %1 WHERE "分类" = ? AND "日期" BETWEEN ? AND ?
                         AND instr(lower("品名"), lower(?)) > 0
                       ORDER BY "序号" DESC, rowid DESC LIMIT ?)")
          .arg(table("进货管理"))
          .toStdString());
  bindText(q, 1, category);
  bindText(q, 2, first);
  bindText(q, 3, last);
  bindText(q, 4, namePart.isNull() ? QStringLiteral("") : namePart);
  q.bind(5, limit);
  std::vector<LedgerRow> rows;
  while (q.executeStep()) {
    LedgerRow row;
    row.id = q.getColumn(0).getInt64();
    for (int i = 1; i <= kLedgerFieldCount; ++i) {
      QString value = columnText(q, i);
      if (value.isNull()) value = QStringLiteral("");
      row.fields << value;
    }
    row.fields[kLedgerDate] = row.fields[kLedgerDate].left(10);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<ReceiptFigures> Purchases::figures(const QString& category, const QString& first, const QString& last) {
  SQLite::Statement q(db_.sql(), QStringLiteral(R"(SELECT "品名", "单位", "数量", "备注" FROM %1
                                                  WHERE "分类" = ? AND "日期" BETWEEN ? AND ? AND "品名" IS NOT NULL
                                                  ORDER BY "品名", rowid)")
                                     .arg(table("进货管理"))
                                     .toStdString());
  bindText(q, 1, category);
  bindText(q, 2, first);
  bindText(q, 3, last);
  std::vector<ReceiptFigures> rows;
  while (q.executeStep())
    rows.push_back(ReceiptFigures{columnText(q, 0), columnText(q, 1), columnText(q, 2), columnText(q, 3)});
  return rows;
}

}  // namespace store
