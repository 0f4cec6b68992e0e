#include "shell/Form10.h"

#include "shell/service/WebPages.h"
#include "ui/Fonts.h"
#include "ui/Guard.h"
#include "ui/Twips.h"

namespace shell {

Form10::Form10(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("关于"));
  setClientSize(8520, 6585);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  Label2 = new QLabel(QStringLiteral("Tavorin"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(ui::designFont(ui::kHeiTi, 24, true));
  Label2->setGeometry(ui::pxRect(480, 360, 5400, 720));
  Label4 = new QLabel(QStringLiteral("版本：V12.1"), this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setFont(ui::designFont(ui::kSongTi, 10.5));
  Label4->setGeometry(ui::pxRect(5880, 660, 2160, 300));
  Label8 = new QLabel(this);
  Label8->setObjectName(QStringLiteral("Label8"));
  Label8->setGeometry(ui::pxRect(0, 1260, 8520, 90));
  Label8->setAutoFillBackground(true);

  Label9 = new QLabel(this);
  Label9->setObjectName(QStringLiteral("Label9"));
  Label9->setGeometry(ui::pxRect(480, 1680, 7560, 2400));
  Label9->setWordWrap(true);
  Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label9->setFont(ui::designFont(ui::kSongTi, 10.5));
  Label9->setText(QStringLiteral(
      "欢迎使用 Tavorin 门诊处方管理系统！\n\n"
      "本系统用于诊所、卫生室的门诊处方录入、自动划价、打印、发药，"
      "以及药品目录、进货、销售统计、门诊日志和病历管理。\n\n"
      "使用中遇到问题，请点击“操作帮助”查看说明；"
      "新版本请到下载页面获取。"));

  Label7 = new ui::ClickLabel(this);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setGeometry(ui::pxRect(480, 4380, 7560, 300));
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
  for (const auto& b : buttons) {
    *b.target = new QPushButton(QString::fromUtf8(b.caption), this);
    (*b.target)->setObjectName(QString::fromLatin1(b.name));
    (*b.target)->setGeometry(ui::pxRect(b.left, 5460, 2160, 495));
  }
  connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
  connect(Label7, &ui::ClickLabel::clicked, this, &Form10::Label7_Click);
}

void Form10::Form_Load() {
  ui::runGuarded(session_.dialogs, QStringLiteral("关于窗口未能完整显示"), [this] {
    placeOnMainWindow();
    Label7->setText(webPageAddress(WebPage::Home).toString());
    QPalette band = Label8->palette();
    band.setColor(QPalette::Window, QColor(75, 121, 198));
    Label8->setPalette(band);
  });
}

void Form10::open(int page) {
  ui::runGuarded(session_.dialogs, QStringLiteral("无法打开网页"),
                 [&] { openWebPage(session_.dialogs, static_cast<WebPage>(page)); });
}

void Form10::Command1_Click() { open(static_cast<int>(WebPage::Download)); }
void Form10::Command2_Click() { open(static_cast<int>(WebPage::Help)); }
void Form10::Command3_Click() { open(static_cast<int>(WebPage::Home)); }
void Form10::Label7_Click() { open(static_cast<int>(WebPage::Home)); }

}  // namespace shell
