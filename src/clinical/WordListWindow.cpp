#include "clinical/WordListWindow.h"

#include "links/PrescriptionLink.h"
#include "text/Blank.h"
#include "text/PinyinInitials.h"
#include "ui/Controls.h"
#include "ui/FocusAndKeys.h"
#include "ui/Guard.h"
#include "ui/InputTarget.h"
#include "ui/SpacedText.h"

#include <QKeyEvent>

namespace clinical {
namespace {

constexpr int kRowRole = Qt::UserRole;

// Enter in the phrase box saves, and the key goes no further.
class EnterSaves : public QObject {
 public:
  EnterSaves(QObject* parent, std::function<void()> save) : QObject(parent), save_(std::move(save)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    save_();
    return true;
  }

 private:
  std::function<void()> save_;
};

}  // namespace

WordListWindow::WordListWindow(ui::Session& session, const QString& name, bool symptoms)
    : ui::Window(name), session_(session), symptoms_(symptoms) {
  setWindowTitle(symptoms ? QStringLiteral("添加常用症状") : QStringLiteral("诊断名称维护"));
  if (symptoms)
    setClientSize(5880, 4395);
  else
    setClientSize(5865, 4410);
  buildControls();
}

void WordListWindow::buildControls() {
  const double boxLeft = symptoms_ ? 900 : 960;
  const double boxWidth = symptoms_ ? 3375 : 3315;
  ui::make<QLabel>(this, QStringLiteral("Label2"), {120, 180, 540, 180}, QStringLiteral("查询："));
  Text1 = ui::make<QLineEdit>(this, QStringLiteral("Text1"), {720, 120, 5055, 315});
  List1 = ui::make<QListWidget>(this, QStringLiteral("List1"), {120, 540, 5655, 2760});
  ui::spaceListRows(List1);
  Label1_0 = ui::make<QLabel>(this, QStringLiteral("Label1_0"), {120, 3540, 720, 180},
                              symptoms_ ? QStringLiteral("添加症状") : QStringLiteral("诊断名称"));
  Text3 = ui::make<QLineEdit>(this, QStringLiteral("Text3"), {boxLeft, 3480, boxWidth, 330});
  Command2 = ui::make<QPushButton>(this, QStringLiteral("Command2"), {4440, 3480, 1335, 350}, QStringLiteral("保  存"));
  auto* initialsCaption =
      ui::make<QLabel>(this, QStringLiteral("Label1_1"), {120, 4020, 720, 180}, QStringLiteral("拼音代码"));
  Text5 = ui::make<QLineEdit>(this, QStringLiteral("Text5"), {boxLeft, 3960, boxWidth, 330});
  Command1 = ui::make<QPushButton>(this, QStringLiteral("Command1"), {4440, 3960, 1335, 350}, QStringLiteral("删  除"));
  ui::setCaption(Label1_0, Text3);
  ui::setCaption(initialsCaption, Text5);
  Text1->setAccessibleName(QStringLiteral("查询"));
  // The columns hold 50 characters; the key adds the initials to the phrase.
  Text3->setMaxLength(50);
  Text5->setMaxLength(20);

  if (symptoms_)
    ui::setTabChain({Text5, Text1, List1, Text3, Command2, Command1});
  else
    ui::setTabChain({Text3, Text5, Command1, Command2, List1, Text1});

  const auto inputKind = symptoms_ ? text::InputKind::Symptom : text::InputKind::Diagnosis;
  ui::declareInputTarget(session_.padTarget, Text1, inputKind);
  ui::declareInputTarget(session_.padTarget, Text3, inputKind);

  connect(Text1, &QLineEdit::textChanged, this, &WordListWindow::fill);
  connect(Text3, &QLineEdit::textChanged, this,
          [this](const QString& phrase) { Text5->setText(text::PinyinInitials(text::trimBlanks(phrase))); });
  Text3->installEventFilter(new EnterSaves(this, [this] { Command2_Click(); }));
  connect(Command1, &QPushButton::clicked, this, &WordListWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &WordListWindow::Command2_Click);
}

WordListKind WordListWindow::kind() const { return WordListKind{symptoms_ ? QString() : Label1_0->text()}; }

void WordListWindow::Form_Load() {
  const QRect main = mainWindowTwips();
  if (!main.isNull()) Move(main.x() + (main.width() - Width()) / 2.0, main.y() + (main.height() - Height()) / 2.0);
  // The symptoms list itself at once; the phrase lists wait to be told their list.
  if (symptoms_) fill();
  (symptoms_ ? Text5 : Text3)->setFocus();
}

void WordListWindow::fill() {
  List1->clear();
  ui::runGuarded(session_.dialogs, QStringLiteral("列表无法读取"), [this] {
    for (const WordRow& row : searchWordList(session_.state.mainDbPath, kind(), Text1->text())) {
      auto* item = new QListWidgetItem(row.text, List1);
      item->setData(kRowRole, row.rowid);
    }
  });
}

void WordListWindow::Command2_Click() {
  if (text::trimBlanks(Text3->text()).isEmpty()) return;
  WordSaveResult result;
  if (!ui::runGuarded(session_.dialogs, QStringLiteral("没有保存"), [&] {
        result = saveToWordList(session_.state.mainDbPath, kind(), Text3->text(), Text5->text());
      }))
    return;
  if (!result.message.isEmpty()) {
    // The boxes keep what was typed.
    session_.dialogs.message(result.message);
    return;
  }
  Text1->clear();  // the whole list, the new phrase included
  refill();
  Text3->clear();
  Text5->clear();
  Text3->setFocus();
}

void WordListWindow::Command1_Click() {
  QListWidgetItem* item = List1->currentItem();
  if (!item) return;
  // A row deleted meanwhile on another workstation is gone either way: the list is
  // filled again.
  if (!ui::runGuarded(session_.dialogs, QStringLiteral("没有删除"), [&] {
        removeFromWordList(session_.state.mainDbPath, kind(), item->data(kRowRole).toLongLong());
      }))
    return;
  refill();
}

void WordListWindow::refill() {
  fill();
  if (!symptoms_) refillHerbalUsages();
}

void WordListWindow::refillHerbalUsages() {
  auto* prescription = session_.windows.findAs<links::PrescriptionLink>();
  if (!prescription) return;
  // The drop-down follows the word list, deleted phrases too; its own text stays.
  ui::runGuarded(session_.dialogs, QStringLiteral("中药用法无法读取"), [&] {
    prescription->replaceHerbalUsages(herbalUsagePhrases(session_.state.mainDbPath));
  });
}

void PhraseListWindow::showPhraseList(const QString& caption, const QString& listName) {
  setWindowTitle(caption);
  Label1_0->setText(listName);
  Command3_Click();
}

}  // namespace clinical
