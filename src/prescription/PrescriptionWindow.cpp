#include "prescription/PrescriptionWindow.h"

#include "prescription/PrescriptionWindowLayout.h"
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
#include "ui/Twips.h"
#include "ui/WholeText.h"

#include <QCoreApplication>
#include <QDate>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>

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
  place.mainDb = [&session] { return session.state.MainDbConnection; };
  place.stockDb = [&session] { return session.state.StockDbConnection; };
  place.notifyFile = [&session] { return session.state.NotifyFilePath; };
  place.stationCode = [&session] { return session.state.StationCode; };
  place.settings = [&session] { return session.settings.values(); };
  place.serials = &session.services.serials();
  return place;
}

// Centres a label of the sheet across it, keeping its top; a title wider than the sheet
// overhangs both sides equally.
void centreOnSheet(QLabel* label) {
  const double left = (ui::twips(label->parentWidget()->width()) - ui::twips(label->width())) / 2.0;
  label->move(ui::px(left), label->y());
}

}  // namespace

PrescriptionWindow::PrescriptionWindow(ui::Session& session)
    : ui::Window(QString::fromLatin1(kName)), session_(session), model_(workplaceOf(session), session.dialogs) {
  setWindowTitle(kDesignCaption);
  setClientSize(layout::kClientWidth, layout::kClientHeight);
  buildToolbar();
  buildLeftPanel();
  buildSheet();
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

  paintGridStripes();
  layOutHeaderFields();

  // The history range: the last month up to today.
  model_.openHistory();
  fillDrugList(clickQuery(0));
  // The defaults and the prescription number from one reading of the clock, so the number,
  // the record number and the dates always belong to the same day.
  model_.startWithDefaults();

  // Reading the unit name loads the settings when nothing has read them yet.
  followSettings();
  centreOnSheet(Label2[kSheetName]);
  // The drug list's rows stand 16 pixels taller than its font makes them.
  ui::makeRowsTaller(List1, 16);

  Text5[header::kName]->setFocus();
  session_.padTarget.kind = text::InputKind::Name;
}

void PrescriptionWindow::followSettings() {
  // The sheet title: the unit name, sized to its caption and centred across the sheet.
  QLabel* title = Label2[kSheetTitle];
  title->setText(session_.settings.values().unitName);
  title->adjustSize();
  centreOnSheet(title);
  if (session_.settings.bellOn())
    Timer1->start();
  else
    Timer1->stop();
}

bool PrescriptionWindow::bellOn() const { return Timer1->isActive(); }

void PrescriptionWindow::Timer1_Timer() {
  if (!bell_) {
    soundBell_ = std::make_unique<platform::SoundBell>();
    bell_ = std::make_unique<NewPrescriptionBell>(session_.state.NotifyFilePath, *soundBell_, session_.dialogs,
                                                  [this] { model_.listToday(); });
  }
  bell_->poll();
}

void PrescriptionWindow::addHerbalUsages(const QStringList& phrases) { C1->addItems(phrases); }

void PrescriptionWindow::replaceHerbalUsages(const QStringList& phrases) { ui::replaceItems(C1, phrases); }

QString PrescriptionWindow::herbalUsage() const { return C1->currentText(); }

QStringList PrescriptionWindow::herbalUsages() const { return ui::items(C1); }

// ---- The model on the controls ----

void PrescriptionWindow::wireEdits() {
  const auto typed = [this](auto&& edit) {
    return [this, edit] {
      if (!filling_) edit();
    };
  };
  for (const auto& [i, box] : Text5) {
    const int index = i;
    connect(box, &QLineEdit::textChanged, this,
            typed([this, index] { model_.setHeaderField(index, Text5[index]->text()); }));
  }
  connect(R1, &QPlainTextEdit::textChanged, this,
          typed([this] { model_.setText(ui::fromBoxText(R1->toPlainText())); }));
  connect(text9, &QPlainTextEdit::textChanged, this,
          typed([this] { model_.setInfusionCard(ui::fromBoxText(text9->toPlainText())); }));
  connect(Text10, &QPlainTextEdit::textChanged, this,
          typed([this] { model_.setSymptoms(ui::fromBoxText(Text10->toPlainText())); }));
  connect(C1, &QComboBox::currentTextChanged, this, typed([this] { model_.setUsage(C1->currentText()); }));
  connect(Text6, &QLineEdit::textChanged, this, typed([this] { model_.setDoses(Text6->text()); }));
  for (QLineEdit* box : {Text3, Text4})
    connect(box, &QLineEdit::textChanged, this,
            typed([this] { model_.setHistoryBoxes({Text2->text(), Text3->text(), Text4->text()}); }));
  for (int column : {kQuantity, kPrice})
    for (const auto& [r, cell] : boxCells_[column]) {
      const int row = r;
      connect(cell, &QLineEdit::textChanged, this,
              typed([this, row, column] { model_.setGridCell(row, column, boxCells_[column][row]->text()); }));
    }
}

void PrescriptionWindow::showModel(unsigned what) {
  const QScopedValueRollback quiet(filling_, true);
  const PrescriptionState& s = model_.state();
  using Change = PrescriptionModel::Change;
  if (what & Change::Header)
    for (int i = 0; i < header::kCount; ++i) setLineText(Text5[i], s.header[i]);
  if (what & Change::Symptoms) setBoxText(Text10, s.symptoms);
  if (what & Change::Layout) {
    if (C1->currentText() != s.usage) C1->setCurrentText(s.usage);
    setLineText(Text6, s.doses);
  }
  if (what & Change::Number) {
    ui::setWholeText(Label4, s.number);
    ui::setWholeText(Label5, s.dispenseMark);
  }
  if (what & Change::Grid) {
    for (int r = 0; r < kGridRows; ++r)
      for (int column = 0; column < kGridColumns; ++column) setGridCell(r, column, s.grid[r][column]);
    ui::setWholeText(Label16, s.total);
  }
  if (what & Change::GridReset) VScroll1->setValue(0);
  if (what & Change::Layout) {
    ui::setWholeText(Label17, s.herbalSummary);
    applySheetLayout(s.herbal);
    ui::setWholeText(Label2[kSheetMode], model_.sheetCaption());
  }
  if (what & Change::InfusionCard) setBoxText(text9, s.infusionCard);
  if (what & Change::Text) {
    setBoxText(R1, s.text);
    if (const std::optional<int> caret = model_.textCaret()) {
      QTextCursor cursor = R1->textCursor();
      cursor.setPosition(ui::toBoxPosition(s.text, *caret));
      R1->setTextCursor(cursor);
    }
  }
  if (what & (Change::History | Change::HistoryBoxes)) showHistory(what & Change::History);
}

void PrescriptionWindow::setGridCell(int row, int column, const QString& text) {
  if (boxCells_[column].contains(row))
    setLineText(boxCells_[column][row], text);
  else
    ui::setWholeText(labelCells_[column][row], text);
  if (column == GridColumn::kName) {
    // Quantity and price belong to a drug: a row without a name takes neither.
    const bool named = !text.isEmpty();
    boxCells_[kQuantity][row]->setReadOnly(!named);
    boxCells_[kPrice][row]->setReadOnly(!named);
  }
}

void PrescriptionWindow::showHistory(bool withItems) {
  const HistoryWindow& window = model_.historyWindow();
  // The boxes are set together; typing into the search box is what widens the window.
  const QSignalBlocker block(Text2);
  Text2->setText(window.search);
  Text3->setText(window.from);
  Text4->setText(window.to);
  if (!withItems) return;
  List2->clear();
  for (const HistoryItem& item : model_.history()) List2->addItem(item.text);
}

void PrescriptionWindow::showOutcome(const CommandOutcome& outcome) {
  if (!outcome.message.isEmpty()) ui::showFailure(session_.dialogs, outcome.message, outcome.reason);
}

// ---- The sheet's layout ----

void PrescriptionWindow::applySheetLayout(bool herbal) {
  if (herbal)
    R1->setGeometry(ui::pxRect(660, 2400, 5655, 4995));
  else
    R1->setGeometry(ui::pxRect(1380, 2400, 4575, 4995));
  Label2[kDoseCaption]->setVisible(herbal);
  Text6->setVisible(herbal);
  C1->setVisible(herbal);
  Label17->setVisible(herbal);
}

void PrescriptionWindow::mouseReleaseEvent(QMouseEvent* event) {
  // A click on the window's own face closes the history list's pop-up.
  if (event->button() == Qt::LeftButton) Picture6->hide();
  ui::Window::mouseReleaseEvent(event);
}

// ---- The priced grid ----

void PrescriptionWindow::VScroll1_Change() {
  using namespace layout;
  const float travel = static_cast<float>(kRowsPanelHeight - kGridFrameHeight + kHeadingHeight + kTotalsStripHeight);
  const float top = static_cast<float>(kHeadingHeight) - travel * VScroll1->value() / kScrollMaximum;
  Picture1->move(Picture1->x(), ui::px(top));
}


}  // namespace prescription
