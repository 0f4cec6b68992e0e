// The drug-sales statistics window: the sales lines of a category over at most 32 days,
// totalled per drug with a "合计" row, shown in a paged grid and exported to a sheet.
#pragma once

#include "reports/service/DrugSales.h"
#include "ui/BusyBar.h"
#include "ui/DateRangeWindow.h"
#include "ui/Session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <vector>

namespace reports {

class DrugSalesWindow : public ui::DateRangeWindow {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form13";

  explicit DrugSalesWindow(ui::Session& session);

  void Command1_Click();  // "统   计"
  void Command2_Click();  // "导出Excel表格"

  // The last result: the drugs and the "合计" row; empty before the first run.
  const std::vector<DrugSalesRow>& result() const { return rows_; }

  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label1 = nullptr;
  std::unique_ptr<ui::BusyBar> busyBar;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QLineEdit* Text1 = nullptr;   // hidden: the last chosen export path

 private:
  ui::Session& session_;
  std::vector<DrugSalesRow> rows_;
};

}  // namespace reports
