// The outpatient log window: the query, its pages, the export, the print and the margins.
#include "clinical/OutpatientLogWindow.h"

#include "links/PrescriptionLink.h"
#include "clinical/service/OutpatientLogPrint.h"
#include "clinical/service/OutpatientLogSheet.h"
#include "printing/PrinterDevice.h"
#include "printing/service/PrintJob.h"
#include "spreadsheet/ExportFile.h"
#include "text/Dates.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/SpreadsheetExport.h"

#include <QApplication>
#include <QDate>
#include <QScrollBar>

namespace clinical {
namespace {

// The hourglass for the length of a query, an export or a print.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

const QString kLogUnreadable = QStringLiteral("门诊日志无法读取");

}  // namespace

OutpatientLogWindow::OutpatientLogWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("门诊日志"));
  setClientSize(11760, 7680);
  devices_ = [] { return std::make_unique<printing::PrinterDevice>(printing::systemDefaultPrinter); };
  // The physician box of the prescription window as it stands; the settings' physician,
  // which that box starts with, while the prescription window is closed.
  physician_ = [this] {
    if (registry())
      if (const links::PrescriptionLink* p = registry()->findAs<links::PrescriptionLink>())
        return p->prescriptionHeader().physician;
    return session_.settings.values().physician;
  };
  buildControls();
}

OutpatientLogWindow& OutpatientLogWindow::openAfresh(ui::Session& session) {
  session.windows.openFresh(QString::fromLatin1(kName));
  return session.windows.get<OutpatientLogWindow>();
}

void OutpatientLogWindow::buildControls() {
  grid = new ui::PagedGrid(grid::outpatientLogGrid(), this);

  Frame2 = ui::make<QFrame>(this, QStringLiteral("Frame2"), {1440, 6840, 3015, 675});
  Frame2->setFrameShape(QFrame::StyledPanel);
  ui::make<QLabel>(Frame2, QStringLiteral("Label31_0"), {120, 300}, QStringLiteral("打印边距(mm)：左"));
  Text1 = ui::make<QLineEdit>(Frame2, QStringLiteral("Text1"), {1680, 240, 435, 315}, QStringLiteral("10"));
  ui::make<QLabel>(Frame2, QStringLiteral("Label31_1"), {2160, 300}, QStringLiteral("上"));
  Text5 = ui::make<QLineEdit>(Frame2, QStringLiteral("Text5"), {2400, 240, 435, 315}, QStringLiteral("10"));
  // The settings column holds five characters.
  Text1->setMaxLength(5);
  Text5->setMaxLength(5);
  Text1->setAccessibleName(QStringLiteral("左边距"));
  Text5->setAccessibleName(QStringLiteral("上边距"));

  Frame1 = ui::make<QFrame>(this, QStringLiteral("Frame1"), {4560, 6840, 3315, 675});
  Frame1->setFrameShape(QFrame::StyledPanel);
  Text3 = ui::make<QLineEdit>(Frame1, QStringLiteral("Text3"), {600, 240, 1095, 315});
  Text4 = ui::make<QLineEdit>(Frame1, QStringLiteral("Text4"), {2100, 240, 1095, 315});
  ui::setCaption(ui::make<QLabel>(Frame1, QStringLiteral("Label2"), {120, 300}, QStringLiteral("日期")), Text3);
  ui::setCaption(ui::make<QLabel>(Frame1, QStringLiteral("Label3"), {1800, 300}, QStringLiteral("至")), Text4);

  Command1 = ui::make<QPushButton>(this, QStringLiteral("Command1"), {8040, 7020, 1155, 375}, QStringLiteral("查  询"));
  Command3 = ui::make<QPushButton>(this, QStringLiteral("Command3"), {9240, 7020, 1155, 375}, QStringLiteral("打  印"));
  Command2 = ui::make<QPushButton>(this, QStringLiteral("Command2"), {10440, 7020, 1215, 375}, QStringLiteral("导出Excel"));
  Label1 = ui::make<QLabel>(this, QStringLiteral("Label1"), {120, 7140});
  QPalette blue = Label1->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  Label1->setPalette(blue);

  connect(Command1, &QPushButton::clicked, this, &OutpatientLogWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &OutpatientLogWindow::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &OutpatientLogWindow::Command3_Click);
}

void OutpatientLogWindow::Form_Load() {
  placeOnMainWindow();
  const QDate today = QDate::currentDate();
  Text3->setText(text::isoDate(text::oneMonthBack(today)));
  Text4->setText(text::isoDate(today));
  Command1_Click();
  // Margins that cannot be read leave the boxes at their design margins.
  const LogMargins margins = keptLogMargins(session_.state.mainDbPath);
  if (margins.left) Text1->setText(*margins.left);
  if (margins.top) Text5->setText(*margins.top);
}

void OutpatientLogWindow::Form_Unload() {
  const MarginsSave saved = saveLogMargins(session_.state.mainDbPath, Text1->text(), Text5->text());
  if (saved.status == MarginsSave::Status::NoSettingsRow)
    session_.dialogs.message(QStringLiteral("设置表中没有记录，日志打印边距没有保存。"));
  else if (saved.status == MarginsSave::Status::Failed)
    ui::showFailure(session_.dialogs, QStringLiteral("日志打印边距没有保存"), saved.reason);
}

std::optional<LogRange> OutpatientLogWindow::range() {
  auto range = logRange(Text3->text(), Text4->text());
  if (!range) session_.dialogs.message(kLogBadDatesMessage, platform::kPromptTitle, platform::Dialogs::Icon::Warning);
  return range;
}

void OutpatientLogWindow::clearGrid() {
  grid->setRecords({});
  grid->VS1()->setEnabled(false);
}

void OutpatientLogWindow::Command1_Click() {
  clearGrid();
  const auto dates = range();
  if (!dates) return;
  BusyCursor busy;
  std::optional<std::vector<LogRecord>> records;
  if (!ui::runGuarded(session_.dialogs, kLogUnreadable,
                      [&] { records = listLog(session_.state.mainDbPath, *dates); }))
    return;
  if (!records) {
    session_.dialogs.message(kLogTooManyMessage);
    return;
  }
  std::vector<grid::Record> rows;
  rows.reserve(records->size());
  for (const LogRecord& r : *records) {
    grid::Record row;
    row.fields = {r.name, r.sex, r.age, r.diagnosis, r.address, r.visitDate};
    rows.push_back(std::move(row));
  }
  Label1->setText(QStringLiteral("记录数：%1").arg(records->size()));
  Label1->adjustSize();
  grid->setRecords(std::move(rows));
}

void OutpatientLogWindow::Command2_Click() {
  const auto dates = range();
  if (!dates) return;
  const QString path = spreadsheet::chooseExportPath(session_.dialogs);
  if (path.isEmpty()) return;
  Text6 = path;
  std::vector<LogRecord> records;
  {
    BusyCursor busy;
    if (!ui::runGuarded(session_.dialogs, kLogUnreadable,
                        [&] { records = readLog(session_.state.mainDbPath, *dates); }))
      return;
    Label1->setText(QStringLiteral("计录数：%1").arg(records.size()));
    Label1->adjustSize();
    // A range without visits writes no file.
    if (records.empty()) return;
    if (records.size() > static_cast<size_t>(spreadsheet::kMaxRows - 2)) {
      ui::showFailure(session_.dialogs, spreadsheet::kExportFailed,
                      QStringLiteral("记录太多，一个工作表最多放%1条，请缩短查询时间范围。").arg(spreadsheet::kMaxRows - 2));
      return;
    }
  }
  BusyCursor busy;
  ui::saveExport(session_.dialogs, outpatientLogWorkbook(records), path);
}

void OutpatientLogWindow::Command3_Click() {
  const auto dates = range();
  if (!dates) return;
  LogPrintInput input{Text1->text(), Text5->text(), physician_(), {}};
  BusyCursor busy;
  if (!ui::runGuarded(session_.dialogs, kLogUnreadable,
                      [&] { input.records = readLog(session_.state.mainDbPath, *dates); }))
    return;
  // A range without visits prints nothing and says nothing.
  if (input.records.empty()) return;
  const std::unique_ptr<printing::PrintDevice> device = devices_();
  printing::runPrint(*device, session_.dialogs, [&](printing::PrintSurface& surface) { printOutpatientLog(surface, input); });
}

}  // namespace clinical
