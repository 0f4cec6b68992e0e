// The prescription window's toolbar: eleven picture buttons that start a new, continued or
// copied prescription, save and print it, save it as a template and open the outpatient
// log, the statistics, the medical record and the help page; and 自动划价帮助 beside the grid.
#include "prescription/PrescriptionWindow.h"

#include "links/TemplatesLink.h"
#include "links/WindowNames.h"
#include "prescription/service/PrintedPrescription.h"
#include "prescription/service/ToolbarCommands.h"
#include "printing/PrescriptionPrints.h"
#include "shell/service/WebPages.h"
#include "ui/ControlEvents.h"
#include "ui/Guard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QScopedValueRollback>
#include <QTimer>

#include <functional>
#include <map>

namespace prescription {
namespace {

// The toolbar's buttons by their index in Picture4, Label15 and Label18.
enum ToolButton {
  kNewButton = 0,
  kContinueButton = 1,
  kSaveButton = 2,
  kPrintButton = 3,
  kLogButton = 4,
  kTemplateButton = 5,
  kRecordButton = 6,
  kStatisticsButton = 7,
  kHelpButton = 8,
  kCopyButton = 9,
  kOverlayButton = 11,
};

QString windowName(const char* name) { return QString::fromLatin1(name); }

}  // namespace

void PrescriptionWindow::wireToolbar() {
  for (const auto& [index, label] : Label18) {
    const int i = index;
    ui::onPressAndRelease(label, [this, i] { showPressed(i, true); }, [this, i] { Label18_MouseUp(i); });
  }
}

void PrescriptionWindow::showPressed(int index, bool pressed) {
  QFrame* box = Picture4[index];
  if (pressed) {
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    return;
  }
  box->setFrameStyle(QFrame::NoFrame);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  box->setPalette(palette);
  box->setAutoFillBackground(true);
}

void PrescriptionWindow::Label18_MouseUp(int index) {
  if (copyWaiting_) {
    // A click that reaches the window while a copy waits acts on the finished copy.
    deferredButtons_.push_back(index);
    return;
  }
  // The look-ups of the header fields rest while the command fills the controls.
  const QScopedValueRollback quiet(filling_, true);
  hideAllSuggestions();
  showPressed(index, false);
  runToolCommand(index);
}

void PrescriptionWindow::runToolCommand(int index) {
  // A window that cannot be had, or a step that fails, is said once; the toolbar goes on.
  const QString caption = Label15[index]->text();
  const auto open = [this](const char* name) { session_.windows.openFresh(windowName(name)); };
  const std::map<int, std::function<void()>> commands = {
      {kNewButton, [this] { newPrescriptionCommand(); }},
      {kContinueButton, [this] { continuePrescriptionCommand(); }},
      {kCopyButton, [this] { copyPrescriptionCommand(); }},
      {kSaveButton, [this] { saveCommand(); }},
      {kPrintButton, [this] { Command19_Click(); }},
      {kOverlayButton, [this] { overlayPrint(); }},
      {kLogButton, [open] { open(links::kOutpatientLogWindow); }},
      {kStatisticsButton, [open] { open(links::kWorkloadWindow); }},
      {kRecordButton, [open] { open(links::kMedicalRecordWindow); }},
      {kTemplateButton, [this] { saveAsTemplateCommand(); }},
      {kHelpButton, [this] { shell::openWebPage(session_.dialogs, shell::WebPage::Help); }},
  };
  const auto command = commands.find(index);
  if (command == commands.end()) return;
  ui::runGuarded(session_.dialogs, QStringLiteral("无法完成“%1”").arg(caption), command->second);
}

// ---- New, continued and copied prescriptions ----

void PrescriptionWindow::focusAfterCommand(const AfterCommand& after) {
  if (after.focus == AfterCommand::Focus::NameField)
    Text5[header::kName]->setFocus();
  else
    Text1->setFocus();
}

void PrescriptionWindow::newPrescriptionCommand() {
  // The medical-record window and what it holds go with the old prescription.
  session_.windows.unload(windowName(links::kMedicalRecordWindow));
  focusAfterCommand(model_.newPrescription());
}

void PrescriptionWindow::continuePrescriptionCommand() {
  // Closing the medical-record window hands its sections to the prescription, which keeps them.
  session_.windows.unload(windowName(links::kMedicalRecordWindow));
  focusAfterCommand(model_.continuePrescription());
}

void PrescriptionWindow::copyPrescriptionCommand() {
  QElapsedTimer blank;
  blank.start();
  model_.beginCopy();

  // The text shows empty for a moment, so the user sees that a new prescription began. The
  // window repaints meanwhile, but typing and clicks wait until the copy is whole: a 保存
  // pressed now saves the copied text, never the empty one.
  copyWaiting_ = true;
  while (blank.elapsed() < kCopyPauseMs) {
    QEventLoop pause;
    QTimer::singleShot(static_cast<int>(kCopyPauseMs - blank.elapsed()), Qt::PreciseTimer, &pause,
                       &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
  }
  copyWaiting_ = false;

  model_.finishCopy();
  Text1->setFocus();
  List8->hide();

  // Clicks that came in during the pause run now, each as its own toolbar command.
  const std::vector<int> waiting = std::exchange(deferredButtons_, {});
  if (waiting.empty()) return;
  QTimer::singleShot(0, this, [this, waiting] {
    for (int index : waiting) Label18_MouseUp(index);
  });
}

// ---- Save, template ----

void PrescriptionWindow::saveCommand() {
  showOutcome(model_.saveAndListToday());
  List8->hide();
}

void PrescriptionWindow::saveAsTemplateCommand() {
  // The templates window starts afresh; its kind is chosen before the text goes in.
  const QString name = windowName(links::TemplatesLink::kName);
  session_.windows.unload(name);
  session_.windows.get<links::TemplatesLink>().takePrescription(model_.state().herbal, model_.state().text);
  session_.windows.bringForward(name);
}

// ---- Prints ----

printing::PrescriptionPrints PrescriptionWindow::prints() {
  if (printDevices_) return printing::PrescriptionPrints(session_, printDevices_);
  return printing::PrescriptionPrints(session_);
}

void PrescriptionWindow::Command19_Click() {
  List8->hide();
  printing::SheetSnapshot sheet = sheetSnapshot();
  // The fields of hidden panels are hidden on the screen too, and stay so.
  printing::hideFieldsOfHiddenPanels(sheet);
  for (int i = 0; i < printing::kSheetFieldCount; ++i) {
    if (sheet.fields[i].visible) continue;
    Label1[i]->hide();
    Text5[i]->hide();
    Line6[i]->hide();
  }
  prints().Command19_Click(sheet);
}

void PrescriptionWindow::overlayPrint() {
  prints().overlayPrint(overlayRecord(state(), bodyBox()));
}

// ---- What the medical-record window reads and asks ----

PrescriptionState& PrescriptionWindow::linkedState() const {
  linked_ = model_.state();
  return linked_;
}

}  // namespace prescription
