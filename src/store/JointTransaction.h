// A write across the main file and the inventory file that commits or rolls back as one
// unit: dispensing, its undo, deleting a dispensed prescription and a goods receipt change
// stock and sales lines together. The inventory file is attached to the main file's
// connection under the schema name kStockSchema, and the write lock on both files is
// taken at the start (BEGIN IMMEDIATE), so two workstations never decide from the same
// stock at once.
#pragma once

#include "store/Database.h"

namespace store {

inline constexpr const char* kStockSchema = "stock";

class JointTransaction {
 public:
  // Throws StoreError when a file is missing, cannot be opened, or stays locked by
  // another workstation for longer than the busy timeout.
  JointTransaction(const QString& mainPath, const QString& stockPath);
  // Rolls back when commit() has not run, as when the work threw.
  ~JointTransaction();
  JointTransaction(const JointTransaction&) = delete;
  JointTransaction& operator=(const JointTransaction&) = delete;

  // The connection: main tables by their names, inventory tables by their names too (or
  // as stock."销售管理").
  Database& db() { return db_; }

  // Throws StoreError when the commit fails; nothing is then stored in either file.
  void commit();

 private:
  Database db_;
  bool open_ = false;
};

}  // namespace store
