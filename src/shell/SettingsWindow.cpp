#include "shell/SettingsWindow.h"

#include "settings/BellMarker.h"
#include "settings/Settings.h"
#include "text/Blank.h"
#include "ui/ComboBoxes.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/SpacedText.h"

#include <QFontDatabase>
#include <QLabel>

namespace shell {
namespace {

const QString kBlue = QStringLiteral("color: rgb(0, 0, 255);");

QLineEdit* box(QWidget* parent, const char* name, double left, double top, double width) {
  return ui::make<QLineEdit>(parent, name, {left, top, width, 315});
}

// The font and printer boxes: typed into, never adding to their lists.
QComboBox* combo(QComboBox* c) {
  ui::makeEditable(c);
  ui::spaceListRows(c);
  return c;
}

// A settings row that could not be read is told: the program goes on with the fallbacks.
void tellWhenUnread(ui::Session& session, const QString& reason) {
  if (!session.settings.rowRead()) ui::showFailure(session.dialogs, kSettingsUnreadable, reason);
}

}  // namespace

void loadSettingsWithoutWindow(ui::Session& session) {
  tellWhenUnread(session, session.settings.load());
}

SettingsWindow::SettingsWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("综合设置"));
  setClientSize(9825, 5520);
  build();
  bindToSettings();
}

void SettingsWindow::build() {
  // Left column: the password, then the clinic's defaults and the bell.
  auto* password = ui::make<QGroupBox>(this, "Frame1", {120, 60, 4680, 1260}, QStringLiteral("修改登录密码"));
  Text8 = box(password, "Text8", 1080, 300, 2040);
  ui::makeCaption(password, Text8, QStringLiteral("原密码"), 240, 360);
  Text12 = box(password, "Text12", 1080, 720, 2040);
  ui::makeCaption(password, Text12, QStringLiteral("新密码"), 240, 780);
  // Shown as typed; the store accepts any length, the boxes take 15 characters.
  Text8->setMaxLength(15);
  Text12->setMaxLength(15);
  Command3 = ui::make<QPushButton>(password, "Command3", {3300, 480, 1200, 375}, QStringLiteral("修改密码"));

  auto* general = ui::make<QGroupBox>(this, "Frame2", {120, 1440, 4680, 3240}, QStringLiteral("综合设置"));
  struct Row {
    const char* caption;
    QLineEdit** target;
    const char* name;
  } rows[] = {{"单位名称", &Text1, "Text1"},
              {"医    师", &Text2, "Text2"},
              {"发    药", &Text6, "Text6"},
              {"默认费别", &Text7, "Text7"},
              {"默认科别", &Text3, "Text3"}};
  double top = 330;
  for (const Row& row : rows) {
    *row.target = box(general, row.name, 1200, top, 3240);
    ui::makeCaption(general, *row.target, QString::fromUtf8(row.caption), 240, top + 60);
    top += 420;
  }
  Check2 = ui::make<QCheckBox>(general, "Check2", {1200, top + 60, 3240, 315}, QStringLiteral("开启新处方铃声通知"));
  Check2->setStyleSheet(kBlue);

  // Right column: print margins and font, then the printers and the orientation.
  auto* margins =
      ui::make<QGroupBox>(this, "Frame3", {4920, 60, 4785, 2460}, QStringLiteral("打印边距设置(单位：毫米)"));
  Combo1 = combo(ui::make<QComboBox>(margins, "Combo1", {1440, 330, 3120, 315}));
  ui::makeCaption(margins, Combo1, QStringLiteral("处方打印字体"), 180, 390);
  Combo3 = combo(ui::make<QComboBox>(margins, "Combo3", {1440, 750, 1200, 315}));
  ui::makeCaption(margins, Combo3, QStringLiteral("处方字体大小"), 180, 810);
  Combo3->addItems({"10", "11", "12", "14", "16"});
  struct Margin {
    const char* caption;
    QLineEdit** target;
    const char* name;
    double left;
    double top;
  } marginRows[] = {{"处方左边距", &Text4, "Text4", 180, 1230},   {"处方上边距", &Text5, "Text5", 2460, 1230},
                    {"病历左边距", &Text11, "Text11", 180, 1650}, {"病历上边距", &Text10, "Text10", 2460, 1650},
                    {"输注卡左边距", &Text14, "Text14", 180, 2070}, {"输液卡上边距", &Text13, "Text13", 2460, 2070}};
  for (const Margin& m : marginRows) {
    *m.target = box(margins, m.name, m.left + 1260, m.top, 900);
    ui::makeCaption(margins, *m.target, QString::fromUtf8(m.caption), m.left, m.top + 60);
  }

  auto* printers = ui::make<QGroupBox>(this, "Frame4", {4920, 2580, 4785, 2100}, QStringLiteral("打印机设置"));
  struct Printer {
    int box;
    const char* caption;
    double top;
  } printerRows[] = {{settings::kPrescriptionPrinter, "处方打印机", 330},
                     {settings::kRecordPrinter, "病历打印机", 750},
                     {settings::kDispensingPrinter, "取药单打印机", 1170}};
  // The printers are shown, not chosen: all printing goes to the default printer.
  for (const Printer& p : printerRows) {
    QComboBox* c = combo(Combo2.make(p.box, printers, {1440, p.top, 3120, 315}));
    c->setEnabled(false);
    c->setStyleSheet(QStringLiteral("QComboBox, QComboBox QLineEdit { background: rgb(224, 224, 224); }"));
    QLabel* caption = ui::makeCaption(printers, c, QString::fromUtf8(p.caption), 180, p.top + 60);
    caption->setStyleSheet(QStringLiteral("color: rgb(192, 192, 192);"));
  }
  Option1 = ui::make<QRadioButton>(printers, "Option1", {1440, 1590, 900, 315}, QStringLiteral("纵向"));
  Option2 = ui::make<QRadioButton>(printers, "Option2", {2460, 1590, 900, 315}, QStringLiteral("横向"));
  QLabel* orientation = ui::make<QLabel>(printers, "OrientationCaption", {180, 1650}, QStringLiteral("打印方向："));
  orientation->setStyleSheet(kBlue);
  for (QRadioButton* option : {Option1, Option2}) option->setStyleSheet(kBlue);
  Option1->setChecked(true);

  // The default printer: kept in the row, never shown.
  QComboBox* defaultPrinter = combo(Combo2.make(settings::kDefaultPrinter, this, {1440, 4740, 3000, 315}));
  ui::makeCaption(this, defaultPrinter, QStringLiteral("默认打印机"), 240, 4800)->hide();
  defaultPrinter->hide();

  Command1 = ui::make<QPushButton>(this, "Command1", {6600, 4860, 1380, 435}, QStringLiteral("保  存"));
  Command2 = ui::make<QPushButton>(this, "Command2", {8220, 4860, 1380, 435}, QStringLiteral("取  消"));

  connect(Command1, &QPushButton::clicked, this, &SettingsWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &SettingsWindow::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &SettingsWindow::Command3_Click);
}

void SettingsWindow::bindToSettings() {
  const auto bind = [this](QLineEdit* edit, QString settings::SettingsValues::*field) {
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
      if (!filling_) session_.settings.edit().*field = text;
    });
  };
  bind(Text1, &settings::SettingsValues::unitName);
  bind(Text2, &settings::SettingsValues::physician);
  bind(Text6, &settings::SettingsValues::dispenser);
  bind(Text7, &settings::SettingsValues::feeCategory);
  bind(Text3, &settings::SettingsValues::department);
  bind(Text4, &settings::SettingsValues::sheetLeft);
  bind(Text5, &settings::SettingsValues::sheetTop);
  bind(Text11, &settings::SettingsValues::recordLeft);
  bind(Text10, &settings::SettingsValues::recordTop);
  bind(Text14, &settings::SettingsValues::cardLeft);
  bind(Text13, &settings::SettingsValues::cardTop);
  connect(Combo1, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!filling_) session_.settings.edit().fontName = text;
  });
  connect(Combo3, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!filling_) session_.settings.edit().fontSize = text;
  });
  for (const auto& [index, printer] : Combo2) {
    connect(printer, &QComboBox::editTextChanged, this, [this, index = index](const QString& text) {
      if (!filling_) session_.settings.edit().printers[index] = text;
    });
  }
  connect(Option1, &QRadioButton::toggled, this, [this](bool portrait) {
    if (!filling_) session_.settings.edit().portrait = portrait;
  });
}

void SettingsWindow::Form_Load() {
  // Placed on the main window's middle, 120 twips right and 250 down.
  const QRect main = mainWindowTwips();
  if (!main.isNull())
    Move(main.left() + (main.width() - Width()) / 2.0 + 120, main.top() + (main.height() - Height()) / 2.0 + 250);

  filling_ = true;
  Combo1->addItems(QFontDatabase::families());
  const QStringList installed = session_.installedPrinters ? session_.installedPrinters() : QStringList();
  for (const auto& [index, printer] : Combo2) printer->addItems(installed);

  const QString unread = session_.settings.load();
  showValues(session_.settings.values());
  Check2->setChecked(settings::bellMarkerExists(session_.state.localDataFolder));
  filling_ = false;

  // The boxes then hold fallbacks, not the stored row: saving them would wipe it.
  Command1->setEnabled(session_.settings.rowRead());
  tellWhenUnread(session_, unread);
}

void SettingsWindow::showValues(const settings::SettingsValues& v) {
  Text1->setText(v.unitName);
  Text2->setText(v.physician);
  Text6->setText(v.dispenser);
  Text7->setText(v.feeCategory);
  Text3->setText(v.department);
  Combo1->setCurrentText(v.fontName);
  Combo3->setCurrentText(v.fontSize);
  Text4->setText(v.sheetLeft);
  Text5->setText(v.sheetTop);
  Text11->setText(v.recordLeft);
  Text10->setText(v.recordTop);
  Text14->setText(v.cardLeft);
  Text13->setText(v.cardTop);
  (v.portrait ? Option1 : Option2)->setChecked(true);
  for (const auto& [index, printer] : Combo2) printer->setCurrentText(v.printers[index]);
}

void SettingsWindow::Form_Unload() { session_.settings.drop(); }

void SettingsWindow::Command1_Click() {
  // The user was told at the load; the row that could not be read is left as it is.
  if (!session_.settings.rowRead()) return;
  const settings::Settings::SaveOutcome saved = session_.settings.save();
  if (!saved.saved) {
    // Nothing typed is lost: the window stays open with the edits.
    ui::showFailure(session_.dialogs, QStringLiteral("设置未能保存"),
                    saved.reason + QStringLiteral("。所作修改仍在窗口中，请稍后再试。"));
    return;
  }

  // The prescription window follows the saved settings and the bell by itself.
  const bool bell = Check2->isChecked();
  if (!session_.settings.switchBell(bell))
    session_.dialogs.message(bell ? QStringLiteral("设置已保存，但无法在数据文件夹中开启新处方铃声，重新启动后铃声将不响。")
                                  : QStringLiteral("设置已保存，但无法在数据文件夹中关闭新处方铃声，重新启动后铃声仍会响。"));
  session_.windows.unload(name());
}

void SettingsWindow::Command2_Click() { session_.windows.unload(name()); }

void SettingsWindow::Command3_Click() {
  if (text::trimBlanks(Text12->text()).isEmpty()) {
    session_.dialogs.message(QStringLiteral("请输入新密码！"));
    return;
  }
  Hide();
  const settings::PasswordChangeOutcome outcome =
      settings::changePassword(session_.state.mainDbPath, Text8->text(), Text12->text());
  switch (outcome.result) {
    case settings::PasswordChange::Changed:
      session_.dialogs.message(QStringLiteral("修改密码成功，请牢记新密码！"));
      // The other boxes are dropped, not saved.
      session_.windows.unload(name());
      return;
    case settings::PasswordChange::WrongOldPassword:
    case settings::PasswordChange::NoNewPassword:
      session_.dialogs.message(QStringLiteral("原密码不正确，无法修改密码！"));
      break;
    case settings::PasswordChange::WriteFailed:
      if (outcome.reason.isEmpty())
        session_.dialogs.message(QStringLiteral("密码未能写入数据库，原密码仍然有效，请稍后再试！"));
      else
        ui::showFailure(session_.dialogs, QStringLiteral("密码未能写入数据库"),
                        outcome.reason + QStringLiteral("。原密码仍然有效，请稍后再试！"));
      break;
    case settings::PasswordChange::FileProblem:
      ui::showFailure(session_.dialogs, QStringLiteral("无法修改密码"),
                      outcome.reason + QStringLiteral("。原密码仍然有效，请稍后再试！"));
      break;
  }
  Show();
}

}  // namespace shell
