#include "prescription/PrescriptionWindow.h"

#include "prescription/PrescriptionSheet.h"
#include "prescription/PrescriptionWindowLayout.h"
#include "prescription/PricedGridView.h"
#include "prescription/service/CatalogSearch.h"
#include "prescription/service/NewPrescriptionBell.h"
#include "platform/qt/SoundBell.h"
#include "text/Dates.h"
#include "text/ScrambledText.h"
#include "ui/ComboBoxes.h"
#include "ui/CrLfText.h"
#include "ui/Fonts.h"
#include "ui/Guard.h"
#include "ui/ListRows.h"
#include "ui/WholeText.h"

#include <QCoreApplication>
#include <QDate>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace prescription {
namespace {

// The program's title after the design caption, held scrambled like the program's other
// fixed texts: "Tavorin 门诊处方管理系统".
const char* const kTitleNumbers = "231,210,197,220,193,218,221,147,-15498,-10916,-19435,-18674,-18065,-16290,-12538,-13056";

constexpr int kAlertInterval = 3000;  // ms

void setBoxText(QPlainTextEdit* box, const QString& crlf) {
  const QString text = ui::toBoxText(crlf);
  if (box->toPlainText() != text) box->setPlainText(text);
}

void setLineText(QLineEdit* box, const QString& text) {
  if (box->text() != text) box->setText(text);
}

Workplace workplaceOf(ui::Session& session) {
  Workplace place;
  place.mainDb = [&session] { return session.state.mainDbPath; };
  place.stockDb = [&session] { return session.state.stockDbPath; };
  place.notifyFile = [&session] { return session.state.notifyFilePath; };
  place.stationCode = [&session] { return session.state.stationCode; };
  place.settings = [&session] { return session.settings.values(); };
  place.serials = &session.services.serials();
  return place;
}

}  // namespace

PrescriptionWindow::PrescriptionWindow(ui::Session& session)
    : ui::Window(QString::fromLatin1(kName)), session_(session), model_(workplaceOf(session), session.dialogs) {
  setWindowTitle(kDesignCaption);
  setClientSize(layout::kClientWidth, layout::kClientHeight);
  buildToolbar();
  buildLeftPanel();
  sheet_ = std::make_unique<PrescriptionSheet>(this);
  sheet_->R1->viewport()->installEventFilter(this);
  buildRightPanel();
  buildGrid();
  setTabChain();
  declareInputKinds();
  wireHeaderFields();
  wireEdits();
  connect(&model_, &PrescriptionModel::changed, this, &PrescriptionWindow::showModel);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kAlertInterval);
  connect(Timer1, &QTimer::timeout, this, &PrescriptionWindow::Timer1_Timer);

  connect(&session_.settings, &settings::Settings::changed, this, &PrescriptionWindow::followSettings);
}

PrescriptionWindow::~PrescriptionWindow() = default;

void PrescriptionWindow::Form_Load() {
  const QScopedValueRollback quiet(filling_, true);
  placeOnMainWindow();

  const std::optional<QString> title = text::UnscrambleText(QString::fromLatin1(kTitleNumbers));
  setWindowTitle(kDesignCaption + QStringLiteral(" - ") + title.value_or(QString()));

  grid_->paintStripes();
  sheet_->layOutFields();

  // The history range: the last month up to today.
  model_.openHistory();
  drugSearch_.showListing(clickQuery(0));
  // The defaults and the prescription number from one reading of the clock, so the number,
  // the record number and the dates always belong to the same day.
  model_.startWithDefaults();

  // Reading the unit name loads the settings when nothing has read them yet.
  followSettings();
  // The drug list's rows stand 16 pixels taller than its font makes them.
  ui::makeRowsTaller(drugSearch_.drugList(), 16);

  sheet_->Text5[header::kName]->setFocus();
  session_.padTarget.kind = text::InputKind::Name;
}

void PrescriptionWindow::followSettings() {
  sheet_->setTitle(session_.settings.values().unitName);
  if (session_.settings.bellOn())
    Timer1->start();
  else
    Timer1->stop();
}

bool PrescriptionWindow::bellOn() const { return Timer1->isActive(); }

void PrescriptionWindow::Timer1_Timer() {
  if (!bell_) {
    soundBell_ = std::make_unique<platform::SoundBell>();
    bell_ = std::make_unique<NewPrescriptionBell>(session_.state.notifyFilePath, *soundBell_, session_.dialogs,
                                                  [this] { model_.listToday(); });
  }
  bell_->poll();
}

void PrescriptionWindow::addHerbalUsages(const QStringList& phrases) { sheet_->C1->addItems(phrases); }

void PrescriptionWindow::replaceHerbalUsages(const QStringList& phrases) {
  ui::replaceItems(sheet_->C1, phrases);
  // The box goes on showing the prescription's usage, in the new list or not.
  const QScopedValueRollback quiet(filling_, true);
  ui::showChoice(sheet_->C1, model_.state().usage);
}

QString PrescriptionWindow::herbalUsage() const { return sheet_->C1->currentText(); }

QStringList PrescriptionWindow::herbalUsages() const { return ui::items(sheet_->C1); }

// ---- The model on the controls ----

void PrescriptionWindow::wireEdits() {
  const auto typed = [this](auto&& edit) {
    return [this, edit] {
      if (!filling_) edit();
    };
  };
  connect(sheet_->R1, &QPlainTextEdit::textChanged, this,
          typed([this] { model_.setText(ui::fromBoxText(sheet_->R1->toPlainText())); }));
  connect(text9, &QPlainTextEdit::textChanged, this,
          typed([this] { model_.setInfusionCard(ui::fromBoxText(text9->toPlainText())); }));
  connect(Text10, &QPlainTextEdit::textChanged, this,
          typed([this] { model_.setSymptoms(ui::fromBoxText(Text10->toPlainText())); }));
  connect(sheet_->C1, &QComboBox::currentTextChanged, this,
          typed([this] { model_.setUsage(sheet_->C1->currentText()); }));
  // The user's choice takes, also of the phrase already shown.
  connect(sheet_->C1, &QComboBox::activated, this,
          typed([this] { model_.setUsage(sheet_->C1->currentText()); }));
  connect(sheet_->Text6, &QLineEdit::textChanged, this, typed([this] { model_.setDoses(sheet_->Text6->text()); }));
}

void PrescriptionWindow::showModel(unsigned what) {
  const QScopedValueRollback quiet(filling_, true);
  const PrescriptionState& s = model_.state();
  using Change = PrescriptionModel::Change;
  if (what & Change::Header)
    for (int i = 0; i < header::kCount; ++i) setLineText(sheet_->Text5[i], s.header[i]);
  if (what & Change::Symptoms) setBoxText(Text10, s.symptoms);
  if (what & Change::Layout) {
    ui::showChoice(sheet_->C1, s.usage);
    setLineText(sheet_->Text6, s.doses);
  }
  if (what & Change::Number) {
    ui::setWholeText(Label4, s.number);
    ui::setWholeText(Label5, s.dispenseMark);
  }
  if (what & Change::Grid) grid_->showGrid(s.grid, s.total);
  if (what & Change::GridReset) grid_->scrollToTop();
  if (what & Change::Layout) {
    grid_->showHerbalSummary(s.herbalSummary, s.herbal);
    sheet_->setHerbal(s.herbal);
    sheet_->setModeCaption(model_.sheetCaption());
  }
  if (what & Change::InfusionCard) setBoxText(text9, s.infusionCard);
  if (what & Change::Text) {
    setBoxText(sheet_->R1, s.text);
    if (const std::optional<int> caret = model_.textCaret()) {
      QTextCursor cursor = sheet_->R1->textCursor();
      cursor.setPosition(ui::toBoxPosition(s.text, *caret));
      sheet_->R1->setTextCursor(cursor);
    }
  }
  if (what & (Change::History | Change::HistoryBoxes)) history_.showWindow(model_.historyWindow());
  if (what & Change::History) history_.showItems(model_.historyRows());
}

void PrescriptionWindow::showOutcome(const CommandOutcome& outcome) {
  if (!outcome.message.isEmpty()) ui::showFailure(session_.dialogs, outcome.message, outcome.reason);
}

void PrescriptionWindow::mouseReleaseEvent(QMouseEvent* event) {
  // A click on the window's own face closes the history list's pop-up.
  if (event->button() == Qt::LeftButton) history_.closePopup();
  ui::Window::mouseReleaseEvent(event);
}

}  // namespace prescription
