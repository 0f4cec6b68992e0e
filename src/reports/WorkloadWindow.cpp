#include "reports/WorkloadWindow.h"

#include "reports/service/Workload.h"
#include "text/Dates.h"
#include "ui/Controls.h"
#include "ui/FocusAndKeys.h"

#include <QApplication>

#include <tuple>

namespace reports {

WorkloadWindow::WorkloadWindow(ui::Session& session)
    : ui::DateRangeWindow(kName, QStringLiteral("统计"), 4560, 2415, Opening::LastMonth), session_(session) {
  makeFrame({120, 120, 4335, 1635}, QStringLiteral("工作量统计"));
  std::tie(Label8, Label9) = makeDateBoxes({"Label8", QStringLiteral("日期"), {120, 540}, {600, 480, 1515, 315}},
                                           {"Label9", QStringLiteral("至"), {2280, 540}, {2640, 480, 1515, 315}});
  Picture1 = ui::make<QWidget>(Frame1, "Picture1", {180, 1020, 3975, 375});
  Picture1->setAutoFillBackground(true);
  QPalette grey = Picture1->palette();
  grey.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
  Picture1->setPalette(grey);
  Label4 = ui::make<QLabel>(Picture1, "Label4", {60, 60});
  Label4->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
  Command2 = ui::make<QPushButton>(this, "Command2", {2040, 1920, 1155, 375}, QStringLiteral("今 日"));
  Command1 = ui::make<QPushButton>(this, "Command1", {3300, 1920, 1155, 375}, QStringLiteral("统 计"));
  ui::setTabChain({Command2, Command1, Text3, Text4});
  connect(Command1, &QPushButton::clicked, this, &WorkloadWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &WorkloadWindow::Command2_Click);
}

WorkloadWindow& WorkloadWindow::openAfresh(ui::WindowRegistry& windows) {
  windows.openFresh(QString::fromLatin1(kName));
  return *windows.findAs<WorkloadWindow>();
}

void WorkloadWindow::Form_Load() {
  ui::DateRangeWindow::Form_Load();
  Command2->setFocus();
}

void WorkloadWindow::Command1_Click() {
  // The count runs to its end before any other click is handled: nothing yields to the
  // event loop meanwhile, so a second click or a close cannot interleave with it.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const WorkloadOutcome out = runWorkload(session_.state.mainDbPath, Text3->text(), Text4->text());
  QApplication::restoreOverrideCursor();
  Label4->setText(out.line);
  Label4->adjustSize();
  if (!out.message.isEmpty()) session_.dialogs.message(out.message);
}

void WorkloadWindow::Command2_Click() {
  const QString today = text::isoDate(QDate::currentDate());
  Text4->setText(today);
  Text3->setText(today);
  Command1_Click();
}

}  // namespace reports
