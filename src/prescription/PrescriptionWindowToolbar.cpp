// The prescription window's toolbar: eleven picture buttons that start a new, continued or
// copied prescription, save and print it, save it as a template and open the outpatient
// log, the statistics, the medical record and the help page. And the sheet as the prints
// take it: every title, field panel, rule, the dose count, the usage and the body box
// where the window shows them, in twips, in their own fonts.
#include "prescription/PrescriptionWindow.h"

#include "links/TemplatesLink.h"
#include "links/WindowNames.h"
#include "platform/WebPages.h"
#include "prescription/PrescriptionSheet.h"
#include "prescription/service/PrintedPrescription.h"
#include "prescription/service/ToolbarCommands.h"
#include "printing/PrescriptionPrints.h"
#include "ui/Guard.h"
#include "ui/TextBoxHelpers.h"
#include "ui/Twips.h"

#include <QElapsedTimer>
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

void PrescriptionWindow::Label18_MouseUp(int index) {
  if (copyWaiting_) {
    // A click that reaches the window while a copy waits acts on the finished copy.
    deferredButtons_.push_back(index);
    return;
  }
  // The look-ups of the header fields rest while the command fills the controls.
  const QScopedValueRollback quiet(filling_, true);
  hideAllSuggestions();
  toolbar_.setPressed(index, false);
  runToolCommand(index);
}

void PrescriptionWindow::runToolCommand(int index) {
  // A window that cannot be had, or a step that fails, is said once; the toolbar goes on.
  const auto open = [this](const char* name) { session_.windows.openFresh(windowName(name)); };
  // The medical-record window and what it holds go with the old prescription; closing it
  // hands its sections to the prescription, which 续开 keeps.
  const auto closeRecord = [this] { session_.windows.unload(windowName(links::kMedicalRecordWindow)); };
  const std::map<int, std::function<void()>> commands = {
      {kNewButton,
       [this, closeRecord] {
         closeRecord();
         focusAfterCommand(model_.newPrescription());
       }},
      {kContinueButton,
       [this, closeRecord] {
         closeRecord();
         focusAfterCommand(model_.continuePrescription());
       }},
      {kCopyButton, [this] { copyPrescriptionCommand(); }},
      {kSaveButton,
       [this] {
         showOutcome(model_.saveAndListToday());
         List8->hide();
       }},
      {kPrintButton, [this] { printShownSheet(); }},
      {kOverlayButton, [this] { prints().overlayPrint(overlayRecord(state(), sheet_->bodyBox(state().text))); }},
      {kLogButton, [open] { open(links::kOutpatientLogWindow); }},
      {kStatisticsButton, [open] { open(links::kWorkloadWindow); }},
      {kRecordButton, [open] { open(links::kMedicalRecordWindow); }},
      {kTemplateButton, [this] { saveAsTemplateCommand(); }},
      {kHelpButton, [this] { platform::openWebPage(session_.dialogs, platform::WebPage::Help); }},
  };
  const auto command = commands.find(index);
  if (command == commands.end()) return;
  ui::runGuarded(session_.dialogs, QStringLiteral("无法完成“%1”").arg(toolbar_.caption(index)), command->second);
}

void PrescriptionWindow::focusAfterCommand(const AfterCommand& after) {
  if (after.focus == AfterCommand::Focus::NameField)
    sheet_->Text5[header::kName]->setFocus();
  else
    drugSearch_.searchBox()->setFocus();
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
  drugSearch_.searchBox()->setFocus();
  List8->hide();

  // Clicks that came in during the pause run now, each as its own toolbar command.
  const std::vector<int> waiting = std::exchange(deferredButtons_, {});
  if (waiting.empty()) return;
  QTimer::singleShot(0, this, [this, waiting] {
    for (int index : waiting) Label18_MouseUp(index);
  });
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

void PrescriptionWindow::printShownSheet() {
  List8->hide();
  printing::SheetSnapshot sheet = sheet_->snapshot(state());
  printing::hideFieldsOfHiddenPanels(sheet);
  sheet_->hideFieldsAsPrinted(sheet);
  prints().printSheet(sheet);
}

// ---- What the other windows read ----

links::PrescriptionHeader PrescriptionWindow::prescriptionHeader() const {
  const auto& h = model_.state().header;
  return {h[header::kName],    h[header::kSex],       h[header::kAge],      h[header::kDepartment],
          h[header::kAddress], h[header::kDiagnosis], h[header::kPhysician]};
}

}  // namespace prescription
