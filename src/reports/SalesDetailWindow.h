// The sales-detail window: the sales lines of a date range filtered by drug, patient,
// physician and category, in a paged grid of 24 rows with their count; it exports the
// lines and opens the drug-sales statistics.
#pragma once

#include "ui/DateRangeWindow.h"
#include "ui/Session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace reports {

class SalesDetailWindow : public ui::DateRangeWindow {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form15";

  explicit SalesDetailWindow(ui::Session& session);

  // Opens on today's sales, listed at once.
  void Form_Load() override;
  void Command3_Click();  // "查   询"
  void Command4_Click();  // "导出Excel表格"
  void Command5_Click();  // "统计": the drug-sales statistics afresh

  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text5 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command4 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text6 = nullptr;  // hidden: the last chosen export path

 private:
  ui::Session& session_;
};

}  // namespace reports
