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

namespace {

// The receipts the ledger lists: one category, a range of dates, a name holding a typed
// text. instr() on lower() matches the typed text literally, ignoring ASCII case only.
constexpr const char* kLedgerRows =
    R"(FROM %1 WHERE "分类" = ? AND "日期" BETWEEN ? AND ? AND instr(lower("品名"), lower(?)) > 0)";

void bindLedgerRows(SQLite::Statement& q, const QString& namePart, const QString& category, const QString& first,
                    const QString& last) {
  bindText(q, 1, category);
  bindText(q, 2, first);
  bindText(q, 3, last);
  bindText(q, 4, namePart.isNull() ? QStringLiteral("") : namePart);
}

}  // namespace

int Purchases::ledgerCount(const QString& namePart, const QString& category, const QString& first,
                           const QString& last, int atMost) {
  // The count stops at `atMost`: a range far beyond it is told as fast as one just over.
  const std::string listed = QString::fromUtf8(kLedgerRows).arg(table("进货管理")).toStdString();
  SQLite::Statement q(db_.sql(), "SELECT count(*) FROM (SELECT 1 " + listed + " LIMIT ?)");
  bindLedgerRows(q, namePart, category, first, last);
  q.bind(5, atMost);
  return q.executeStep() ? q.getColumn(0).getInt() : 0;
}

std::vector<LedgerRow> Purchases::ledger(const QString& namePart, const QString& category, const QString& first,
                                         const QString& last, int limit) {
  const std::string listed = QString::fromUtf8(kLedgerRows).arg(table("进货管理")).toStdString();
  SQLite::Statement q(db_.sql(), R"(SELECT rowid, "日期", "品名", "单位", "数量", "库存", "进价", "售价", "供货单位",
                                          "生产厂家", "批号", "有效期至", "备注", "序号" )" +
                                     listed + R"( ORDER BY "序号" DESC, rowid DESC LIMIT ?)");
  bindLedgerRows(q, namePart, category, first, last);
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
                                                  ORDER BY "品名" COLLATE %2, rowid)")
                                     .arg(table("进货管理"), QString::fromLatin1(kNameCollation))
                                     .toStdString());
  bindText(q, 1, category);
  bindText(q, 2, first);
  bindText(q, 3, last);
  std::vector<ReceiptFigures> rows;
  while (q.executeStep())
    rows.push_back(ReceiptFigures{columnText(q, 0), columnText(q, 1), columnText(q, 2), columnText(q, 3)});
  return rows;
}

void Purchases::keepDefaults(const QString& name, const QString& keptUnder, const ReceiptDefaults& defaults,
                             const QString& amount) {
  const QString values[] = {name, defaults.supplier, defaults.maker, defaults.batch, defaults.expiry, amount};
  SQLite::Statement update(db_.sql(), QStringLiteral(R"(UPDATE %1 SET "名称" = ?, "供货单位" = ?, "生产厂家" = ?,
                                                       "批号" = ?, "有效期至" = ?, "备注" = ?, "备用" = ''
                                                       WHERE rowid = (SELECT rowid FROM %1 WHERE "名称" = ?
                                                                      ORDER BY rowid LIMIT 1))")
                                          .arg(table("进货模板"))
                                          .toStdString());
  for (int i = 0; i < 6; ++i) bindText(update, i + 1, values[i]);
  bindText(update, 7, keptUnder);
  if (update.exec() > 0) return;
  SQLite::Statement insert(db_.sql(), QStringLiteral(R"(INSERT INTO %1
                                                       ("名称", "供货单位", "生产厂家", "批号", "有效期至", "备注", "备用")
                                                       VALUES (?, ?, ?, ?, ?, ?, ''))")
                                          .arg(table("进货模板"))
                                          .toStdString());
  for (int i = 0; i < 6; ++i) bindText(insert, i + 1, values[i]);
  insert.exec();
}

void Purchases::addReceipt(const ReceiptRecord& r) {
  SQLite::Statement insert(
      db_.sql(), QStringLiteral(R"(INSERT INTO %1
          ("日期", "品名", "库存", "单位", "序号", "数量", "进价", "售价", "供货单位", "生产厂家", "批号", "有效期至",
           "备注", "备用", "分类") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?))")
                     .arg(table("进货管理"))
                     .toStdString());
  const QString* values[] = {&r.date,     &r.name,  &r.stock, &r.unit,   &r.key,    &r.quantity, &r.cost,
                             &r.price,    &r.supplier, &r.maker, &r.batch, &r.expiry, &r.amount, &r.category};
  int i = 1;
  for (const QString* value : values) bindText(insert, i++, value->isNull() ? QStringLiteral("") : *value);
  insert.exec();
}

std::optional<KeptReceipt> Purchases::receipt(qint64 id, const QString& key) {
  SQLite::Statement read(db_.sql(), QStringLiteral(R"(SELECT "品名", "数量", "分类" FROM %1
                                                     WHERE rowid = ? AND "序号" IS ?)")
                                        .arg(table("进货管理"))
                                        .toStdString());
  read.bind(1, static_cast<int64_t>(id));
  bindText(read, 2, key);
  if (!read.executeStep()) return std::nullopt;
  return KeptReceipt{columnText(read, 0), columnText(read, 1), columnText(read, 2)};
}

int Purchases::removeReceipt(qint64 id, const QString& key) {
  SQLite::Statement remove(db_.sql(), QStringLiteral(R"(DELETE FROM %1 WHERE rowid = ? AND "序号" IS ?)")
                                          .arg(table("进货管理"))
                                          .toStdString());
  remove.bind(1, static_cast<int64_t>(id));
  bindText(remove, 2, key);
  return remove.exec();
}

}  // namespace store
