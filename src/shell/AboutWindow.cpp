#include "shell/AboutWindow.h"

#include "platform/WebPages.h"
#include "ui/ControlEvents.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Guard.h"
#include "ui/Twips.h"

namespace shell {

AboutWindow::AboutWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("关于"));
  setClientSize(8520, 6585);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  Label2 = ui::make<QLabel>(this, "Label2", {480, 360, 5400, 720}, QStringLiteral("Tavorin"));
  Label2->setFont(ui::designFont(ui::kHeiTi, 24, true));

  Label4 = ui::make<QLabel>(this, "Label4", {5880, 660, 2160, 300}, QStringLiteral("版本：V12.1"));
  Label4->setFont(ui::designFont(ui::kSongTi, 10.5));

  Label8 = ui::make<QLabel>(this, "Label8", {0, 1260, 8520, 90});
  Label8->setAutoFillBackground(true);

  Label9 = ui::make<QLabel>(this, "Label9", {480, 1680, 7560, 2400});
  Label9->setWordWrap(true);
  Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label9->setFont(ui::designFont(ui::kSongTi, 10.5));
  // Rich text for the paragraph spacing: wrapped Chinese lines need room between them.
  Label9->setTextFormat(Qt::RichText);
  Label9->setText(QStringLiteral(
      "<p style='line-height:140%'>欢迎使用 Tavorin 门诊处方管理系统！</p>"
      "<p style='line-height:140%'>本系统用于诊所、卫生室的门诊处方录入、自动划价、打印、发药，"
      "以及药品目录、进货、销售统计、门诊日志和病历管理。</p>"
      "<p style='line-height:140%'>使用中遇到问题，请点击“操作帮助”查看说明；新版本请到下载页面获取。</p>"));

  Label7 = ui::make<QLabel>(this, "Label7", {480, 4380, 7560, 300});
  Label7->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255); text-decoration: underline;"));
  Label7->setCursor(Qt::PointingHandCursor);

  const struct {
    QPushButton** target;
    const char* name;
    const char* caption;
    double left;
  } buttons[] = {{&Command1, "Command1", "下载最新版本", 480},
                 {&Command2, "Command2", "操作帮助", 3180},
                 {&Command3, "Command3", "访问作者主页", 5880}};
  for (const auto& b : buttons)
    *b.target = ui::make<QPushButton>(this, b.name, {b.left, 5460, 2160, 495}, QString::fromUtf8(b.caption));
  connect(Command1, &QPushButton::clicked, this, &AboutWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &AboutWindow::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &AboutWindow::Command3_Click);
  ui::onClick(Label7, [this] { Label7_Click(); });
}

void AboutWindow::Form_Load() {
  ui::runGuarded(session_.dialogs, QStringLiteral("关于窗口未能完整显示"), [this] {
    placeOnMainWindow();
    Label7->setText(platform::webPageAddress(platform::WebPage::Home).toString());
    QPalette band = Label8->palette();
    band.setColor(QPalette::Window, QColor(75, 121, 198));
    Label8->setPalette(band);
  });
}

void AboutWindow::open(int page) {
  ui::runGuarded(session_.dialogs, QStringLiteral("无法打开网页"),
                 [&] { platform::openWebPage(session_.dialogs, static_cast<platform::WebPage>(page)); });
}

void AboutWindow::Command1_Click() { open(static_cast<int>(platform::WebPage::Download)); }
void AboutWindow::Command2_Click() { open(static_cast<int>(platform::WebPage::Help)); }
void AboutWindow::Command3_Click() { open(static_cast<int>(platform::WebPage::Home)); }
void AboutWindow::Label7_Click() { open(static_cast<int>(platform::WebPage::Home)); }

}  // namespace shell
