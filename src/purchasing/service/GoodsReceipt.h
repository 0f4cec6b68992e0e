// Booking a goods receipt and taking one back: the receipt row, the drug's defaults and
// the catalogue's prices and stock change together in one transaction over the main and
// inventory files, and the stock is always decided from what is stored at that moment.
#pragma once

#include <QString>

namespace purchasing {

// The boxes of the goods-receipt window, as typed.
struct ReceiptInput {
  QString date;       // 进货日期
  QString name;       // 品名[规格], shown form with "[" "]"
  QString unit;       // 单位
  QString quantity;   // 数量
  QString cost;       // 进价
  QString price;      // 售价
  QString supplier;   // 供货单位
  QString maker;      // 生产厂家
  QString batch;      // 批号
  QString expiry;     // 有效期至
  QString amount;     // 金额, as shown
  QString key;        // 序号: the TimestampKey the ledger gave the window
  QString category;   // 分类: "中药" or "西成药"
};

struct ReceiptOutcome {
  enum class Status { Booked, BadDate, MissingDrug, Failed };
  Status status = Status::Failed;
  QString newStock;  // the catalogue stock after the receipt (Booked)
  QString reason;    // why the store refused it (Failed)
};

inline const QString kMissingDrugMessage =
    QStringLiteral("药品目录中无该药物，请首先在药品目录中添加该药物后才能入库！");
inline const QString kBadReceiptDateMessage =
    QStringLiteral("请填写正确格式的进货日期！日期格式为“2016-01-03”。");

// Books the receipt. The date must read as a date and is stored "yyyy-mm-dd"; the drug
// must be in the catalogue under the category (its name compared with "[" "]" stored as
// "{" "}"). The new stock is the stock stored in the catalogue now plus the quantity.
// Nothing is written unless everything is.
ReceiptOutcome bookReceipt(const QString& mainPath, const QString& stockPath, const ReceiptInput& input);

struct DeleteOutcome {
  bool ok = false;
  bool deleted = false;  // the receipt was still there and is gone now
  QString reason;
};

// Deletes the receipt `id` if it still carries `key`, and when exactly that one row went
// takes its own stored quantity back off the catalogue stock of its own name and
// category. One transaction; the stock is read inside it.
DeleteOutcome deleteReceipt(const QString& mainPath, const QString& stockPath, qint64 id, const QString& key);

}  // namespace purchasing
