// The templates window: herbal formulas, personal prescription sets and record phrases.
#include "clinical/TemplatesWindow.h"

#include "clinical/service/TemplateTexts.h"
#include "text/Blank.h"
#include "text/PinyinInitials.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/InputTarget.h"
#include "ui/SpacedText.h"

namespace clinical {
namespace {

constexpr int kRowRole = Qt::UserRole;  // a list item's rowid

QString boxText(const QPlainTextEdit* box) {
  QString s = box->toPlainText();
  s.replace(u'\n', QStringLiteral("\r\n"));
  return s;
}

QString shownText(QString stored) {
  stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return stored;
}

}  // namespace

TemplatesWindow::TemplatesWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("个人组套/中药方剂/病历模板维护"));
  setClientSize(9600, 6600);
  List1 = ui::make<QListWidget>(this, "List1", {120, 120, 2640, 4800});
  ui::spaceListRows(List1);
  Frame1 = ui::make<QGroupBox>(this, "Frame1", {120, 5040, 2640, 1380});
  const QStringList kinds = {kFormulaKind, kSetKind, kPhraseKind};
  for (int i = 0; i < kinds.size(); ++i) {
    QRadioButton* option = Option1.make(i, Frame1, {240, 180 + 380.0 * i, 2200, 340}, kinds[i]);
    connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
  }
  Label4 = ui::make<QLabel>(this, "Label4", {0, 0, 0, 0});
  Label4->hide();
  Label3 = ui::make<QLabel>(this, "Label3", {0, 0, 0, 0});
  Label3->hide();
  Text1 = ui::make<QLineEdit>(this, "Text1", {3480, 120, 2400, 360});
  ui::makeCaption(this, Text1, QStringLiteral("名称"), 2940, 180);
  Text4 = ui::make<QLineEdit>(this, "Text4", {6600, 120, 960, 360});
  ui::makeCaption(this, Text4, QStringLiteral("序号"), 6060, 180);
  Text3 = ui::make<QLineEdit>(this, "Text3", {8280, 120, 1200, 360});
  ui::makeCaption(this, Text3, QStringLiteral("拼音"), 7740, 180);
  Text2 = ui::make<QPlainTextEdit>(this, "Text2", {2940, 600, 6540, 5220});
  Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ui::spaceTextLines(Text2);
  Command1 = ui::make<QPushButton>(this, "Command1", {3600, 5960, 1500, 480}, QStringLiteral("添  加"));
  Command5 = ui::make<QPushButton>(this, "Command5", {5460, 5960, 1500, 480}, QStringLiteral("保  存"));
  Command4 = ui::make<QPushButton>(this, "Command4", {7320, 5960, 1500, 480}, QStringLiteral("删  除"));
  connect(Command1, &QPushButton::clicked, this, &TemplatesWindow::Command1_Click);
  connect(Command5, &QPushButton::clicked, this, &TemplatesWindow::Command5_Click);
  connect(Command4, &QPushButton::clicked, this, &TemplatesWindow::Command4_Click);
  connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
  ui::declareInputTarget(session_.padTarget, Text1, text::InputKind::Drug);
  ui::declareInputTarget(session_.padTarget, Text2, text::InputKind::Drug);
  connect(Text1, &QLineEdit::textChanged, this, [this](const QString& name) {
    if (!BusyFlag) Text3->setText(text::PinyinInitials(text::trimBlanks(name)));
  });
}

void TemplatesWindow::Form_Load() {
  placeOnMainWindow();
  Label4->setText(Option1[kSetOption]->text());
  Option1[kSetOption]->setChecked(true);
  Command1_Click();
  fillList();
}

bool TemplatesWindow::withTemplates(const std::function<void(TemplateLibrary&)>& step) {
  return ui::runGuarded(session_.dialogs, QStringLiteral("数据库操作失败"), [&] {
    TemplateLibrary templates(session_.state.mainDbPath);
    step(templates);
  });
}

void TemplatesWindow::fillList() {
  List1->clear();
  withTemplates([this](TemplateLibrary& templates) {
    for (const TemplateRow& row : templates.ofKind(kind())) {
      auto* item = new QListWidgetItem(row.name, List1);
      item->setData(kRowRole, row.rowid);
    }
  });
}

void TemplatesWindow::chooseCategory(int option) {
  Label4->setText(Option1[option]->text());
  Option1[option]->setChecked(true);
  Option1_Click(option);
}

void TemplatesWindow::takePrescription(bool herbal, const QString& prescriptionText) {
  chooseCategory(herbal ? kFormulaOption : kSetOption);
  Text2->setPlainText(shownText(prescriptionText));
}

void TemplatesWindow::Option1_Click(int index) {
  Label4->setText(Option1[index]->text());
  fillList();
  Command1_Click();
}

void TemplatesWindow::Command1_Click() {
  Text1->clear();
  Text2->clear();
  Text3->clear();
  withTemplates([this](TemplateLibrary& templates) { entry_ = templates.newEntry(kind(), session_.services.serials()); });
  entry_.kind = kind();
  Label3->setText(entry_.key);
  Text4->setText(entry_.order);
  if (isVisible()) Text1->setFocus();
}

void TemplatesWindow::List1_Click() {
  QListWidgetItem* item = List1->currentItem();
  if (!item) return;
  const long long rowid = item->data(kRowRole).toLongLong();
  std::optional<TemplateRow> row;
  withTemplates([&](TemplateLibrary& templates) { row = templates.row(rowid); });
  if (!row) {
    session_.dialogs.message(QStringLiteral("该条目已被删除！"));
    fillList();
    return;
  }
  ++BusyFlag;
  entry_ = TemplateEntry{row->key, row->kind, row->name, row->order, row->initials, row->content, false};
  Label3->setText(row->key);
  Text1->setText(row->name);
  Text3->setText(row->initials);
  Text2->setPlainText(shownText(row->content));
  Text4->setText(row->order);
  --BusyFlag;
}

void TemplatesWindow::Command5_Click() {
  entry_.kind = kind();
  entry_.key = Label3->text();
  entry_.name = Text1->text();
  entry_.order = Text4->text();
  entry_.initials = Text3->text();
  entry_.content = boxText(Text2);
  TemplateSaveResult result;
  const bool reached = withTemplates([&](TemplateLibrary& templates) {
    result = templates.save(entry_, session_.services.serials(), session_.services.strokes());
  });
  Text2->setPlainText(shownText(entry_.content));
  if (result.caret >= 0) {
    QTextCursor cursor = Text2->textCursor();
    cursor.setPosition(qMin(int(shownText(entry_.content.left(result.caret)).size()),
                            int(Text2->toPlainText().size())));
    Text2->setTextCursor(cursor);
  }
  if (!reached) return;
  if (!result.saved) {
    session_.dialogs.message(kNameMissingMessage);
    return;
  }
  Label3->setText(entry_.key);
  fillList();
}

void TemplatesWindow::Command4_Click() {
  entry_.kind = kind();
  entry_.key = Label3->text();
  // An entry deleted meanwhile elsewhere is gone either way: a fresh entry follows.
  withTemplates([this](TemplateLibrary& templates) { templates.remove(entry_); });
  Command1_Click();
  fillList();
}

}  // namespace clinical
