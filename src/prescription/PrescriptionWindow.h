// The prescription window: the paper-like sheet in the middle, where the physician types
// the patient and the prescription, the drug search on the left and the priced grid on
// the right, inside the main window. The window gathers and shows; the prescription state
// and the services decide.
#pragma once

#include "links/PrescriptionLink.h"
#include "prescription/DrugSearchPanel.h"
#include "prescription/HistoryPanel.h"
#include "prescription/service/PrescriptionModel.h"
#include "printing/service/PrintDevice.h"
#include "printing/service/SheetPrint.h"
#include "ui/ControlArray.h"
#include "ui/Line.h"
#include "ui/PictureToolbar.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace platform {
class Bell;
}
namespace printing {
class PrescriptionPrints;
}

namespace prescription {

class NewPrescriptionBell;
class PrescriptionSheet;
class PricedGridView;

class PrescriptionWindow : public ui::Window, public links::PrescriptionLink {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form2";
  // The caption before the program's title.
  static inline const QString kDesignCaption = QStringLiteral("处方录入");

  explicit PrescriptionWindow(ui::Session& session);
  ~PrescriptionWindow() override;

  void Form_Load() override;

  // What the other windows ask of the prescription window. The sheet title and the bell
  // follow the settings by themselves.
  bool bellOn() const;
  // Adds phrases to the herbal-usage drop-down, after what it holds.
  void addHerbalUsages(const QStringList& phrases);
  // Replaces the drop-down's phrases (after the word list changed); the box shows the
  // prescription's usage again, in the new list or as an entry of its own.
  void replaceHerbalUsages(const QStringList& phrases) override;
  QStringList herbalUsages() const;
  // The herbal usage phrase chosen for the prescription on the sheet.
  QString herbalUsage() const override;

  // The prescription on the window (multi-line texts with CR LF), and a whole one shown.
  const PrescriptionState& state() const { return model_.state(); }
  void showState(const PrescriptionState& state) { model_.setState(state); }
  // The prescription being written and its commands; the window shows it.
  PrescriptionModel& model() { return model_; }
  const PrescriptionModel& model() const { return model_; }
  // The sheet is in the herbal layout exactly while this holds; the dose box shows it.
  bool herbalSheet() const { return model_.state().herbal; }

  // The drug list's entries (List1), each remembering its catalogue row.
  const DrugListing& drugListEntries() const { return drugSearch_.entries(); }

  // Where the prints go: the system's default printer unless a device maker is given.
  using PrintDevices = std::function<std::unique_ptr<printing::PrintDevice>()>;
  void setPrintDevices(PrintDevices devices) { printDevices_ = std::move(devices); }
  // What the other windows read of the prescription, from the model as it stands.
  QString prescriptionSerial() const override { return model_.state().number; }
  links::PrescriptionHeader prescriptionHeader() const override;
  QString prescriptionText() const override { return model_.state().text; }
  QString currentRecordText() const override { return model_.state().medicalRecord; }
  // The medical record the record window hands back, and its save: the window keeps both.
  void setCurrentRecordText(const QString& record) override { model_.setMedicalRecord(record); }
  void saveWithRecord() override { showOutcome(model_.saveWithRecord()); }

 private:
  // Handlers, as the controls run them; the controls that only run a model command are
  // wired to it directly.
  // The left panel's: a drug picked into the prescription text, a history item chosen,
  // the history pop-up's answer.
  void pickDrug(const ListEntry& entry);
  void loadFromHistory(int row);
  void answerHistoryPopup(HistoryPanel::PopupChoice choice);
  // The new-prescription alert's poll, while this workstation's bell is on.
  void Timer1_Timer();
  // A toolbar button released: its command, or after a copy that is still waiting.
  void Label18_MouseUp(int index);
  void printShownSheet();  // 打印: the sheet as the window shows it
  // The header fields Text5_*, forwarded to the model; `index` is the field's.
  void headerFieldEdited(int index);
  void headerFieldEntered(int index);
  bool headerFieldKeyDown(int index, int keyCode);  // true when the key is discarded
  void List5_DblClick();  // patient pick
  void List8_DblClick();  // symptom pick
  void Label8_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Building the controls, each area from its table.
  void buildToolbar();
  void buildLeftPanel();
  void buildRightPanel();
  void buildGrid();
  void setTabChain();
  void declareInputKinds();
  // Attaches the handlers above to their controls.
  void wireHeaderFields();
  // Passes what the user types into the sheet's other controls on to the model (the
  // header fields go through headerFieldEdited).
  void wireEdits();

  void hideSuggestionLists();
  // The header fields' suggestion lists and the symptom suggestions.
  void hideAllSuggestions();
  QListWidget* suggestionList(SuggestionList list) const;
  // Clears the list, fills it from the database and shows it when it found something.
  void runLookUp(const LookUp& lookUp);

  // Shows the parts of the model that changed (PrescriptionModel::Change bits).
  void showModel(unsigned what);
  // Says a command's message, if it has one.
  void showOutcome(const CommandOutcome& outcome);
  // Takes the sheet title and the bell from the settings.
  void followSettings();

  // The toolbar's commands.
  void runToolCommand(int index);
  void copyPrescriptionCommand();  // 复制处方
  void saveAsTemplateCommand();    // 存为组套
  void focusAfterCommand(const AfterCommand& after);
  // The prints onto the chosen devices.
  printing::PrescriptionPrints prints();

  // True while the window fills its controls from the model or runs a toolbar command:
  // the controls' changes are then the model's own, and the look-ups rest.
  bool filling_ = false;
  PrintDevices printDevices_;
  // True while 复制处方 shows the empty text; toolbar clicks then wait for the copy.
  bool copyWaiting_ = false;
  std::vector<int> deferredButtons_;

  ui::Session& session_;
  PrescriptionModel model_;
  std::unique_ptr<platform::Bell> soundBell_;
  std::unique_ptr<NewPrescriptionBell> bell_;

  // The picture buttons Picture4 with Image7, Label15 and Label18.
  ui::PictureToolbar toolbar_{QStringLiteral("Picture4"), QStringLiteral("Image7"), QStringLiteral("Label15"),
                              QStringLiteral("Label18")};

  // The captions of the search boxes on the left and of the symptom search on the right:
  // one array, whose every click edits the symptoms.
  ui::ControlArray<QLabel> Label8{QStringLiteral("Label8")};
  // Left panel.
  DrugSearchPanel drugSearch_{session_};
  HistoryPanel history_;

  // The sheet: white, sunken, laid out as printed.
  std::unique_ptr<PrescriptionSheet> sheet_;
  // The new-prescription alert, every 3000 ms while this workstation's bell is on.
  QTimer* Timer1 = nullptr;

  // Right panel.
  QLineEdit* Text11 = nullptr;
  QListWidget* List8 = nullptr;
  QPlainTextEdit* Text10 = nullptr;
  QLabel* Label5 = nullptr;
  QPlainTextEdit* text9 = nullptr;
  QLabel* Label4 = nullptr;

  // The priced grid.
  std::unique_ptr<PricedGridView> grid_;
};

}  // namespace prescription
