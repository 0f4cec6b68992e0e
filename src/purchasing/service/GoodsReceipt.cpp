#include "purchasing/service/GoodsReceipt.h"

#include "store/DataFile.h"
#include "store/JointTransaction.h"
#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/Dates.h"
#include "text/Numbers.h"

#include <optional>

namespace purchasing {
namespace {

struct CatalogueRow {
  qint64 id = 0;
  QString stock;
};

// The first catalogue row of the name whose category starts with the receipt's category
// ("西成药" takes every "西成药·…"); the prefix is compared as text, never as a pattern.
std::optional<CatalogueRow> catalogueRow(store::Database& db, const QString& shownName, const QString& category) {
  SQLite::Statement q(db.sql(), R"(SELECT rowid, "斗位" FROM main."商品"
                                   WHERE "名称" = ?1 AND substr("分类", 1, length(?2)) = ?2
                                   ORDER BY "名称", rowid LIMIT 1)");
  store::bindText(q, 1, text::BraceEscapedName(shownName));
  store::bindText(q, 2, category);
  if (!q.executeStep()) return std::nullopt;
  return CatalogueRow{q.getColumn(0).getInt64(), store::columnText(q, 1)};
}

double storedNumber(const QString& value) { return text::leadingNumber(text::trimBlanks(value)); }

void keepDefaults(store::Database& db, const ReceiptInput& in) {
  SQLite::Statement update(db.sql(), R"(UPDATE stock."进货模板" SET "名称" = ?, "供货单位" = ?, "生产厂家" = ?,
                                        "批号" = ?, "有效期至" = ?, "备注" = ?, "备用" = ''
                                        WHERE rowid = (SELECT rowid FROM stock."进货模板" WHERE "名称" = ?
                                                       ORDER BY rowid LIMIT 1))");
  const QString values[] = {in.name, in.supplier, in.maker, in.batch, in.expiry, in.amount};
  for (int i = 0; i < 6; ++i) store::bindText(update, i + 1, values[i]);
  store::bindText(update, 7, text::trimBlanks(in.name));
  if (update.exec() > 0) return;
  SQLite::Statement insert(db.sql(), R"(INSERT INTO stock."进货模板"
                                        ("名称", "供货单位", "生产厂家", "批号", "有效期至", "备注", "备用")
                                        VALUES (?, ?, ?, ?, ?, ?, ''))");
  for (int i = 0; i < 6; ++i) store::bindText(insert, i + 1, values[i]);
  insert.exec();
}

void addReceiptRow(store::Database& db, const ReceiptInput& in, const QString& date, const QString& stock) {
  SQLite::Statement insert(db.sql(), R"(INSERT INTO stock."进货管理"
      ("日期", "品名", "库存", "单位", "序号", "数量", "进价", "售价", "供货单位", "生产厂家", "批号", "有效期至",
       "备注", "备用", "分类") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?))");
  const QString values[] = {date,
                            in.name,
                            stock,
                            in.unit,
                            in.key,
                            text::plainNumber(text::leadingNumber(in.quantity)),
                            in.cost,
                            in.price,
                            in.supplier,
                            in.maker,
                            in.batch,
                            in.expiry,
                            text::plainNumber(text::leadingNumber(in.amount)),
                            in.category};
  for (int i = 0; i < 14; ++i) store::bindText(insert, i + 1, values[i].isNull() ? QStringLiteral("") : values[i]);
  insert.exec();
}

}  // namespace

std::vector<CatalogueMatch> catalogueMatches(const QString& mainPath, const QString& typed, const QString& category) {
  return store::guarded([&] {
    store::Database db = store::openExisting(mainPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), (QStringLiteral(R"(SELECT "名称", "单位", "单价", "备用1", "斗位" FROM "商品"
                                   WHERE instr(lower("查询"), lower(?1)) > 0 AND substr("分类", 1, length(?2)) = ?2
                                   ORDER BY "名称" COLLATE %1)")
                                       .arg(QString::fromLatin1(store::kNameCollation)))
                                      .toStdString());
    store::bindText(q, 1, typed);
    store::bindText(q, 2, category);
    std::vector<CatalogueMatch> matches;
    while (q.executeStep())
      matches.push_back({text::BracketedName(store::columnText(q, 0)), store::columnText(q, 1),
                         store::columnText(q, 2), store::columnText(q, 3), store::columnText(q, 4)});
    return matches;
  });
}

ReceiptOutcome bookReceipt(const QString& mainPath, const QString& stockPath, const ReceiptInput& input) {
  ReceiptOutcome outcome;
  const std::optional<QDate> date = text::readDate(input.date);
  if (!date) {
    outcome.status = ReceiptOutcome::Status::BadDate;
    return outcome;
  }
  try {
    store::JointTransaction tx(mainPath, stockPath);
    store::Database& db = tx.db();
    const std::optional<CatalogueRow> drug = store::guarded([&] { return catalogueRow(db, input.name, input.category); });
    if (!drug) {
      outcome.status = ReceiptOutcome::Status::MissingDrug;
      return outcome;
    }
    const QString stock = text::plainNumber(storedNumber(drug->stock) + text::leadingNumber(input.quantity));
    store::guarded([&] {
      SQLite::Statement update(db.sql(), R"(UPDATE main."商品" SET "单价" = ?, "备用1" = ?, "斗位" = ? WHERE rowid = ?)");
      store::bindText(update, 1, text::format000(storedNumber(input.price)));
      store::bindText(update, 2, text::format000(storedNumber(input.cost)));
      store::bindText(update, 3, stock);
      update.bind(4, static_cast<int64_t>(drug->id));
      update.exec();
      keepDefaults(db, input);
      addReceiptRow(db, input, text::isoDate(*date), stock);
    });
    tx.commit();
    outcome.status = ReceiptOutcome::Status::Booked;
    outcome.newStock = stock;
  } catch (const store::StoreError& e) {
    outcome.status = ReceiptOutcome::Status::Failed;
    outcome.reason = e.reason();
  }
  return outcome;
}

DeleteOutcome deleteReceipt(const QString& mainPath, const QString& stockPath, qint64 id, const QString& key) {
  DeleteOutcome outcome;
  try {
    store::JointTransaction tx(mainPath, stockPath);
    store::Database& db = tx.db();
    store::guarded([&] {
      SQLite::Statement read(db.sql(), R"(SELECT "品名", "数量", "分类" FROM stock."进货管理"
                                          WHERE rowid = ? AND "序号" IS ?)");
      read.bind(1, static_cast<int64_t>(id));
      store::bindText(read, 2, key);
      if (!read.executeStep()) return;
      const QString name = store::columnText(read, 0);
      const double quantity = storedNumber(store::columnText(read, 1));
      const QString category = store::columnText(read, 2);
      read.reset();
      SQLite::Statement remove(db.sql(), R"(DELETE FROM stock."进货管理" WHERE rowid = ? AND "序号" IS ?)");
      remove.bind(1, static_cast<int64_t>(id));
      store::bindText(remove, 2, key);
      if (remove.exec() != 1) return;
      outcome.deleted = true;
      if (name.isEmpty() || category.isEmpty()) return;
      if (const std::optional<CatalogueRow> drug = catalogueRow(db, name, category)) {
        SQLite::Statement update(db.sql(), R"(UPDATE main."商品" SET "斗位" = ? WHERE rowid = ?)");
        store::bindText(update, 1, text::plainNumber(storedNumber(drug->stock) - quantity));
        update.bind(2, static_cast<int64_t>(drug->id));
        update.exec();
      }
    });
    tx.commit();
    outcome.ok = true;
  } catch (const store::StoreError& e) {
    outcome.deleted = false;
    outcome.reason = e.reason();
  }
  return outcome;
}

}  // namespace purchasing
