// The purchase-statistics window: per drug of one category and date range (at most 32
// days), the quantity received, its unit and the amount, closed by "合计"; exported to .xls.
#pragma once

#include "purchasing/service/PurchaseStatistics.h"
#include "ui/BusyBar.h"
#include "ui/DateRangeWindow.h"
#include "ui/Session.h"

#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <vector>

namespace purchasing {

class PurchaseStatisticsWindow : public ui::DateRangeWindow {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form16";

  explicit PurchaseStatisticsWindow(ui::Session& session);

  void Command1_Click();  // "统   计"
  void Command2_Click();  // "导出Excel表格"

  // The result lines of the last statistic, "合计" last; empty before the first.
  const std::vector<StatisticsLine>& lines() const { return lines_; }

  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QLineEdit* Text1 = nullptr;  // hidden: the last export path
  std::unique_ptr<ui::BusyBar> busyBar;

 private:
  ui::Session& session_;
  std::vector<StatisticsLine> lines_;
};

}  // namespace purchasing
