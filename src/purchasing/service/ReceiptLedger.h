// The receipts ledger of the inventory file as the purchasing windows read it: the listed
// receipts of a range and the defaults kept for a drug's next receipt.
#pragma once

#include "store/Purchases.h"
#include "text/DateRange.h"

#include <QString>

#include <optional>
#include <vector>

namespace purchasing {

// One listed receipt: its 13 fields, in LedgerField order, and its row.
using LedgerRow = store::LedgerRow;
using store::LedgerField;
using enum store::LedgerField;
using ReceiptDefaults = store::ReceiptDefaults;

struct LedgerOutcome {
  std::vector<LedgerRow> rows;
  bool tooMany = false;  // more than the ledger lists: none were read
  QString reason;        // why the ledger could not be read; empty when it was
};

// The receipts of one category dated in the range whose name holds `namePart` literally,
// newest first; none, and tooMany, when there are more than `cap`. They are counted before
// any is read, so a range far too long is refused at once.
LedgerOutcome readLedger(const QString& stockPath, const QString& namePart, const QString& category,
                         const text::DateRange& range, int cap);

// The defaults kept for the drug (shown name); nullopt when none are kept, and when the
// file cannot be read (the user then types them).
std::optional<ReceiptDefaults> keptDefaults(const QString& stockPath, const QString& name);

}  // namespace purchasing
