#include "store/JointTransaction.h"

#include "store/DataFile.h"

#include <QFileInfo>

namespace store {

JointTransaction::JointTransaction(const QString& mainPath, const QString& stockPath)
    : db_(openExisting(mainPath)) {
  // ATTACH would make an empty file where none is.
  if (!QFileInfo(stockPath).isFile()) throw StoreError(kFileMissing);
  guarded([&] {
    SQLite::Statement attach(db_.sql(), std::string("ATTACH DATABASE ? AS ") + kStockSchema);
    bindText(attach, 1, stockPath);
    attach.exec();
    db_.sql().exec("BEGIN IMMEDIATE");
  });
  open_ = true;
}

JointTransaction::~JointTransaction() {
  if (!open_) return;
  try {
    db_.sql().exec("ROLLBACK");
  } catch (const std::exception&) {
    // SQLite has already rolled back (a failed commit, a full disk): nothing is left to undo.
  }
}

void JointTransaction::commit() {
  guarded([&] { db_.sql().exec("COMMIT"); });
  open_ = false;
}

}  // namespace store
