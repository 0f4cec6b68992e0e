// The purchase tables of the inventory file: [进货管理], one row per goods receipt, and
// [进货模板], the supplier, maker, batch and expiry of a drug's last receipt, offered as
// the defaults of its next one. Receipts are addressed by their row identity (rowid)
// together with their key [序号]: two receipts begun in the same second share a key,
// and the pair names exactly one row even if a deleted identity is handed out again.
#pragma once

#include "store/Database.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace store {

// The boxes of one receipt that [进货模板] keeps for the next receipt of the drug.
struct ReceiptDefaults {
  QString supplier;  // 供货单位
  QString maker;     // 生产厂家
  QString batch;     // 批号
  QString expiry;    // 有效期至
};

// One listed receipt: the ledger's 13 fields and the row identity.
struct LedgerRow {
  qint64 id = 0;
  QStringList fields;  // 日期 品名 单位 数量 库存 进价 售价 供货单位 生产厂家 批号 有效期至 备注 序号
};

// One receipt row as the statistics read it.
struct ReceiptFigures {
  QString name;      // 品名
  QString unit;      // 单位
  QString quantity;  // 数量, text as stored
  QString amount;    // 备注: the amount of the receipt, text as stored
};

// A receipt as it is booked into [进货管理]; [备用] is stored empty.
struct ReceiptRecord {
  QString date;      // 日期, "yyyy-mm-dd"
  QString name;      // 品名
  QString stock;     // 库存: the catalogue stock after the receipt
  QString unit;      // 单位
  QString key;       // 序号
  QString quantity;  // 数量
  QString cost;      // 进价
  QString price;     // 售价
  QString supplier;  // 供货单位
  QString maker;     // 生产厂家
  QString batch;     // 批号
  QString expiry;    // 有效期至
  QString amount;    // 备注: the amount of the receipt
  QString category;  // 分类
};

// What taking a receipt back needs of it.
struct KeptReceipt {
  QString name;      // 品名
  QString quantity;  // 数量, text as stored
  QString category;  // 分类
};

// The ledger's columns in field order, as the grid and the export take them.
enum LedgerField {
  kLedgerDate = 0, kLedgerName, kLedgerUnit, kLedgerQuantity, kLedgerStock, kLedgerCost,
  kLedgerPrice, kLedgerSupplier, kLedgerMaker, kLedgerBatch, kLedgerExpiry, kLedgerAmount,
  kLedgerKey, kLedgerFieldCount
};

class Purchases {
 public:
  // `db` is the inventory file, or a joint connection with it attached (`schema` "stock").
  explicit Purchases(Database& db, const QString& schema = QStringLiteral("main")) : db_(db), schema_(schema) {}

  // The defaults kept for a drug name (shown form, "[" "]"); nullopt when none are kept.
  std::optional<ReceiptDefaults> defaultsFor(const QString& name);

  // Receipts of one category ([分类] equal) dated from `first` to `last` (both
  // "yyyy-mm-dd", inclusive), whose name holds `namePart` literally (ASCII case
  // ignored), newest key first. At most `limit` rows are read, so that a caller can
  // tell "more than limit - 1" without reading them all.
  std::vector<LedgerRow> ledger(const QString& namePart, const QString& category, const QString& first,
                                const QString& last, int limit);
  // How many receipts the ledger would list for the same filter, counting no further than
  // `atMost`.
  int ledgerCount(const QString& namePart, const QString& category, const QString& first, const QString& last,
                  int atMost);

  // Receipts of one category dated from `first` to `last`, in the name order of the lists
  // (Chinese by pinyin) and, within a name, in stored order.
  std::vector<ReceiptFigures> figures(const QString& category, const QString& first, const QString& last);

  // Keeps the defaults (and the receipt's amount in [备注]) for the next receipt of the
  // drug: rewrites the first row kept under `keptUnder`, renaming it `name`, or adds one
  // named `name` when there is none.
  void keepDefaults(const QString& name, const QString& keptUnder, const ReceiptDefaults& defaults,
                    const QString& amount);
  // Adds a receipt row; a null text is stored as the empty text.
  void addReceipt(const ReceiptRecord& receipt);
  // The receipt `id` while it still carries `key`; nullopt when it does not.
  std::optional<KeptReceipt> receipt(qint64 id, const QString& key);
  // Deletes the receipt `id` if it still carries `key`; the number of rows deleted.
  int removeReceipt(qint64 id, const QString& key);

 private:
  QString table(const char* name) const;

  Database& db_;
  QString schema_;
};

}  // namespace store
