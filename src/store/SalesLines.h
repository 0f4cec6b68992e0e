// The sales lines of the inventory file (销售管理): one line per drug of a dispensed
// prescription, found by the prescription number in [ID号]. The sales reports read them;
// [备用1] and [备用2] are theirs and are never written here. Works on a connection to the
// inventory file, or on the main file's connection with the inventory file attached.
#pragma once

#include "store/Database.h"

#include <QString>

#include <vector>

namespace store {

struct SalesLine {
  QString serial;     // ID号, the prescription number
  QString name;       // 名称, as the grid shows it (brackets)
  QString quantity;   // 数量
  QString unit;       // 单位
  QString price;      // 单价, selling
  QString amount;     // 金额, as shown
  QString cost;       // 进价
  QString category;   // 分类, in full
  QString date;       // 日期, the visit date "yyyy-mm-dd"
  QString physician;  // 医师
  QString profit;     // 利润
  QString patient;    // 患者

  bool operator==(const SalesLine&) const = default;
};

class SalesLines {
 public:
  explicit SalesLines(Database& db) : db_(db) {}

  // The lines of a prescription in the order they were written.
  std::vector<SalesLine> of(const QString& serial);
  void removeAllOf(const QString& serial);
  void add(const std::vector<SalesLine>& lines);

 private:
  Database& db_;
};

}  // namespace store
