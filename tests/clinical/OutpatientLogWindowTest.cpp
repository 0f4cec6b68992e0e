// The outpatient log window opened from the menu: paging, the 30,000 cap, bad dates,
// a failed query, the margins kept through closing and reopening, the export and the
// print through the window.
#include "clinical/OutpatientLogWindow.h"
#include "printing/service/RecordingDevice.h"
#include "shell/MainWindow.h"
#include "support/StandInPrescription.h"

#include "../shell/ShellFixture.h"

#include <QFile>
#include <SQLiteCpp/Transaction.h>
#include <QScrollBar>
#include <QTest>

namespace {

using clinical::OutpatientLogWindow;

class OutpatientLogWindowTest : public testing_support::ShellFixture {
 protected:
  OutpatientLogWindowTest() {
    start();
    login();
  }

  // `count` visits on 2024-03-05, serials in order, in one transaction.
  void addVisits(int count, const QString& day = QStringLiteral("2024-03-05")) {
    store::Database d(state.mainDbPath);
    SQLite::Transaction t(d.sql());
    SQLite::Statement q(d.sql(), R"(INSERT INTO "档案" ("序号", "0", "1", "2", "4", "5", "6")
                                     VALUES (?, ?, '男', '40岁', '13800000000', ?, '头痛'))");
    for (int i = 1; i <= count; ++i) {
      store::bindText(q, 1, day + QStringLiteral("-%1").arg(i, 6, 10, QLatin1Char('0')));
      store::bindText(q, 2, QStringLiteral("病人%1").arg(i));
      store::bindText(q, 3, day);
      q.exec();
      q.reset();
    }
    t.commit();
  }

  OutpatientLogWindow& openFromMenu() {
    chooseFromMenu(QStringLiteral("日志报表"));
    return *loaded<OutpatientLogWindow>();
  }

  void query(OutpatientLogWindow& log, const QString& from, const QString& to) {
    log.Text3->setText(from);
    log.Text4->setText(to);
    QTest::mouseClick(log.Command1, Qt::LeftButton);
  }

  // Hands a print to a recording the test keeps after the print's device is gone.
  struct ForwardingDevice : printing::PrintDevice {
    explicit ForwardingDevice(printing::RecordingDevice& to) : to(to) {}
    bool begin(printing::Orientation o) override { return to.begin(o); }
    double resolution() const override { return to.resolution(); }
    void drawText(const QPointF& at, const QString& text, const QFont& font) override { to.drawText(at, text, font); }
    void drawLine(const QPointF& from, const QPointF& end, int width) override { to.drawLine(from, end, width); }
    bool newPage(printing::Orientation o) override { return to.newPage(o); }
    bool end() override { return to.end(); }
    void abort() override { to.abort(); }
    printing::RecordingDevice& to;
  };

  static QString cell(OutpatientLogWindow& log, int row, int column) { return log.grid->state().cellText(row, column); }
};

// A page holds 19 visits: the sideways bar stands where a 20th row would be.
TEST_F(OutpatientLogWindowTest, PagingOfZeroNineteenAndTwentyVisits) {
  const struct {
    int visits;
    bool barEnabled;
    int barMax;
  } cases[] = {{0, false, 0}, {19, false, 0}, {20, true, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.visits);
    execMain(QStringLiteral(R"(DELETE FROM "档案")"));
    addVisits(c.visits);
    OutpatientLogWindow& log = openFromMenu();
    query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
    EXPECT_EQ(log.Label1->text(), QStringLiteral("记录数：%1").arg(c.visits));
    EXPECT_EQ(log.grid->VS1()->isEnabled(), c.barEnabled);
    EXPECT_EQ(cell(log, 0, 0), c.visits ? QStringLiteral("病人1") : QString());
    EXPECT_EQ(cell(log, 18, 0), c.visits >= 19 ? QStringLiteral("病人19") : QString());
    if (c.barEnabled) {
      EXPECT_EQ(log.grid->VS1()->maximum(), c.barMax);
      log.grid->VS1()->setValue(1);
      EXPECT_EQ(cell(log, 0, 0), QStringLiteral("病人2"));
      EXPECT_EQ(cell(log, 18, 0), QStringLiteral("病人20"));
      EXPECT_EQ(cell(log, 18, 5), QStringLiteral("2024-03-05"));
      EXPECT_EQ(cell(log, 18, 4), QStringLiteral("13800000000"));
    }
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(u'|').toStdString();
}

TEST_F(OutpatientLogWindowTest, ThirtyThousandShownOneMoreRefused) {
  addVisits(30000);
  OutpatientLogWindow& log = openFromMenu();
  query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
  EXPECT_EQ(log.Label1->text(), QStringLiteral("记录数：30000"));
  EXPECT_EQ(log.grid->VS1()->maximum(), 30000 - 19);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  addVisits(1, QStringLiteral("2024-03-06"));
  query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
  EXPECT_EQ(dialogs.texts(), QStringList{clinical::kLogTooManyMessage});
  EXPECT_EQ(cell(log, 0, 0), QString());
  EXPECT_FALSE(log.grid->VS1()->isEnabled());
  EXPECT_EQ(log.Label1->text(), QStringLiteral("记录数：30000"));  // the last count stays
}

TEST_F(OutpatientLogWindowTest, BadDatesEmptyTheGridWithTheDateMessageOnly) {
  addVisits(3);
  OutpatientLogWindow& log = openFromMenu();
  query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
  ASSERT_EQ(cell(log, 0, 0), QStringLiteral("病人1"));
  for (const QString& bad : {QStringLiteral("2016/13/45"), QString()}) {
    dialogs.messages.clear();
    query(log, bad, QStringLiteral("2024-03-31"));
    EXPECT_EQ(dialogs.texts(), QStringList{clinical::kLogBadDatesMessage});
    EXPECT_EQ(dialogs.messages[0].icon, platform::Dialogs::Icon::Warning);
    EXPECT_EQ(cell(log, 0, 0), QString());
  }
  // The print and the export say the same, with the same exclamation mark, and ask nothing.
  for (QPushButton* button : {log.Command3, log.Command2}) {
    dialogs.messages.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(dialogs.texts(), QStringList{clinical::kLogBadDatesMessage}) << button->text().toStdString();
    EXPECT_EQ(dialogs.messages[0].icon, platform::Dialogs::Icon::Warning);
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
  }
  // A store that cannot be read is said as such, not as a date fault.
  dialogs.messages.clear();
  execMain(QStringLiteral(R"(ALTER TABLE "档案" RENAME TO "档案旧")"));
  query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
  ASSERT_EQ(dialogs.messages.size(), 1);
  // One line: what failed, then why.
  const QString said = dialogs.messages[0].text;
  EXPECT_TRUE(said.startsWith(QStringLiteral("门诊日志无法读取：")) && !said.contains(u'\n')) << said.toStdString();
  EXPECT_FALSE(log.grid->VS1()->isEnabled());
}

TEST_F(OutpatientLogWindowTest, MarginsKeptThroughClosingAndReopening) {
  OutpatientLogWindow& log = openFromMenu();
  EXPECT_EQ(log.Text1->text(), QStringLiteral("10"));
  log.Text1->setText(QStringLiteral("12"));
  log.Text5->setText(QStringLiteral("8"));
  log.close();
  flushDeletes();
  EXPECT_EQ(storedSetting(QStringLiteral("日志左边距")), QStringLiteral("12"));
  EXPECT_EQ(storedSetting(QStringLiteral("日志上边距")), QStringLiteral("8"));
  OutpatientLogWindow& again = openFromMenu();
  EXPECT_EQ(again.Text1->text(), QStringLiteral("12"));
  EXPECT_EQ(again.Text5->text(), QStringLiteral("8"));
  // Opening afresh (the toolbar's way) stores what the boxes hold first.
  again.Text1->setText(QStringLiteral("7"));
  OutpatientLogWindow& third = OutpatientLogWindow::openAfresh(*session);
  EXPECT_EQ(third.Text1->text(), QStringLiteral("7"));
}

TEST_F(OutpatientLogWindowTest, ExportOfAnEmptyRangeWritesNothingAndCancelEndsIt) {
  addVisits(2);
  OutpatientLogWindow& log = openFromMenu();
  const QString path = folder.sub(QStringLiteral("log"));
  dialogs.fileNames << QString();  // cancelled
  QTest::mouseClick(log.Command2, Qt::LeftButton);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  log.Text3->setText(QStringLiteral("2020-01-01"));
  log.Text4->setText(QStringLiteral("2020-01-31"));
  dialogs.fileNames << path;
  QTest::mouseClick(log.Command2, Qt::LeftButton);
  EXPECT_EQ(log.Label1->text(), QStringLiteral("计录数：0"));
  EXPECT_FALSE(QFile::exists(path + QStringLiteral(".xls")));
  EXPECT_TRUE(dialogs.messages.isEmpty());

  log.Text3->setText(QStringLiteral("2024-03-01"));
  log.Text4->setText(QStringLiteral("2024-03-31"));
  dialogs.fileNames << path;
  QTest::mouseClick(log.Command2, Qt::LeftButton);
  EXPECT_EQ(log.Label1->text(), QStringLiteral("计录数：2"));
  EXPECT_TRUE(QFile::exists(path + QStringLiteral(".xls")));
  EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("文件导出成功！")});
}

TEST_F(OutpatientLogWindowTest, PrintTakesEveryVisitOfTheRangeAndNoneMakesNoJob) {
  addVisits(25);
  OutpatientLogWindow& log = openFromMenu();
  printing::RecordingDevice recorded;
  int asked = 0;
  log.setPrintDevices([&] {
    ++asked;
    return std::make_unique<ForwardingDevice>(recorded);
  });
  log.setPhysicianSource([] { return QStringLiteral("李医师"); });
  // Only the first page of the grid is on screen; the print takes all 25.
  query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
  QTest::mouseClick(log.Command3, Qt::LeftButton);
  EXPECT_EQ(recorded.pages.size(), 2);
  EXPECT_EQ(recorded.textsNamed(QStringLiteral("医师：李医师")).size(), 2);
  EXPECT_EQ(recorded.textsNamed(QStringLiteral("病人25")).size(), 1);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  log.Text3->setText(QStringLiteral("2020-01-01"));
  log.Text4->setText(QStringLiteral("2020-01-31"));
  QTest::mouseClick(log.Command3, Qt::LeftButton);
  EXPECT_EQ(asked, 1);  // no job for a range without visits
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(OutpatientLogWindowTest, PrintNamesThePhysicianOfThePrescriptionWindow) {
  addVisits(1);
  session->windows.unload(QStringLiteral("Form2"));
  session->windows.define(QStringLiteral("Form2"), ui::WindowRegistry::Kind::Child,
                          [] { return new testing_support::StandInPrescription; });
  auto& prescription = window<testing_support::StandInPrescription>();
  prescription.state.header[prescription::header::kPhysician] = QStringLiteral("赵医师");
  OutpatientLogWindow& log = openFromMenu();
  printing::RecordingDevice recorded;
  log.setPrintDevices([&] { return std::make_unique<ForwardingDevice>(recorded); });
  query(log, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"));
  QTest::mouseClick(log.Command3, Qt::LeftButton);
  EXPECT_EQ(recorded.textsNamed(QStringLiteral("医师：赵医师")).size(), 1);
}

}  // namespace
