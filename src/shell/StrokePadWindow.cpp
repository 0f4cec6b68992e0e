#include "shell/StrokePadWindow.h"

#include "ui/ControlEvents.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/InputTarget.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <vector>

namespace shell {
namespace {

constexpr int kClientWidth = 5895;
// The designed heights include the caption bar; the client area is this much lower.
constexpr int kCaptionHeight = 405;
// Opening place: this far from the screen's right edge, this far from its top.
constexpr int kRightMargin = 200;
constexpr int kOpeningTop = 800;

constexpr int kStrokeKeys = 5;
constexpr int kSlotsPerRow = 14;
constexpr int kKeys = 42;
constexpr int kSlotPitch = 420;
constexpr int kSlotSize = 315;
constexpr int kRadicalSlotTop = 30;
constexpr int kCharacterRowTops[] = {60, 450, 840};
constexpr int kKeyRowTops[] = {60, 450, 810};
// Picture3's two places in the panel area: below the radical row, or over it.
constexpr int kCharactersBelowRadicals = 360;
constexpr int kCharactersOverRadicals = 0;
constexpr int kPanelWidth = 5835;
constexpr int kPanelHeight = 1165;

const QColor kRadicalColour(255, 255, 0);
const QColor kCharacterColour(255, 255, 255);
const QColor kRadicalHover(255, 128, 0);
const QColor kCharacterHover(0, 255, 255);

const QString kStrokeCaptions[kStrokeKeys] = {"一", "丨", "丿", "丶", "ㄑ"};
const QString kToKeys = QStringLiteral("英");
const QString kToCharacters = QStringLiteral("中");
// A character of the dictionary, shown in the look-up box at opening.
const QString kSampleCharacter = QStringLiteral("打");

const QString kNoTargetMessage = QStringLiteral("请先单击要输入文字的文本框，再在笔画输入法中选字。");
// The dictionary's failures with their reason, when there is one.
QString readFailureMessage(const QString& reason) {
  if (reason.isEmpty()) return QStringLiteral("无法读取输入法词库（综合设置.dat），笔画输入法暂时列不出汉字。");
  return QStringLiteral("无法读取输入法词库（综合设置.dat）：%1。笔画输入法暂时列不出汉字。").arg(reason);
}
QString writeFailureMessage(const QString& reason) {
  if (reason.isEmpty())
    return QStringLiteral("无法写入输入法词库（综合设置.dat）：所选的字已输入，但这次未计入常用字排序。");
  return QStringLiteral("无法写入输入法词库（综合设置.dat）：%1。所选的字已输入，但这次未计入常用字排序。").arg(reason);
}

QStringList keyCaptions() {
  QStringList keys{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "，", "。", "“", "”"};
  for (char c = 'a'; c <= 'z'; ++c) keys << QString(QChar(c));
  keys << "×" << ".";
  return keys;
}

QString helpText() {
  const QString blanks = QStringLiteral("   ");
  const QStringList items = {
      QStringLiteral("应用智能笔画输入法，可在几分钟内学会打字。"),
      QStringLiteral("1、“一”，包括“提”，如“扌”的第三笔。"),
      QStringLiteral("2、“丨”，包括\"竖左钩\"，如“刂”的第二笔。"),
      QStringLiteral("3、“丿”，从右上到左下。"),
      QStringLiteral("4、“丶”，包括“捺”和“点”，如“人”的第二笔。"),
      QStringLiteral("5、“ㄑ”，各种折“乙乚レㄥㄑ乛乁ㄅ”都归入“ㄑ”。"),
      QStringLiteral("6、首先输入部首，再输入余部笔画，可提高效率。"),
      blanks + QStringLiteral("如“打”字，先输入“扌”，再输入余部笔画“一丨”。") + u'\n' + blanks + u'\n' + blanks +
          QStringLiteral("如“刊”字，先输入“刂”，再输入余部笔画“一 一丨”。"),
      QStringLiteral("7、如果不知道某个字的部首及笔画，可在下面工具进行查询。"),
  };
  return items.join(QStringLiteral("\n\n"));
}

void paint(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, colour);
  w->setPalette(palette);
}

QLabel* makeSlot(QLabel* label, const QColor& colour, const QFont& font) {
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  label->setFrameShape(QFrame::Box);
  label->setFont(font);
  paint(label, colour);
  return label;
}

}  // namespace

StrokePadWindow::StrokePadWindow(ui::Session& session)
    : ui::Window(QString::fromLatin1(kName)),
      session_(session),
      pad_(StrokeDictionary(session.state.dictionaryDbPath)) {
  setWindowTitle(QStringLiteral("智能笔画输入法"));
  // Above every other window, wherever the focus goes; a fixed size, so no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setFont(ui::designFont(ui::kSongTi, 10.5));
  // The window's own background resets the hover colours.
  setMouseTracking(true);
  buildControls();
  setHeight(kCompactHeight);
}

StrokePadWindow::~StrokePadWindow() = default;

void StrokePadWindow::buildControls() {
  const QFont slotFont = ui::designFont(ui::kSongTi, 12);
  const QFont keyFont = ui::designFont(ui::kSongTi, 12, true);

  Picture1 = ui::make<QWidget>(this, "Picture1", {60, 60, 1575, 375});
  Picture1->setAutoFillBackground(true);
  paint(Picture1, Qt::white);
  Label3 = ui::make<QLabel>(Picture1, "Label3", {});
  Label3->setGeometry(Picture1->rect().adjusted(4, 0, 0, 0));
  Label3->setFont(slotFont);

  for (int i = 0; i < kStrokeKeys; ++i) {
    QPushButton* key = Command8.make(i, this, {1680.0 + 420 * i, 60, 435, 375}, kStrokeCaptions[i]);
    key->setFont(keyFont);
    connect(key, &QPushButton::clicked, this, [this, i] { Command8_Click(i); });
    ui::onHover(key, [this] { resetHighlight(); });
  }
  const auto button = [this](const char* name, const QString& caption, const ui::Place& place,
                             void (StrokePadWindow::*handler)()) {
    auto* b = ui::make<QPushButton>(this, name, place, caption);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
  };
  Command9 = button("Command9", "清空", {3780, 60, 555, 375}, &StrokePadWindow::Command9_Click);
  Command10 = button("Command10", "退格", {4320, 60, 555, 375}, &StrokePadWindow::Command10_Click);
  Command1 = button("Command1", kToKeys, {4860, 60, 435, 375}, &StrokePadWindow::Command1_Click);
  Command2 = button("Command2", "帮助", {5280, 60, 555, 375}, &StrokePadWindow::Command2_Click);

  // The panel area shows the radical row with the character or key panel over it.
  panelArea_ = ui::make<QWidget>(this, "panelArea", {60, 480, kPanelWidth, kPanelHeight});
  Picture2 = ui::make<QWidget>(panelArea_, "Picture2", {0, 0, kPanelWidth, kRadicalSlotTop + kSlotSize + 30});
  Label1.makeAll(Picture2, ui::elementRun(0, kSlotsPerRow - 1, [](int i) {
                   return ui::Place{double(kSlotPitch * i), kRadicalSlotTop, kSlotSize, kSlotSize};
                 }),
                 [&](QLabel* slot, const ui::Element& e) {
                   makeSlot(slot, kRadicalColour, slotFont);
                   ui::onClick(slot, [this, i = e.index] { Label1_Click(i); });
                   ui::onHover(slot, [this, i = e.index] { highlightRadical(i); });
                 });
  Picture3 = ui::make<QWidget>(panelArea_, "Picture3", {});
  Picture3->setAutoFillBackground(true);
  Label2.makeAll(Picture3, ui::elementRun(0, kCharacterSlots - 1, [](int i) {
                   return ui::Place{double(kSlotPitch * (i % kSlotsPerRow)), double(kCharacterRowTops[i / kSlotsPerRow]),
                                    kSlotSize, kSlotSize};
                 }),
                 [&](QLabel* slot, const ui::Element& e) {
                   makeSlot(slot, kCharacterColour, slotFont);
                   ui::onClick(slot, [this, i = e.index] { Label2_Click(i); });
                   ui::onHover(slot, [this, i = e.index] { highlightCharacter(i); });
                 });
  Picture5 = ui::make<QWidget>(panelArea_, "Picture5", {0, 0, kPanelWidth, kPanelHeight});
  Picture5->setAutoFillBackground(true);
  const QStringList keys = keyCaptions();
  std::vector<ui::Element> keyElements = ui::elementRun(0, kKeys - 1, [](int i) {
    return ui::Place{double(kSlotPitch * (i % kSlotsPerRow)), double(kKeyRowTops[i / kSlotsPerRow]), kSlotSize,
                     kSlotSize};
  });
  for (ui::Element& key : keyElements) key.caption = keys[key.index];
  Label4.makeAll(Picture5, keyElements, [&](QLabel* key, const ui::Element& e) {
    makeSlot(key, Qt::white, slotFont);
    ui::onClick(key, [this, i = e.index] { Label4_Click(i); });
  });
  Picture5->hide();

  Text1 = ui::make<QPlainTextEdit>(this, "Text1", {60, 1710, 5775, 1815}, helpText());
  Text1->setReadOnly(true);
  Text1->setFocusPolicy(Qt::NoFocus);  // the look-up box is the pad's only place to type

  lookUpPanel_ = ui::make<QWidget>(this, "lookUpPanel", {60, 3570, 4395, 735});
  Text2 = ui::make<QLineEdit>(lookUpPanel_, "Text2", {60, 60, 555, 555});
  Text2->setFont(ui::designFont(ui::kSongTi, 20));
  Text2->setAlignment(Qt::AlignCenter);
  connect(Text2, &QLineEdit::textChanged, this, &StrokePadWindow::Text2_Change);
  const auto caption = [this](const char* name, const QString& text, double left, double top, double width) {
    return ui::make<QLabel>(lookUpPanel_, name, {left, top, width, 285}, text);
  };
  Label5 = caption("Label5", "部首", 720, 90, 465);
  Label7 = caption("Label7", "", 1200, 90, 3135);
  Label6 = caption("Label6", "笔画", 720, 360, 465);
  Label8 = caption("Label8", "", 1200, 360, 3135);
  ui::onClick(Label5, [this] { Label5_Click(); });

  Command3 = button("Command3", "隐藏帮助", {4620, 3780, 1155, 375}, &StrokePadWindow::Command3_Click);

  // Clicking the pad never leaves a button holding the focus that goes back to the target.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setFocusPolicy(Qt::NoFocus);
}

void StrokePadWindow::Form_Load() {
  setHeight(kCompactHeight);
  showCharacterPanel();
  aim();
  pad_.refresh();
  showView();
  placeAtRightEdge();
  Text2->setText(kSampleCharacter);  // the caret goes after it; the look-up runs
  tellReadFailure(pad_.view().reason);
}

void StrokePadWindow::placeAtRightEdge() {
  const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
  Move(ui::twips(screen.x() + screen.width()) - Width() - kRightMargin, ui::twips(screen.y()) + kOpeningTop);
}

void StrokePadWindow::showEvent(QShowEvent* event) {
  ui::Window::showEvent(event);
  // The frame's width is known once the window shows: place it again by its outer edge.
  if (!placedWithFrame_) {
    placedWithFrame_ = true;
    placeAtRightEdge();
  }
}

void StrokePadWindow::setHeight(int designHeight) { setClientSize(kClientWidth, designHeight - kCaptionHeight); }

void StrokePadWindow::aim() {
  std::optional<text::InputKind>& kind = session_.padTarget.kind;
  if (!kind) kind = text::InputKind::Frequency;
  pad_.setKind(text::inputKindName(*kind));
}

std::unique_ptr<ui::InputTarget> StrokePadWindow::target() const {
  return std::make_unique<ui::InputTarget>(session_.padTarget.box);
}

void StrokePadWindow::giveFocusBack() {
  const std::unique_ptr<ui::InputTarget> box = target();
  if (box->canType()) box->takeFocus();
}

void StrokePadWindow::showView() {
  const StrokePadView& view = pad_.view();
  for (int i = 0; i < kRadicalSlots; ++i) Label1[i]->setText(view.radicals.value(i));
  for (int i = 0; i < kCharacterSlots; ++i) Label2[i]->setText(view.characters.value(i));
  const int top = view.charactersCoverRadicals ? kCharactersOverRadicals : kCharactersBelowRadicals;
  Picture3->setGeometry(ui::pxRect(0, top, kPanelWidth, kPanelHeight));
  Label3->setText(pad_.input());
}

void StrokePadWindow::showCharacterPanel() {
  Picture5->hide();
  Picture3->show();
  Command1->setText(kToKeys);
}

void StrokePadWindow::tellReadFailure(const QString& reason) {
  if (reason.isEmpty() || readFailureTold_) return;
  readFailureTold_ = true;
  session_.dialogs.message(readFailureMessage(reason));
}

void StrokePadWindow::tellWriteFailure(const QString& reason) {
  if (reason.isEmpty() || writeFailureTold_) return;
  writeFailureTold_ = true;
  session_.dialogs.message(writeFailureMessage(reason));
}

void StrokePadWindow::Command8_Click(int index) {
  showCharacterPanel();
  aim();
  pad_.typeStroke(index + 1);
  showView();
  giveFocusBack();
  tellReadFailure(pad_.view().reason);
}

void StrokePadWindow::Command9_Click() {
  aim();
  pad_.clear();
  showView();
  giveFocusBack();
  tellReadFailure(pad_.view().reason);
}

void StrokePadWindow::Command10_Click() {
  aim();
  pad_.backspace(target().get());
  showView();
  tellReadFailure(pad_.view().reason);
}

void StrokePadWindow::Command1_Click() {
  if (Command1->text() == kToKeys) {
    Command1->setText(kToCharacters);
    Picture3->hide();
    Picture5->show();
    Command9_Click();  // clears the pad and gives the focus back
    return;
  }
  showCharacterPanel();
  giveFocusBack();
}

void StrokePadWindow::Command2_Click() {
  setHeight(kHelpHeight);
  const int screenHeight = ui::twips((screen() ? screen() : QGuiApplication::primaryScreen())->geometry().height());
  if (screenHeight - Height() - 500 < Top()) Move(Left(), screenHeight - Height() - 700);
}

void StrokePadWindow::Command3_Click() { setHeight(kCompactHeight); }

void StrokePadWindow::Label1_Click(int index) {
  aim();
  if (!pad_.pickRadical(index)) return;  // an empty slot does nothing
  showView();
  giveFocusBack();
  tellReadFailure(pad_.view().reason);
}

void StrokePadWindow::Label2_Click(int index) {
  aim();
  const StrokePad::CharacterPick pick = pad_.pickCharacter(index, target().get());
  switch (pick.result) {
    case StrokePad::Pick::EmptySlot:
      return;
    case StrokePad::Pick::NoTarget:
      session_.dialogs.message(kNoTargetMessage);
      return;
    case StrokePad::Pick::Typed:
      showView();
      break;
  }
  // A dictionary that cannot even be read is told as such; the lost count goes with it.
  if (!pad_.view().reason.isEmpty())
    tellReadFailure(pad_.view().reason);
  else
    tellWriteFailure(pick.reason);
}

void StrokePadWindow::Label4_Click(int index) {
  if (!pad_.pressKey(Label4[index]->text(), target().get())) session_.dialogs.message(kNoTargetMessage);
}

void StrokePadWindow::Label5_Click() {
  if (!pad_.pressEnter(target().get())) session_.dialogs.message(kNoTargetMessage);
}

void StrokePadWindow::Text2_Change() {
  const StrokePad::LookUpOutcome lookUp = pad_.lookUp(Text2->text());
  Label7->setText(lookUp.found.radical);
  Label8->setText(lookUp.found.strokes);
  tellReadFailure(lookUp.reason);
}

void StrokePadWindow::highlightRadical(int index) {
  resetHighlight();
  paint(Label1[index], kRadicalHover);
}

void StrokePadWindow::highlightCharacter(int index) {
  resetHighlight();
  paint(Label2[index], kCharacterHover);
}

void StrokePadWindow::resetHighlight() {
  for (const auto& [i, slot] : Label1) paint(slot, kRadicalColour);
  for (const auto& [i, slot] : Label2) paint(slot, kCharacterColour);
}

void StrokePadWindow::mouseMoveEvent(QMouseEvent* event) {
  resetHighlight();
  ui::Window::mouseMoveEvent(event);
}

}  // namespace shell
