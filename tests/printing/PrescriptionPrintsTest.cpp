// The print commands with the settings of the running program: a missing printer is
// said once, the overlay print takes the template window's boxes as they stand.
#include "shell/ShellFixture.h"

#include "printing/OverlayTemplateWindow.h"
#include "printing/PrinterDevice.h"
#include "prescription/PrescriptionWindow.h"
#include "printing/service/RecordingDevice.h"
#include "shell/MainWindow.h"
#include "support/DesignedSheet.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using printing::RecordingDevice;
using testing_support::click;

// The toolbar's 打印 and 套打 buttons.
constexpr int kPrintButton = 3;
constexpr int kOverlayButton = 11;

// Hands the print a device that draws into a recording the test keeps.
class Forwarding : public printing::PrintDevice {
 public:
  explicit Forwarding(RecordingDevice& to) : to_(to) {}
  bool begin(printing::Orientation o) override { return to_.begin(o); }
  double resolution() const override { return to_.resolution(); }
  QSizeF printableArea() const override { return to_.printableArea(); }
  void drawText(const QPointF& p, const QString& t, const QFont& f) override { to_.drawText(p, t, f); }
  void drawLine(const QPointF& a, const QPointF& b, int w) override { to_.drawLine(a, b, w); }
  bool newPage(printing::Orientation o) override { return to_.newPage(o); }
  bool end() override { return to_.end(); }
  void abort() override { to_.abort(); }

 private:
  RecordingDevice& to_;
};

class PrescriptionPrintsTest : public testing_support::ShellFixture {
 protected:
  PrescriptionPrintsTest() {
    start();
    login();
  }
  RecordingDevice recording;
};

TEST_F(PrescriptionPrintsTest, NoUsablePrinterIsSaidOnceForEveryPrint) {
  auto& form2 = window<prescription::PrescriptionWindow>();
  for (const QString& printer : {QString(), QStringLiteral("不存在的打印机")}) {
    SCOPED_TRACE(printer.toStdString());
    dialogs.messages.clear();
    form2.setPrintDevices([printer] {
      return std::make_unique<printing::PrinterDevice>([printer] { return printer; });
    });
    click(form2, QStringLiteral("Label18_%1").arg(kPrintButton));
    click(form2, QStringLiteral("Command10"));
    click(form2, QStringLiteral("Label18_%1").arg(kOverlayButton));
    EXPECT_EQ(dialogs.texts(), QStringList(3, QStringLiteral("没有可用的打印机")));
  }
}

TEST_F(PrescriptionPrintsTest, TheSheetTakesTheSettingsOfTheMoment) {
  auto& form2 = window<prescription::PrescriptionWindow>();
  form2.setPrintDevices([this] { return std::make_unique<Forwarding>(recording); });
  settings::SettingsValues& edited = session->settings.edit();
  edited.portrait = false;
  edited.sheetLeft = QStringLiteral("10");
  edited.sheetTop = QStringLiteral("10");
  QWidget* phone = named<QWidget>(form2, QStringLiteral("Text5_11"));
  ASSERT_FALSE(phone->isHidden());
  click(form2, QStringLiteral("Label18_%1").arg(kPrintButton));
  EXPECT_EQ(recording.jobsEnded, 1);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(u'|').toStdString();
  ASSERT_EQ(recording.pages.size(), 1);
  EXPECT_EQ(recording.pages[0], printing::Orientation::Landscape);
  const auto title = recording.textsNamed(QStringLiteral("处  方  笺"));
  ASSERT_EQ(title.size(), 1);
  // The window centres the title on its sheet; on paper it stands at the same place, the
  // landscape page and the 10 mm margin moving it 8221.5 twips to the right.
  const QLabel* sheetName = named<QLabel>(form2, QStringLiteral("Label2_3"));
  EXPECT_NEAR(title[0].at.x(), ui::twips(sheetName->x()) * printing::kSheetScale + 8221.5, 1e-6);
  // The telephone's panel is not on the sheet: its box leaves the screen too.
  EXPECT_TRUE(phone->isHidden());
}

TEST_F(PrescriptionPrintsTest, TheLabelButtonOnlySaysItIsMadeToOrder) {
  auto& form2 = window<prescription::PrescriptionWindow>();
  form2.setPrintDevices([this] { return std::make_unique<Forwarding>(recording); });
  click(form2, QStringLiteral("Command8"));
  EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("此功能仅给有需要的用户定做！")});
  EXPECT_EQ(recording.jobsBegun, 0);
}

TEST_F(PrescriptionPrintsTest, TheOverlayPrintUsesTheOpenWindowsUnsavedBoxes) {
  auto& form2 = window<prescription::PrescriptionWindow>();
  form2.setPrintDevices([this] { return std::make_unique<Forwarding>(recording); });
  named<QLineEdit>(form2, QStringLiteral("Text5_0"))->setText(QStringLiteral("林晓东"));
  named<QLineEdit>(form2, QStringLiteral("Text5_12"))->setText(QStringLiteral("1234567"));
  const QString overlayButton = QStringLiteral("Label18_%1").arg(kOverlayButton);
  // Closed: loaded hidden from the table.
  click(form2, overlayButton);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(u'|').toStdString();
  EXPECT_EQ(recording.jobsEnded, 1);
  ASSERT_NE(loaded<printing::OverlayTemplateWindow>(), nullptr);
  EXPECT_FALSE(loaded<printing::OverlayTemplateWindow>()->isShown());
  ASSERT_EQ(recording.textsNamed(QStringLiteral("林晓东")).size(), 1);
  EXPECT_NEAR(recording.textsNamed(QStringLiteral("林晓东"))[0].at.x(), 10 * 40.824, 1e-6);
  EXPECT_TRUE(recording.textsNamed(QStringLiteral("1234567")).empty()) << "its item is not ticked in the table";

  chooseFromMenu("套打设置");
  printing::OverlayTemplateWindow& form = *loaded<printing::OverlayTemplateWindow>();
  form.Text1[0]->setText(QStringLiteral("30"));
  form.Check1[12]->setChecked(true);
  recording = RecordingDevice();
  click(form2, overlayButton);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(u'|').toStdString();
  EXPECT_EQ(recording.jobsEnded, 1);
  ASSERT_EQ(recording.textsNamed(QStringLiteral("林晓东")).size(), 1);
  EXPECT_NEAR(recording.textsNamed(QStringLiteral("林晓东"))[0].at.x(), 30 * 40.824, 1e-6);
  EXPECT_EQ(recording.textsNamed(QStringLiteral("1234567")).size(), 1);  // its panel is hidden on the sheet
}

TEST_F(PrescriptionPrintsTest, AnUnreadableTemplatePrintsNothing) {
  state.stockDbPath = folder.sub(QStringLiteral("不在了.dat"));
  auto& form2 = window<prescription::PrescriptionWindow>();
  form2.setPrintDevices([this] { return std::make_unique<Forwarding>(recording); });
  named<QLineEdit>(form2, QStringLiteral("Text5_0"))->setText(QStringLiteral("林晓东"));
  const QString overlayButton = QStringLiteral("Label18_%1").arg(kOverlayButton);
  click(form2, overlayButton);  // loads the template window, which says why
  ASSERT_EQ(dialogs.messages.size(), 1);
  click(form2, overlayButton);  // the loaded window says it again
  EXPECT_EQ(recording.jobsBegun, 0);
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(dialogs.messages[0].text, dialogs.messages[1].text);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("找不到数据文件"))) << dialogs.messages[0].text.toStdString();
}

TEST_F(PrescriptionPrintsTest, TheCardButtonSaysAfterPrintingFromWhichLineTheCardRanOffThePaper) {
  settings::SettingsValues& edited = session->settings.edit();
  edited.portrait = false;
  edited.cardLeft = QStringLiteral("5");
  edited.cardTop = QStringLiteral("5");
  auto& form2 = window<prescription::PrescriptionWindow>();
  form2.setPrintDevices([this] { return std::make_unique<Forwarding>(recording); });
  // A landscape page whose printable area is 193 mm high: line 21 is cut, 22 to 25 fall off.
  recording.printable = QSizeF(193 * 56.7, 287 * 56.7);
  QStringList lines;
  for (int n = 1; n <= 25; ++n) lines.append(QStringLiteral("第%1行 5%葡萄糖注射液 250ml").arg(n));
  auto* card = named<QPlainTextEdit>(form2, QStringLiteral("text9"));
  auto* button = named<QPushButton>(form2, QStringLiteral("Command10"));

  card->setPlainText(lines.join(u'\n'));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(recording.jobsEnded, 1);
  EXPECT_EQ(recording.pages.size(), 1);  // still one page, laid out as before
  EXPECT_EQ(recording.textsNamed(lines[24]).size(), 1);
  EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("输液注射卡从第21行起超出纸张，没有完整打印出来！")});

  // Twenty lines fit and nothing is said.
  dialogs.messages.clear();
  recording = RecordingDevice();
  recording.printable = QSizeF(193 * 56.7, 287 * 56.7);
  card->setPlainText(lines.mid(0, 20).join(u'\n'));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(recording.jobsEnded, 1);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(u'|').toStdString();
}

}  // namespace
