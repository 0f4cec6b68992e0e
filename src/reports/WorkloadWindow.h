// The workload statistics window: how many prescriptions were saved over a range of visit
// dates and what they came to, in one result line.
#pragma once

#include "links/WindowNames.h"
#include "ui/DateRangeWindow.h"
#include "ui/Session.h"

#include <QLabel>
#include <QPushButton>

namespace reports {

class WorkloadWindow : public ui::DateRangeWindow {
  Q_OBJECT

 public:
  static constexpr const char* kName = links::kWorkloadWindow;

  explicit WorkloadWindow(ui::Session& session);

  // Closes the window if it is open and shows it afresh (the menu and the toolbar's 统计).
  static WorkloadWindow& openAfresh(ui::WindowRegistry& windows);

  // Places the window, fills the dates and puts the focus on "今 日", first in the tab order.
  void Form_Load() override;

  void Command1_Click();  // "统 计": the range in the boxes
  void Command2_Click();  // "今 日"

  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QWidget* Picture1 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  ui::Session& session_;
};

}  // namespace reports
