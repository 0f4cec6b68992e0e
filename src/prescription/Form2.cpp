#include "prescription/Form2.h"

#include "text/ScrambledText.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace prescription {
namespace {

// The program's title after the design caption, held scrambled like the program's other
// fixed texts: "Tavorin 门诊处方管理系统".
const char* const kTitleNumbers = "231,210,197,220,193,218,221,147,-15498,-10916,-19435,-18674,-18065,-16290,-12538,-13056";

constexpr int kAlertInterval = 3000;  // ms

}  // namespace

Form2::Form2(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(kDesignCaption);
  setClientSize(15015, 9510);
  buildSheet();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kAlertInterval);

  connect(&session_.settings, &settings::Settings::changed, this, &Form2::followSettings);
}

void Form2::buildSheet() {
  Picture2 = ui::make<QFrame>(this, "Picture2", {3720, 840, 6120, 8625});
  Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Picture2->setLineWidth(2);
  Picture2->setAutoFillBackground(true);
  QPalette white = Picture2->palette();
  white.setColor(QPalette::Window, Qt::white);
  Picture2->setPalette(white);

  // The title is sized to its caption and centred by the load.
  QLabel* title = Label2.make(kSheetTitle, Picture2, {0, 120});
  title->setFont(ui::designFont(ui::kHeiTi, 14.25));

  QLabel* sheetName = Label2.make(kSheetName, Picture2, {2340, 540, 1500, 285}, QStringLiteral("处  方  笺"));
  sheetName->setFont(ui::designFont(ui::kHeiTi, 14.25));

  C1 = ui::make<QComboBox>(Picture2, "C1", {1020, 7470, 4875, 300});
  C1->setStyleSheet(QStringLiteral("QComboBox { color: rgb(0, 0, 255); }"));
  C1->hide();
}

void Form2::Form_Load() {
  BusyFlag = -1;
  placeOnMainWindow();

  const std::optional<QString> title = text::UnscrambleText(QString::fromLatin1(kTitleNumbers));
  setWindowTitle(kDesignCaption + QStringLiteral(" - ") + title.value_or(QString()));

  // Reading the unit name loads the settings when nothing has read them yet.
  followSettings();
  centreOnSheet(Label2[kSheetName]);
  BusyFlag = 0;
}

void Form2::followSettings() {
  setSheetTitle(session_.settings.values().unitName);
  setBell(session_.settings.bellOn());
}

void Form2::setBell(bool on) {
  if (on)
    Timer1->start();
  else
    Timer1->stop();
}

bool Form2::bellOn() const { return Timer1->isActive(); }

void Form2::addHerbalUsages(const QStringList& phrases) { C1->addItems(phrases); }

QString Form2::herbalUsage() const { return C1->currentText(); }

QStringList Form2::herbalUsages() const {
  QStringList phrases;
  for (int i = 0; i < C1->count(); ++i) phrases << C1->itemText(i);
  return phrases;
}

void Form2::setSheetTitle(const QString& unitName) {
  QLabel* title = Label2[kSheetTitle];
  title->setText(unitName);
  title->adjustSize();
  centreOnSheet(title);
}

void Form2::centreOnSheet(QLabel* label) {
  // A title wider than the sheet overhangs both sides equally.
  const double left = (ui::twips(Picture2->width()) - ui::twips(label->width())) / 2.0;
  label->move(ui::px(left), label->y());
}

}  // namespace prescription
