// The prescription being written, and the commands the prescription window runs on it.
// One object owns the header fields, the prescription text, the priced grid and its
// totals, the history list and the one connection to the main database they are read and
// stored through. The window shows what this holds and forwards what the user types and
// clicks; the model decides, stores and says what changed. A question to the user goes through the Dialogs it is given; a
// failure or a notice comes back as the outcome's message, for the window to show.
#pragma once

#include "platform/Dialogs.h"
#include "prescription/service/CatalogListing.h"
#include "prescription/service/CatalogSearch.h"
#include "prescription/service/HeaderFields.h"
#include "prescription/service/HistoryList.h"
#include "prescription/service/HistoryRows.h"
#include "prescription/service/PrescriptionRecord.h"
#include "prescription/service/PrescriptionState.h"
#include "prescription/service/SuggestionLookUp.h"
#include "prescription/service/ToolbarCommands.h"
#include "settings/Settings.h"
#include "store/KeptConnection.h"
#include "text/Serials.h"

#include <QDate>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace prescription {

struct DispenseOutcome;
class Dispensing;

// Where the model works. The paths are asked for at every command: the data folder may
// change while the window lives.
struct Workplace {
  std::function<QString()> mainDb;
  std::function<QString()> stockDb;
  std::function<QString()> notifyFile;
  std::function<QString()> stationCode;
  std::function<settings::SettingsValues()> settings;
  text::SerialSource* serials = nullptr;
  std::function<QDate()> today = &QDate::currentDate;
};

// What a command did. `message` is the one "提示" text to show afterwards (what failed or
// why nothing was done, or a notice after success), followed by `reason` when a data file
// failed; empty for none.
struct CommandOutcome {
  enum class Result {
    Done,
    Declined,  // refused as the data stood (nothing to pick, name missing, not priced ...)
    Failed,    // the data file could not be read or written; nothing half-done
    Busy,      // another command of this model was still running: nothing done
  };
  Result result = Result::Done;
  QString message;
  QString reason;

  bool done() const { return result == Result::Done; }
};

class PrescriptionModel : public QObject {
  Q_OBJECT

 public:
  // The parts of the prescription a change touched; the window shows those again.
  enum Change : unsigned {
    Header = 1u << 0,        // the header fields
    Text = 1u << 1,          // the prescription text (and its caret, textCaret())
    InfusionCard = 1u << 2,  // the infusion-card text
    Symptoms = 1u << 3,      // the main symptoms
    Layout = 1u << 4,        // herbal or ordinary sheet, the dose count, the usage, the summary
    Number = 1u << 5,        // the prescription number and the dispense mark
    Grid = 1u << 6,          // the priced grid and its total
    History = 1u << 7,       // the history window and its listed items
    GridReset = 1u << 8,     // the grid's view goes back to its first row
    MedicalRecord = 1u << 9,
    HistoryBoxes = 1u << 10,  // the history window alone, its list unchanged
    Everything = 0x7ffu,
  };

  PrescriptionModel(Workplace workplace, platform::Dialogs& questions, QObject* parent = nullptr);
  ~PrescriptionModel() override;

  // ---- What the window shows ----
  const PrescriptionState& state() const { return state_; }
  // Where the caret goes after the last change of the text, in characters; nullopt leaves it.
  std::optional<int> textCaret() const { return caret_; }
  int category() const { return category_; }
  // The caption over the prescription: the layout's name, or the stored kind's after a load.
  QString sheetCaption() const;
  const HistoryWindow& historyWindow() const { return historyWindow_; }
  // The listed rows; the list counts them on (HistoryRows::countOn) while it shows them.
  const HistoryRows& history() const { return *history_; }
  std::shared_ptr<HistoryRows> historyRows() const { return history_; }
  // The history item loaded last (-1 for none).
  int historyIndex() const { return historyIndex_; }
  // The patients the last patient look-up listed, in list order.
  const std::vector<store::PatientSuggestion>& listedPatients() const { return listedPatients_; }
  // True while a command runs: a command or an edit arriving meanwhile (from a question's
  // own event loop, say) is refused.
  bool busy() const { return running_; }

  // ---- What the user types, as it happens ----
  // A header field as typed. Its rules run here: a sex digit becomes the sex, a fee
  // changes 合计 (both said as Header). The outcome names the caret move, the list to hide
  // and the look-up for the window to run; its text replacements are already applied.
  FieldChange setHeaderField(int index, const QString& text);
  // A click on the sex field toggles it (said as Header).
  void toggleSex();
  // The prescription text as typed: the infusion card follows it.
  void setText(const QString& text);
  void setInfusionCard(const QString& text);
  void setSymptoms(const QString& text);
  void setUsage(const QString& text);
  void setDoses(const QString& text);
  void setMedicalRecord(const QString& record);
  // A quantity or a price typed into the grid: the amounts and totals follow.
  void setGridCell(int row, int column, const QString& text);
  // The history boxes as typed; typing a search widens the window (no query runs).
  void setHistoryBoxes(const HistoryWindow& window);
  void typeHistorySearch(const QString& search);
  // Replaces the whole prescription (a test's or a restored value), said as Everything.
  void setState(const PrescriptionState& state);

  // ---- Commands ----
  // The drug list for a category click or a search, read through the kept connection.
  // Throws when the catalogue cannot be read.
  DrugListing listing(const CatalogQuery& query);
  // A category button: the sheet's layout follows it, a change of layout starts a new number.
  void chooseCategory(int index);
  // The defaults of a new prescription, with its number.
  void startWithDefaults();
  // 新建 and 续开. The caller closes the medical-record window first.
  AfterCommand newPrescription();
  AfterCommand continuePrescription();
  // 复制处方 in two steps around the pause in which the text shows empty; commands arriving
  // between the two steps are refused.
  void beginCopy();
  void finishCopy();
  bool copyPending() const { return copy_ != nullptr; }

  // A pick from the drug list, into the text whose selection runs from `selectionStart` to
  // `selectionEnd` (characters). Declined with a reason for a herb already prescribed or
  // an unreadable template.
  CommandOutcome pick(const ListEntry& entry, int selectionStart, int selectionEnd);
  void addRoute(int route);
  // The herbal layout of the text (herbal sheet only).
  void layOutHerbs();
  void sortByDrawer();

  // 保存 (the button): stores the prescription as shown.
  CommandOutcome save();
  // The toolbar's 保存: lays a herbal text out first, saves, then lists today's patients
  // (also after a refused save).
  CommandOutcome saveAndListToday();
  // The medical-record window's save: a herbal text laid out, saved, the history listed again.
  CommandOutcome saveWithRecord();
  // 自动划价: priced, then saved, then today's patients listed.
  CommandOutcome priceSaveAndList();
  // 发药, 撤消发药.
  CommandOutcome dispense();
  CommandOutcome undoDispense();
  // 删除(D): asks first, then deletes the shown number and empties the sheet.
  CommandOutcome removeShown();
  // Loads the history item at `index`.
  CommandOutcome loadFromHistory(int index);

  // The history list: the boxes' query, the opening month, today, a day back or on, and the
  // patient's history. Each lists again.
  CommandOutcome listHistory();
  CommandOutcome openHistory();
  CommandOutcome listToday();
  CommandOutcome listDayBefore();
  CommandOutcome listDayAfter();
  CommandOutcome listPatientHistory();

  // A suggestion look-up through the kept connection; the patients are kept for a pick.
  Suggestions lookUp(const LookUp& lookUp);
  // The listed patient at `row` into the header fields; false when there is none.
  bool pickPatient(int row);

  // The connection the model keeps to the main database (a new one after the data folder
  // changed).
  store::KeptConnection& connection();

 signals:
  // `what` is a set of Change bits.
  void changed(unsigned what);

 private:
  class Running;
  void emitChanged(unsigned what);
  // The history list run again on the current boxes.
  void requery();
  // The save without the busy check, for the commands that save on the way.
  CommandOutcome storeShown();
  // The herbal layout of the text; the infusion card follows when `cardFollows`.
  void layOut(bool cardFollows);
  void showStored(const PrescriptionRecord& stored, bool withStock);
  void renumbered(const QString& serial);
  Dispensing dispensing() const;
  bool agreeToGoOnWithout(const DispenseOutcome& outcome, QStringList& goOnWithout);
  void applyLayout(const HerbalLayout& layout);
  void resetAfterDelete();
  void afterCommand(const AfterCommand& after);
  CommandOutcome busyOutcome() const;

  Workplace workplace_;
  platform::Dialogs& questions_;
  std::unique_ptr<store::KeptConnection> connection_;

  PrescriptionState state_;
  std::optional<int> caret_;
  int category_ = 0;
  QString sheetCaption_;
  bool captionFromLoad_ = false;
  HistoryWindow historyWindow_;
  std::shared_ptr<HistoryRows> history_ = std::make_shared<HistoryRows>();
  int historyIndex_ = -1;
  std::vector<store::PatientSuggestion> listedPatients_;
  std::unique_ptr<CopyInProgress> copy_;
  bool running_ = false;
  unsigned pending_ = 0;
};

}  // namespace prescription
