// The prescription window's toolbar on a small catalogue: the picture buttons' press and
// release, 保存's order, 新建 / 续开 / 复制处方 on a filled window, 打印 and 套打 to PDF,
// the medical record through the window's link, and the windows the toolbar opens.
#include "PrescriptionWindowFixture.h"

#include "clinical/MedicalRecordWindow.h"
#include "clinical/TemplatesWindow.h"
#include "prescription/PrescriptionWindow.h"
#include "printing/service/PainterDevice.h"
#include "store/Database.h"
#include "support/PdfReadBack.h"
#include "support/RealInput.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

using prescription::PrescriptionWindow;
using prescription::PrescriptionState;
namespace header = prescription::header;

// Indices of the toolbar's buttons.
enum { kNew = 0, kContinue = 1, kSave = 2, kPrint = 3, kLog = 4, kTemplate = 5, kRecord = 6, kStatistics = 7,
       kHelp = 8, kCopy = 9, kOverlay = 11 };

class PrescriptionWindowToolbarTest : public testing_support::PrescriptionWindowFixture {
 protected:
  void SetUp() override {
    startWithOneDrug();
    execMain(R"(UPDATE "设置" SET "医师" = '周明', "发药人" = '陈芳', "科别" = '内科', "费别" = '自费',
                                 "左边距" = '10', "上边距" = '10', "备用1" = '')");
    login();
  }

  QPlainTextEdit* box(const char* name) { return named<QPlainTextEdit>(form2(), name); }
  QLabel* button(int index) { return named<QLabel>(form2(), QStringLiteral("Label18_%1").arg(index)); }
  QFrame* buttonBox(int index) { return named<QFrame>(form2(), QStringLiteral("Picture4_%1").arg(index)); }

  // A press on the button and the release of the same mouse button.
  void click(int index, Qt::MouseButton mouse = Qt::LeftButton) {
    QTest::mousePress(button(index), mouse);
    QTest::mouseRelease(button(index), mouse);
  }
  // Typed (with a phone number, whose panel is hidden), priced and saved, with a medical record.
  void pricedPrescription() {
    typePrescription();
    named<QLineEdit>(form2(), "Text5_11")->setText("13800001234");
    testing_support::clickOn(form2(), "Command4");
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
    ASSERT_EQ(label("Label16"), "12.50");
    form2().setCurrentRecordText(QStringLiteral("头痛$$$$$$$感冒$$"));
  }
  QString storedOf(const QString& column, const QString& serial) {
    return stored(QStringLiteral(R"(SELECT "%1" FROM "档案" WHERE "序号" = '%2')").arg(column, serial));
  }
  bool gridEmpty(int lastColumn) {
    const PrescriptionState s = form2().state();
    for (const auto& row : s.grid)
      for (int c = 0; c <= lastColumn; ++c)
        if (!row[c].isEmpty()) return false;
    return true;
  }
  // The sheet in the herbal or the ordinary layout, nothing else changed.
  void layOut(bool herbal) {
    PrescriptionState s = form2().state();
    s.herbal = herbal;
    form2().showState(s);
  }
  // The printer replaced by a PDF file in the test's folder.
  QString printToPdf(const QString& name) {
    const QString pdf = folder.sub(name + QStringLiteral(".pdf"));
    form2().setPrintDevices([pdf] { return std::make_unique<printing::PdfDevice>(pdf); });
    return pdf;
  }
};

TEST_F(PrescriptionWindowToolbarTest, AnyMouseButtonPressesAndItsReleaseAnywhereRunsTheCommandOnce) {
  const QString shots = qEnvironmentVariable("TAVORIN_SHOTS");
  QWidget* toolbar = named<QWidget>(form2(), "Frame1");
  for (const Qt::MouseButton mouse : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(static_cast<int>(mouse));
    dialogs.messages.clear();
    QTest::mousePress(button(kSave), mouse);
    EXPECT_EQ(buttonBox(kSave)->frameShape(), QFrame::Panel);
    EXPECT_EQ(buttonBox(kSave)->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "the command waits for the release";
    if (!shots.isEmpty() && mouse == Qt::LeftButton) toolbar->grab().save(shots + "/toolbar-pressed.png");

    // Released far outside the button: the command runs all the same, once.
    QTest::mouseRelease(button(kSave), mouse, {}, QPoint(-600, 400));
    EXPECT_EQ(dialogs.texts(), QStringList{"请输入患者姓名！"});
    EXPECT_EQ(buttonBox(kSave)->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(form2().model().busy());
  }
  if (!shots.isEmpty()) {
    toolbar->grab().save(shots + "/toolbar.png");
    form2().window()->grab().save(shots + "/window.png");
  }
}

TEST_F(PrescriptionWindowToolbarTest, SaveStoresThenListsTodayThenHidesTheSymptomList) {
  struct Case {
    const char* name;
    bool saved;
  };
  for (const Case& c : {Case{"张三", true}, Case{"", false}}) {
    SCOPED_TRACE(c.name);
    PrescriptionWindow& f = form2();
    typePrescription();
    named<QLineEdit>(f, "Text5_0")->setText(c.name);
    named<QLineEdit>(f, "Text3")->setText("2000-01-01");
    named<QLineEdit>(f, "Text4")->setText("2000-01-01");
    named<QListWidget>(f, "List8")->show();
    dialogs.messages.clear();

    click(kSave);
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(named<QLineEdit>(f, "Text3")->text(), today) << "today's list, also after a refused save";
    EXPECT_EQ(named<QLineEdit>(f, "Text4")->text(), today);
    EXPECT_FALSE(named<QListWidget>(f, "List8")->isVisible());
    if (c.saved) {
      EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
      EXPECT_EQ(storedOf("0", label("Label4")), "张三");
      EXPECT_EQ(historyRows().size(), 1) << "the list is filled after the save";
    } else {
      EXPECT_EQ(dialogs.texts(), QStringList{"请输入患者姓名！"});
    }
  }
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "1");
}

TEST_F(PrescriptionWindowToolbarTest, SaveOnAHerbalSheetLaysTheHerbsOutBeforeStoringThem) {
  PrescriptionWindow& f = form2();
  testing_support::clickOn(f, QStringLiteral("Command1_%1").arg(14));  // 中药: the herbal layout
  ASSERT_TRUE(f.herbalSheet());
  typePatient();
  const QString typed = QStringLiteral("黄芪30g 当归10g 白术15g");
  box("R1")->setPlainText(typed);
  click(kSave);
  const QString laidOut = f.state().text;
  EXPECT_NE(laidOut, typed);
  EXPECT_TRUE(laidOut.startsWith("黄芪30g ")) << laidOut.toStdString();
  EXPECT_EQ(storedOf("T1", label("Label4")), laidOut);
}

TEST_F(PrescriptionWindowToolbarTest, NewEmptiesTheFilledWindowAndTakesTheDefaults) {
  pricedPrescription();
  PrescriptionWindow& f = form2();
  f.addHerbalUsages({QStringLiteral("水煎服")});
  const QString usage = f.herbalUsage();
  click(kRecord);
  ASSERT_NE(loaded<clinical::MedicalRecordWindow>(), nullptr);
  const QString serial = label("Label4");

  click(kNew);
  const PrescriptionState s = f.state();
  EXPECT_EQ(loaded<clinical::MedicalRecordWindow>(), nullptr) << "the medical-record window goes";
  EXPECT_NE(s.number, serial);
  EXPECT_TRUE(s.number.startsWith(s.header[header::kRecordNumber]));
  for (int i : {header::kName, header::kSex, header::kAge, header::kAddress, header::kDiagnosis, header::kPhone,
                header::kDrugFee, header::kOtherFee, header::kTotal})
    EXPECT_EQ(s.header[i], "") << i;
  EXPECT_EQ(s.header[header::kPhysician], "周明");
  EXPECT_EQ(s.header[header::kDispenser], "陈芳");
  EXPECT_EQ(s.header[header::kChecker], "陈芳");
  EXPECT_EQ(s.header[header::kDepartment], "内科");
  EXPECT_EQ(s.header[header::kFeeCategory], "自费");
  EXPECT_EQ(s.header[header::kAllergy], "无");
  EXPECT_EQ(s.header[header::kDate], QDate::currentDate().toString("yyyy-MM-dd"));
  EXPECT_EQ(s.text, "");
  EXPECT_EQ(s.infusionCard, "");
  EXPECT_EQ(s.symptoms, "");
  EXPECT_TRUE(gridEmpty(prescription::kGridColumns - 1));
  EXPECT_EQ(s.total, "");
  EXPECT_EQ(s.dispenseMark, "");
  EXPECT_EQ(s.medicalRecord, "");
  EXPECT_EQ(f.herbalUsage(), usage) << "the usage phrase stays";
  EXPECT_EQ(f.focusWidget(), named<QLineEdit>(f, "Text5_0"));
  EXPECT_FALSE(f.model().busy());
}

TEST_F(PrescriptionWindowToolbarTest, NewAndContinueLayTheSheetOutForTheCategoryAndNameTheLayout) {
  struct Case {
    int category;
    std::optional<bool> herbal;  // nullopt: the layout stays
  };
  const Case cases[] = {{0, false}, {11, false}, {12, std::nullopt}, {13, std::nullopt},
                        {14, true}, {15, true},  {16, std::nullopt}};
  PrescriptionWindow& f = form2();
  for (int command : {kNew, kContinue})
    for (const Case& c : cases)
      for (bool herbalBefore : {false, true}) {
        SCOPED_TRACE(testing::Message() << "command " << command << " category " << c.category << " herbal before "
                                        << herbalBefore);
        f.model().chooseCategory(c.category);
        layOut(herbalBefore);
        named<QLineEdit>(f, "Text6")->setText("3");
        click(command);
        const bool herbal = c.herbal.value_or(herbalBefore);
        EXPECT_EQ(f.herbalSheet(), herbal);
        EXPECT_EQ(label("Label2_4"), herbal ? "中医" : "普通");
        if (c.herbal == true) { EXPECT_EQ(named<QLineEdit>(f, "Text6")->text(), "7"); }
      }
}

TEST_F(PrescriptionWindowToolbarTest, ContinueKeepsThePatientAndTheRecordAndEmptiesThePrescription) {
  pricedPrescription();
  PrescriptionWindow& f = form2();
  click(kRecord);
  auto* record = loaded<clinical::MedicalRecordWindow>();
  ASSERT_NE(record, nullptr);
  named<QPlainTextEdit>(*record, "Text2_0")->setPlainText("发热一天");
  const PrescriptionState before = f.state();

  click(kContinue);
  const PrescriptionState s = f.state();
  EXPECT_EQ(loaded<clinical::MedicalRecordWindow>(), nullptr);
  EXPECT_NE(s.number, before.number);
  for (int i : {header::kName, header::kSex, header::kAge, header::kDiagnosis, header::kPhone, header::kChineseDate})
    EXPECT_EQ(s.header[i], before.header[i]) << i;
  for (int i : {header::kDrugFee, header::kOtherFee, header::kTotal}) EXPECT_EQ(s.header[i], "") << i;
  EXPECT_EQ(s.text, "");
  EXPECT_EQ(s.infusionCard, "");
  EXPECT_EQ(s.symptoms, before.symptoms);
  EXPECT_TRUE(s.medicalRecord.startsWith("发热一天$")) << "the record window's sections stay with the patient";
  EXPECT_TRUE(gridEmpty(prescription::kStock));
  EXPECT_EQ(s.grid[0][prescription::kCategory], before.grid[0][prescription::kCategory]);
  EXPECT_FALSE(s.grid[0][prescription::kCategory].isEmpty());
  EXPECT_EQ(f.focusWidget(), named<QLineEdit>(f, "Text1"));
}

TEST_F(PrescriptionWindowToolbarTest, CopyBlanksTheTextForAMomentThenShowsItUnderANewNumber) {
  pricedPrescription();
  PrescriptionWindow& f = form2();
  const PrescriptionState before = f.state();

  // During the pause: the text shows empty, and a 保存 clicked then waits for the copy.
  QString duringPause = QStringLiteral("<not looked at>");
  QTimer::singleShot(100, &f, [&] {
    duringPause = f.state().text;
    click(kSave);
  });
  QElapsedTimer took;
  took.start();
  click(kCopy);
  EXPECT_GE(took.elapsed(), 300);
  EXPECT_EQ(duringPause, "");

  const PrescriptionState s = f.state();
  EXPECT_NE(s.number, before.number);
  EXPECT_EQ(s.text, before.text);
  EXPECT_EQ(s.infusionCard, before.infusionCard);
  EXPECT_EQ(s.header[header::kName], "张三");
  EXPECT_EQ(s.medicalRecord, before.medicalRecord);
  EXPECT_TRUE(gridEmpty(prescription::kGridColumns - 1));
  for (int i : {header::kDrugFee, header::kOtherFee, header::kTotal}) EXPECT_EQ(s.header[i], "") << i;
  EXPECT_EQ(s.total, "");
  EXPECT_EQ(f.focusWidget(), named<QLineEdit>(f, "Text1"));

  // The waiting 保存 runs now and stores the copied text.
  QTest::qWait(50);
  EXPECT_EQ(storedOf("T1", s.number), before.text);

  // A second copy within the same second still gets a number of its own.
  click(kCopy);
  EXPECT_NE(label("Label4"), s.number);
}

TEST_F(PrescriptionWindowToolbarTest, PrintPutsTheSheetOnPaper) {
  pricedPrescription();
  const QString pdf = printToPdf("sheet");
  click(kPrint);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  testing_support::keepPrintCopy(pdf, "toolbar-sheet");
  const testing_support::PdfPage page = testing_support::readBackPdf(pdf);
  for (const char* word : {"张三", "阿莫西林胶囊", "12.50"})
    EXPECT_TRUE(page.text().contains(QString::fromUtf8(word))) << word << "\n" << page.text().toStdString();
  // The sheet's name at 1.2 times its place on the window (centred across the sheet, top
  // 540 twips); margins of 10 mm leave it there.
  const QLabel* sheetName = named<QLabel>(form2(), "Label2_3");
  testing_support::expectWordAt(page, "处", sheetName->x() * 15 * 1.2, 540 * 1.2);
  EXPECT_FALSE(page.text().contains("13800001234")) << "the phone's panel is hidden";
  EXPECT_TRUE(named<QLineEdit>(form2(), "Text5_11")->isHidden()) << "and its box stays hidden on the window";
}

TEST_F(PrescriptionWindowToolbarTest, OverlayPrintPutsTheValuesAtTheTemplatePositions) {
  pricedPrescription();
  const QString pdf = printToPdf("overlay");
  click(kOverlay);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  testing_support::keepPrintCopy(pdf, "toolbar-overlay");
  const testing_support::PdfPage page = testing_support::readBackPdf(pdf);
  constexpr double u = 40.824;  // twips of one template unit
  testing_support::expectWordAt(page, "张三", 10 * u, 20 * u);
  testing_support::expectWordAt(page, "12.50", 10 * u, 180 * u);  // 药费
  EXPECT_TRUE(page.text().contains("阿莫西林胶囊")) << page.text().toStdString();
  EXPECT_EQ(page.find("处"), nullptr) << "the form brings its own captions";
}

TEST_F(PrescriptionWindowToolbarTest, TheMedicalRecordReadsAndSavesThroughThePrescriptionWindow) {
  typePrescription();
  click(kRecord);
  auto* record = loaded<clinical::MedicalRecordWindow>();
  ASSERT_NE(record, nullptr);
  EXPECT_TRUE(record->isVisible());
  EXPECT_EQ(named<QLabel>(*record, "Label2_2")->text(), "姓名：张三");
  EXPECT_EQ(named<QPlainTextEdit>(*record, "Text2_7")->toPlainText(), "感冒") << "the diagnosis presets its section";

  named<QPlainTextEdit>(*record, "Text2_0")->setPlainText("头痛三天");
  testing_support::click(*record, "Command3");  // 保存
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  EXPECT_TRUE(storedOf("病历", label("Label4")).startsWith("头痛三天$"));
  EXPECT_TRUE(form2().state().medicalRecord.startsWith("头痛三天$"));
}

TEST_F(PrescriptionWindowToolbarTest, LogStatisticsAndRecordOpenAfresh) {
  struct Case {
    int index;
    const char* window;
  };
  for (const Case& c : {Case{kLog, "Form7"}, Case{kStatistics, "Form12"}, Case{kRecord, "Form14"}}) {
    SCOPED_TRACE(c.window);
    click(c.index);
    ui::Window* first = session->windows.find(c.window);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    const QPointer<ui::Window> old(first);
    click(c.index);
    flushDeletes();
    EXPECT_TRUE(old.isNull()) << "the open window is closed and shown afresh";
    EXPECT_TRUE(session->windows.isLoaded(c.window));
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
}

TEST_F(PrescriptionWindowToolbarTest, SaveAsTemplateOpensTheTemplatesOnTheSheetsKindWithItsText) {
  for (bool herbal : {false, true}) {
    SCOPED_TRACE(herbal);
    layOut(herbal);
    box("R1")->setPlainText(herbal ? "黄芪30g" : "阿莫西林胶囊 0.25g*24粒×2");
    click(kTemplate);
    auto* templates = loaded<clinical::TemplatesWindow>();
    ASSERT_NE(templates, nullptr);
    EXPECT_TRUE(named<QRadioButton>(*templates, herbal ? "Option1_0" : "Option1_1")->isChecked());
    EXPECT_EQ(named<QPlainTextEdit>(*templates, "Text2")->toPlainText(), box("R1")->toPlainText());
  }
}

TEST_F(PrescriptionWindowToolbarTest, AWindowThatCannotBeHadIsSaid) {
  session->windows.define("Form12", ui::WindowRegistry::Kind::Child, [] { return nullptr; });
  click(kStatistics);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith("无法完成“统计”：")) << dialogs.messages[0].text.toStdString();
  EXPECT_FALSE(form2().model().busy());
}

TEST_F(PrescriptionWindowToolbarTest, HelpPagesOpenInTheBrowser) {
  click(kHelp);
  named<QPushButton>(form2(), "Command13")->click();
  EXPECT_EQ(dialogs.openedUrls,
            (QList<QUrl>{QUrl("https://tavorin.example/help"), QUrl("https://tavorin.example/pricing-help")}));
}

}  // namespace
