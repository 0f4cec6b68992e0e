// The medical-record window: nine sections, phrases, record templates, save and print.
#include "clinical/MedicalRecordWindow.h"

#include "clinical/TemplatesWindow.h"
#include "clinical/service/RecordEditing.h"
#include "clinical/service/TemplateTexts.h"
#include "printing/service/PrintJob.h"
#include "text/Blank.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/InputTarget.h"
#include "ui/OneLineTextBox.h"
#include "ui/SpacedText.h"
#include "ui/TextBoxHelpers.h"

#include <QEvent>

namespace clinical {
namespace {

constexpr int kRowRole = Qt::UserRole;
constexpr double kHeaderWidth = 6975;
constexpr double kBoxLeft = 1080;
constexpr double kBoxWidth = 5955;

QString stored(QString shown) { return shown.replace(u'\n', QStringLiteral("\r\n")); }
QString shown(QString stored) { return stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

const QStringList kSectionCaptions = {QStringLiteral("主  诉："), QStringLiteral("现病史："), QStringLiteral("既往史："),
                                      QStringLiteral("个人史："), QStringLiteral("过敏史："), QStringLiteral("体  检："),
                                      QStringLiteral("辅  检："), QStringLiteral("诊  断："), QStringLiteral("处  理：")};

// Top and height of each section box inside Frame1, in twips.
struct BoxRow {
  double top, height;
};
constexpr BoxRow kBoxRows[kRecordSections] = {{240, 360},  {660, 1080},  {1800, 360},
                                                            {2220, 360}, {2640, 360},  {3060, 1080},
                                                            {4200, 360}, {4620, 360},  {5040, 1800}};

// 现病史, 体检 and 处理 take several lines; the other sections are one line each.
constexpr bool isOneLineSection(int section) {
  return section != kIllness && section != kExam && section != kTreatment;
}

}  // namespace

MedicalRecordWindow::MedicalRecordWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("门诊病历"));
  setClientSize(10395, 7800);

  // The header box, right of the working area: the template of the printed header.
  Picture1 = ui::make<QFrame>(this, "Picture1", {10680, 0, kHeaderWidth, 2100});
  QFont title(QStringLiteral("宋体"));
  title.setPointSizeF(18);
  title.setBold(true);
  QFont plain(QStringLiteral("宋体"));
  plain.setPointSizeF(11.25);
  const printing::RecordSheet design = printing::designedRecordSheet();
  for (int i = 0; i < printing::kRecordHeaderLabels; ++i) {
    const printing::SheetText& d = design.labels[i];
    QLabel* label = Label2.make(i, Picture1, {d.left, d.top});
    label->setFont(i == 0 ? title : plain);
  }
  for (int i = 0; i < 2; ++i) {
    ui::Line* line = Line1.make(i, Picture1, {});
    const printing::SheetLine& d = design.rules[i];
    line->setEnds(d.x1, d.y1, d.x2, d.y2);
  }

  List2 = ui::make<QListWidget>(this, "List2", {120, 420, 2520, 3000});
  ui::spaceListRows(List2);
  auto* heading0 = ui::make<QLabel>(this, "Label24_0", {120, 120}, QStringLiteral("病历模板"));
  ui::setCaption(heading0, List2);
  Text1 = ui::make<QLineEdit>(this, "Text1", {720, 3600, 1920, 360});
  auto* search = ui::make<QLabel>(this, "Label1", {120, 3660}, QStringLiteral("搜索"));
  ui::setCaption(search, Text1);
  List1 = ui::make<QListWidget>(this, "List1", {120, 4380, 2520, 2640});
  ui::spaceListRows(List1);
  auto* heading1 = ui::make<QLabel>(this, "Label24_1", {120, 4080}, QStringLiteral("插入常用语"));
  ui::setCaption(heading1, List1);

  Frame1 = ui::make<QGroupBox>(this, "Frame1", {2820, 0, 7455, 7000});
  QFont treatment(QStringLiteral("宋体"));
  treatment.setPointSizeF(10.5);
  for (int i = 0; i < kRecordSections; ++i) {
    const ui::Place place{kBoxLeft, kBoxRows[i].top, kBoxWidth, kBoxRows[i].height};
    QPlainTextEdit* box = isOneLineSection(i) ? Text2.makeAs<ui::OneLineTextBox>(i, Frame1, place)
                                              : Text2.make(i, Frame1, place);
    box->setFont(i == kTreatment ? treatment : plain);
    box->setVerticalScrollBarPolicy(i == kTreatment ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!isOneLineSection(i)) ui::spaceTextLines(box);
    box->installEventFilter(this);
    // A stored line break that a one-line box shows as a blank is kept until the box is edited.
    connect(box, &QPlainTextEdit::textChanged, this, [this, i] {
      if (keptWhole_[i] && Text2[i]->toPlainText() != keptWhole_[i]->shown) keptWhole_[i].reset();
    });
    ui::declareInputTarget(session_.padTarget, box, text::InputKind::Frequency);
    QLabel* caption = Label2.make(7 + i, Frame1, {120, kBoxRows[i].top + 60}, kSectionCaptions[i]);
    ui::setCaption(caption, box);
  }
  // Enter and Tab in a one-line section go on to the next section in record order.
  for (int i = 0; i + 1 < kRecordSections; ++i) setTabOrder(Text2[i], Text2[i + 1]);

  const std::pair<QPushButton**, std::pair<const char*, QString>> buttons[] = {
      {&Command5, {"Command5", QStringLiteral("编辑常用语")}},   {&Command6, {"Command6", QStringLiteral("保存为病历模板")}},
      {&Command4, {"Command4", QStringLiteral("删除病历模板")}}, {&Command2, {"Command2", QStringLiteral("引用处方")}},
      {&Command1, {"Command1", QStringLiteral("打印病历")}},     {&Command3, {"Command3", QStringLiteral("保  存")}}};
  double left = 120;
  for (const auto& [control, named] : buttons) {
    *control = ui::make<QPushButton>(this, QString::fromLatin1(named.first), {left, 7140, 1600, 480}, named.second);
    left += 1700;
  }
  connect(Command1, &QPushButton::clicked, this, &MedicalRecordWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &MedicalRecordWindow::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &MedicalRecordWindow::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &MedicalRecordWindow::Command4_Click);
  connect(Command5, &QPushButton::clicked, this, &MedicalRecordWindow::Command5_Click);
  connect(Command6, &QPushButton::clicked, this, &MedicalRecordWindow::Command6_Click);
  ui::declareInputTarget(session_.padTarget, Text1, text::InputKind::Frequency);
  connect(Text1, &QLineEdit::textChanged, this, &MedicalRecordWindow::Text1_Change);
  connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
  connect(List2, &QListWidget::itemClicked, this, [this] { List2_Click(); });
}

links::PrescriptionLink* MedicalRecordWindow::link() const {
  if (!registry()) return nullptr;
  return registry()->findAs<links::PrescriptionLink>();
}

bool MedicalRecordWindow::withTemplates(const std::function<void(TemplateLibrary&)>& step) {
  return ui::runGuarded(session_.dialogs, QStringLiteral("数据库操作失败"), [&] {
    TemplateLibrary templates(session_.state.mainDbPath);
    step(templates);
  });
}

void MedicalRecordWindow::Form_Load() {
  placeOnMainWindow();
  Label2[0]->setText(recordTitle(session_.settings.values().unitName));
  Label2[0]->adjustSize();
  Label2[0]->move((Picture1->width() - Label2[0]->width()) / 2, Label2[0]->y());
  links::PrescriptionLink* p = link();
  const links::PrescriptionHeader header = p ? p->prescriptionHeader() : links::PrescriptionHeader();
  Label2[1]->setText(visitTimeCaption(p ? p->prescriptionSerial() : QString()));
  Label2[2]->setText(QStringLiteral("姓名：") + header.name);
  Label2[3]->setText(QStringLiteral("性别：") + header.sex);
  Label2[4]->setText(QStringLiteral("年龄：") + header.age);
  Label2[5]->setText(QStringLiteral("科别：") + header.department);
  Label2[6]->setText(QStringLiteral("住址/电话：") + header.address);
  for (int i = 1; i < printing::kRecordHeaderLabels; ++i) Label2[i]->adjustSize();
  if (!header.name.isEmpty()) setWindowTitle(QStringLiteral("门诊病历 - ") + header.name);
  fillBoxes(splitMedicalRecord(p ? p->currentRecordText() : QString(), header.diagnosis));
  fillPhrases();
  fillTemplates();
}

void MedicalRecordWindow::fillBoxes(const SectionFill& fill) {
  for (int i = 0; i < kRecordSections; ++i) {
    if (!fill[i]) continue;
    if (!isOneLineSection(i)) {
      Text2[i]->setPlainText(shown(*fill[i]));
      continue;
    }
    // A one-line section stored with line breaks shows them as blanks and goes back
    // as it was stored unless the user changes it.
    const QString line = ui::asOneLine(*fill[i]);
    keptWhole_[i].reset();
    Text2[i]->setPlainText(line);
    if (line != *fill[i]) keptWhole_[i] = KeptSection{*fill[i], line};
  }
}

RecordSections MedicalRecordWindow::sections() const {
  RecordSections s;
  for (int i = 0; i < kRecordSections; ++i)
    s[i] = keptWhole_[i] ? keptWhole_[i]->stored : stored(Text2[i]->toPlainText());
  return s;
}

void MedicalRecordWindow::Form_Unload() {
  if (links::PrescriptionLink* p = link()) p->setCurrentRecordText(joinMedicalRecord(sections()));
}

void MedicalRecordWindow::Command3_Click() {
  links::PrescriptionLink* p = link();
  if (!p) {
    session_.dialogs.message(QStringLiteral("处方窗口未打开，病历无法保存！"));
    return;
  }
  p->setCurrentRecordText(joinMedicalRecord(sections()));
  p->saveWithRecord();
}

void MedicalRecordWindow::Command2_Click() {
  links::PrescriptionLink* p = link();
  if (!p) return;
  QPlainTextEdit* box = Text2[kTreatment];
  QTextCursor cursor = box->textCursor();
  const EditedText edited = insertLines(box->toPlainText(), cursor.selectionStart(),
                                        cursor.selectionEnd() - cursor.selectionStart(),
                                        prescriptionLines(p->prescriptionText()), QStringLiteral("\n"));
  box->setPlainText(edited.text);
  cursor = box->textCursor();
  cursor.setPosition(edited.caret);
  box->setTextCursor(cursor);
}

void MedicalRecordWindow::fillPhrases() {
  List1->clear();
  withTemplates([this](TemplateLibrary& templates) {
    for (const auto& row : templates.search(kPhraseKind, Text1->text()))
      (new QListWidgetItem(row.name, List1))->setData(kRowRole, row.rowid);
  });
}

void MedicalRecordWindow::fillTemplates() {
  List2->clear();
  withTemplates([this](TemplateLibrary& templates) {
    for (const auto& row : templates.ofKindByName(kRecordTemplateKind))
      (new QListWidgetItem(row.name, List2))->setData(kRowRole, row.rowid);
  });
}

void MedicalRecordWindow::Text1_Change() { fillPhrases(); }

void MedicalRecordWindow::List1_Click() {
  QListWidgetItem* item = List1->currentItem();
  if (!item || !LastSectionBox) return;
  std::optional<TemplateRow> row;
  withTemplates([&](TemplateLibrary& templates) { row = templates.row(item->data(kRowRole).toLongLong()); });
  if (!row) return;
  const bool oneLine = qobject_cast<ui::OneLineTextBox*>(LastSectionBox.data()) != nullptr;
  LastSectionBox->insertPlainText(oneLine ? ui::asOneLine(row->content) : shown(row->content));
  LastSectionBox->setFocus();
}

void MedicalRecordWindow::List2_Click() {
  QListWidgetItem* item = List2->currentItem();
  if (!item) return;
  std::optional<TemplateRow> row;
  withTemplates([&](TemplateLibrary& templates) { row = templates.row(item->data(kRowRole).toLongLong()); });
  if (!row) {
    session_.dialogs.message(QStringLiteral("该病历模板已被删除！"));
    fillTemplates();
    return;
  }
  fillBoxes(splitRecordTemplate(row->content));
}

void MedicalRecordWindow::Command6_Click() {
  const QString name = session_.dialogs.inputText(QStringLiteral("请输入疾病名称："), QStringLiteral("保存为病历模板"));
  if (name.isEmpty()) return;
  RecordTemplateSave outcome = RecordTemplateSave::Saved;
  if (!withTemplates([&](TemplateLibrary& templates) {
        outcome = templates.saveRecordTemplate(name, sections(), session_.services.serials(),
                                               session_.services.strokes());
      }))
    return;
  if (outcome == RecordTemplateSave::ComplaintMissing) session_.dialogs.message(kComplaintMissingMessage);
  if (outcome == RecordTemplateSave::MarkInSection) session_.dialogs.message(kTemplateMarkMessage);
  fillTemplates();
}

void MedicalRecordWindow::Command4_Click() {
  QListWidgetItem* item = List2->currentItem();
  bool deleted = false;
  if (item && item->isSelected())
    withTemplates([&](TemplateLibrary& templates) { deleted = templates.remove(item->data(kRowRole).toLongLong()); });
  fillTemplates();
  // The record being written is emptied only when a template was actually deleted.
  if (deleted)
    for (int i = 0; i < kRecordSections; ++i) Text2[i]->clear();
}

void MedicalRecordWindow::Command5_Click() {
  ui::WindowRegistry* windows = registry();
  windows->unload(QString::fromLatin1(kName));  // stores the record; this window is gone after it
  windows->unload(QString::fromLatin1(links::TemplatesLink::kName));
  windows->get<links::TemplatesLink>().chooseCategory(kPhraseOption);
  windows->bringForward(QString::fromLatin1(links::TemplatesLink::kName));
}

printing::RecordSheet MedicalRecordWindow::recordSheet() const {
  printing::RecordSheet sheet = printing::designedRecordSheet();
  for (int i = 0; i < printing::kRecordHeaderLabels; ++i) {
    sheet.labels[i].text = Label2[i]->text();
    sheet.labels[i].left = ui::twips(Label2[i]->x());
  }
  const auto s = sections();
  for (int i = 0; i < kRecordSections; ++i) sheet.sections[i] = s[i];
  sheet.wideBox.width = ui::TextBoxWrapWidth(Text2[kIllness]);
  sheet.treatmentBox.width = ui::TextBoxWrapWidth(Text2[kTreatment]);
  const settings::SettingsValues& values = session_.settings.values();
  sheet.topMargin = values.recordTop;
  sheet.leftMargin = values.recordLeft;
  sheet.portrait = values.portrait;
  if (links::PrescriptionLink* p = link()) sheet.physician = p->prescriptionHeader().physician;
  return sheet;
}

void MedicalRecordWindow::Command1_Click() {
  const printing::RecordSheet sheet = recordSheet();
  std::unique_ptr<printing::PrintDevice> device =
      devices_ ? devices_() : std::make_unique<printing::PrinterDevice>(printing::systemDefaultPrinter);
  printing::runPrint(*device, session_.dialogs,
                     [&](printing::PrintSurface& surface) { printing::printMedicalRecord(surface, sheet); });
}

bool MedicalRecordWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    if (auto* box = qobject_cast<QPlainTextEdit*>(watched)) {
      LastSectionBox = box;
    }
  return ui::Window::eventFilter(watched, event);
}

}  // namespace clinical
