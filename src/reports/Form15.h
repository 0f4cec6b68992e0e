// The sales-detail window: the sales lines of a date range filtered by drug, patient,
// physician and category, in a paged grid of 24 rows with their count; it exports the
// lines and opens the drug-sales statistics.
#pragma once

#include "ui/PagedGrid.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace reports {

class Form15 : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form15";

  explicit Form15(ui::Session& session);

  void Form_Load() override;
  void Command3_Click();  // "查   询"
  void Command4_Click();  // "导出Excel表格"
  void Command5_Click();  // "统计": the drug-sales statistics afresh
  void xz(int row);       // highlights a grid row

  ui::PagedGrid* grid = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text5 = nullptr;
  QComboBox* Combo1 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command4 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text6 = nullptr;  // hidden: the last chosen export path

 private:
  ui::Session& session_;
};

}  // namespace reports
