// The medical-record window offscreen, with a stand-in prescription window behind the
// link: header, record carried through CurrentRecordText, 引用处方, templates, print.
#include "clinical/MedicalRecordWindow.h"
#include "links/PrescriptionLink.h"
#include "printing/service/RecordingDevice.h"

#include "shell/ShellFixture.h"
#include "support/StandInPrescription.h"
#include "support/TextRendering.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QTextBlock>

namespace {

using clinical::MedicalRecordWindow;
using testing_support::ShellFixture;
using testing_support::click;

using FakePrescription = testing_support::StandInPrescription;

class MedicalRecordWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    start();
    execMain(QStringLiteral(R"(DELETE FROM "个人模板")"));
    // The main window asks for the real prescription window as it loads; the stand-in
    // takes its place afterwards.
    session->windows.load(QStringLiteral("Form1"));
    session->windows.unload(QStringLiteral("Form2"));
    session->windows.define(QStringLiteral("Form2"), ui::WindowRegistry::Kind::Child,
                            [] { return new FakePrescription; });
    fake = &session->windows.get<FakePrescription>();
    fake->state.number = QStringLiteral("20240305143012AB");
    fake->state.header[prescription::header::kName] = QStringLiteral("林晓东");
    fake->state.header[prescription::header::kDiagnosis] = QStringLiteral("上呼吸道感染");
  }
  MedicalRecordWindow& open() { return dynamic_cast<MedicalRecordWindow&>(session->windows.openFresh(QStringLiteral("Form14"))); }
  QPlainTextEdit* section(MedicalRecordWindow& f, int i) { return named<QPlainTextEdit>(f, QStringLiteral("Text2_%1").arg(i)); }
  // The window shown and active, so that its boxes take the focus as they do on screen.
  MedicalRecordWindow& openActive() {
    MedicalRecordWindow& f = open();
    f.window()->show();
    QApplication::setActiveWindow(f.window());
    return f;
  }
  // Types the text key by key, Chinese characters as an input method hands them over.
  static void type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &release);
    }
  }
  FakePrescription* fake = nullptr;
};

// 主诉, 既往史, 个人史, 过敏史, 辅检 and 诊断 hold one line: Enter and Tab go on to the
// next section; 现病史 keeps its lines, and Tab leaves it as any other section.
TEST_F(MedicalRecordWindowTest, EnterAndTabInAOneLineSectionGoOnToTheNextSection) {
  MedicalRecordWindow& f = openActive();
  QPlainTextEdit* complaint = section(f, clinical::kComplaint);
  complaint->setFocus();
  type(complaint, QStringLiteral("第一行"));
  QTest::keyClick(complaint, Qt::Key_Return);
  ASSERT_EQ(QApplication::focusWidget(), section(f, clinical::kIllness));
  type(section(f, clinical::kIllness), QStringLiteral("第二行"));
  QTest::keyClick(section(f, clinical::kIllness), Qt::Key_Return);
  type(section(f, clinical::kIllness), QStringLiteral("第三行"));
  EXPECT_EQ(f.sections()[clinical::kComplaint], QStringLiteral("第一行"));
  EXPECT_EQ(f.sections()[clinical::kIllness], QStringLiteral("第二行\r\n第三行"));

  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier},
      {Qt::Key_Return, Qt::ShiftModifier}, {Qt::Key_Tab, Qt::NoModifier}};
  for (int i : {0, 2, 3, 4, 6, 7}) {
    for (const auto& [key, modifiers] : keys) {
      SCOPED_TRACE(testing::Message() << "section " << i << " key " << key << " modifiers " << modifiers);
      QPlainTextEdit* box = section(f, i);
      box->setFocus();
      box->setPlainText(QStringLiteral("甲"));
      box->moveCursor(QTextCursor::End);
      QTest::keyClick(box, key, modifiers);
      EXPECT_EQ(QApplication::focusWidget(), section(f, i + 1));
      EXPECT_EQ(box->toPlainText(), QStringLiteral("甲"));
    }
  }
  // Shift+Tab goes back a section.
  section(f, 3)->setFocus();
  QTest::keyClick(section(f, 3), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), section(f, 2));

  // Tab leaves the multi-line sections too, typing nothing; Shift+Tab comes back.
  for (int i : {clinical::kIllness, clinical::kExam, clinical::kTreatment}) {
    SCOPED_TRACE(testing::Message() << "section " << i);
    QPlainTextEdit* box = section(f, i);
    box->setFocus();
    box->setPlainText(QStringLiteral("甲"));
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    EXPECT_NE(next, box);
    if (i != clinical::kTreatment) {
      EXPECT_EQ(next, section(f, i + 1));
    }
    EXPECT_EQ(box->toPlainText(), QStringLiteral("甲"));
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), box);
  }
}

// A line break pasted, or brought in by a phrase, becomes a blank in a one-line section.
TEST_F(MedicalRecordWindowTest, LineBreaksPastedOrInsertedIntoAOneLineSectionBecomeBlanks) {
  execMain(QStringLiteral(R"(INSERT INTO "个人模板" ("序号", "名称", "内容", "分类", "拼音", "查询", "排序")
                             VALUES ('1', '咳嗽', '咳嗽'||char(13,10)||'咳痰', '病历常用语', '', '咳嗽ks', '1'))"));
  MedicalRecordWindow& f = openActive();
  QPlainTextEdit* complaint = section(f, clinical::kComplaint);
  complaint->setFocus();
  QApplication::clipboard()->setText(QStringLiteral("发热\r\n两天\n伴\r头痛\u2029"));
  QTest::keyClick(complaint, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(complaint->toPlainText(), QStringLiteral("发热 两天 伴 头痛 "));

  auto* phrases = named<QListWidget>(f, QStringLiteral("List1"));
  ASSERT_EQ(phrases->count(), 1);
  QTest::mouseClick(phrases->viewport(), Qt::LeftButton, {}, phrases->visualItemRect(phrases->item(0)).center());
  EXPECT_EQ(f.sections()[clinical::kComplaint], QStringLiteral("发热 两天 伴 头痛 咳嗽 咳痰"));
  EXPECT_EQ(QApplication::focusWidget(), complaint);

  // In 现病史 the phrase keeps its two lines.
  section(f, clinical::kIllness)->setFocus();
  QTest::mouseClick(phrases->viewport(), Qt::LeftButton, {}, phrases->visualItemRect(phrases->item(0)).center());
  EXPECT_EQ(f.sections()[clinical::kIllness], QStringLiteral("咳嗽\r\n咳痰"));
}

// A stored record whose one-line sections hold line breaks loads whole and goes back
// unchanged; a section the user edits goes back as the box shows it.
TEST_F(MedicalRecordWindowTest, AStoredLineBreakInAOneLineSectionIsKeptUntilTheSectionIsEdited) {
  const QString stored = QStringLiteral("第一行\r\n第二行$现病史一\r\n现病史二$既往\n史$$$$$$$");
  fake->state.medicalRecord = stored;
  MedicalRecordWindow& f = openActive();
  EXPECT_EQ(section(f, clinical::kComplaint)->toPlainText(), QStringLiteral("第一行 第二行"));
  EXPECT_EQ(section(f, 2)->toPlainText(), QStringLiteral("既往 史"));
  EXPECT_EQ(section(f, clinical::kIllness)->toPlainText(), QStringLiteral("现病史一\n现病史二"));
  session->windows.unload(QStringLiteral("Form14"));
  EXPECT_EQ(fake->state.medicalRecord, stored);

  MedicalRecordWindow& again = openActive();
  QPlainTextEdit* complaint = section(again, clinical::kComplaint);
  complaint->setFocus();
  QTest::keyClick(complaint, Qt::Key_End);
  type(complaint, QStringLiteral("。"));
  session->windows.unload(QStringLiteral("Form14"));
  EXPECT_EQ(fake->state.medicalRecord, QStringLiteral("第一行 第二行。$现病史一\r\n现病史二$既往\n史$$$$$$$"));
}

// The program's window font from before the first window on.
class MedicalRecordWindowRendering : public testing_support::ProgramFont, public MedicalRecordWindowTest {};

// The lists and the multi-line sections at the window's fonts: list rows as tall as the
// line spacing and 2 px more, text lines at least 2 px apart, the boxes where they were.
TEST_F(MedicalRecordWindowRendering, ListRowsAndSectionLinesStandApart) {
  execMain(QStringLiteral(R"(INSERT INTO "个人模板" ("序号", "名称", "内容", "分类", "拼音", "查询", "排序")
                             VALUES ('1', '国图', '', '病历常用语', '', '国图', '1'),
                                    ('2', '图国', '', '病历常用语', '', '图国', '2'),
                                    ('3', '国国', '', '病历常用语', '', '国国', '3'))"));
  MedicalRecordWindow& f = openActive();
  auto* phrases = named<QListWidget>(f, QStringLiteral("List1"));
  ASSERT_EQ(phrases->count(), 3);
  const int pitch = QFontMetrics(phrases->font()).lineSpacing() + 2;
  for (int r = 0; r < 3; ++r) EXPECT_EQ(phrases->visualItemRect(phrases->item(r)).height(), pitch) << r;
  const QRect rows = phrases->visualItemRect(phrases->item(0)).united(phrases->visualItemRect(phrases->item(2)));
  const auto listInk = testing_support::inkRows(phrases->viewport(), rows);
  ASSERT_EQ(listInk.size(), 3);
  EXPECT_GE(testing_support::smallestGap(listInk), 2);

  const struct {
    int section;
    double top, height;
  } boxes[] = {{clinical::kIllness, 660, 1080}, {clinical::kExam, 3060, 1080}, {clinical::kTreatment, 5040, 1800}};
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.section);
    QPlainTextEdit* box = section(f, b.section);
    EXPECT_EQ(box->geometry(), ui::pxRect(1080, b.top, 5955, b.height));
    // "〖" reaches from the top of the line's height to its bottom.
    box->setPlainText(QStringLiteral("〖国〗\n〖国〗\n〖国〗"));
    const auto ink = testing_support::inkRows(box->viewport(), QRect(0, 0, 60, box->viewport()->height()));
    ASSERT_EQ(ink.size(), 3);
    EXPECT_GE(testing_support::smallestGap(ink), 2);
  }

  // A click on the third line puts the caret there.
  QPlainTextEdit* illness = section(f, clinical::kIllness);
  illness->setPlainText(QStringLiteral("甲一\n乙二\n丙三"));
  const int third = illness->cursorRect(QTextCursor(illness->document()->findBlockByNumber(2))).center().y();
  QTest::mouseClick(illness->viewport(), Qt::LeftButton, {}, QPoint(6, third));
  EXPECT_EQ(illness->textCursor().blockNumber(), 2);
}

TEST_F(MedicalRecordWindowTest, HeaderDiagnosisPresetAndRecordKeptThroughClosing) {
  MedicalRecordWindow& f = open();
  EXPECT_EQ(named<QLabel>(f, QStringLiteral("Label2_1"))->text(), QStringLiteral("就诊时间：2024年03月05日14时30分"));
  EXPECT_EQ(f.windowTitle(), QStringLiteral("门诊病历 - 林晓东"));
  EXPECT_EQ(section(f, clinical::kDiagnosisBox)->toPlainText(), QStringLiteral("上呼吸道感染"));
  section(f, 0)->setPlainText(QStringLiteral("发热$两天"));
  section(f, clinical::kDiagnosisBox)->clear();
  session->windows.unload(QStringLiteral("Form14"));
  EXPECT_EQ(fake->state.medicalRecord, QStringLiteral("发热＄两天$$$$$$$$$"));

  MedicalRecordWindow& again = open();
  EXPECT_EQ(section(again, 0)->toPlainText(), QStringLiteral("发热＄两天"));
  EXPECT_TRUE(section(again, clinical::kDiagnosisBox)->toPlainText().isEmpty());
  click(again, "Command3");
  EXPECT_EQ(fake->recordSaves, 1);
  EXPECT_EQ(fake->state.medicalRecord, QStringLiteral("发热＄两天$$$$$$$$$"));
}

TEST_F(MedicalRecordWindowTest, PrescriptionTakenIntoAnEmptyTreatment) {
  fake->state.text = QStringLiteral("阿莫西林胶囊 0.5g\r\n    用法：口服\r\n\r\n维生素C片");
  MedicalRecordWindow& f = open();
  click(f, "Command2");
  EXPECT_EQ(f.sections()[clinical::kTreatment], QStringLiteral("\r\n阿莫西林胶囊 0.5g\r\n    用法：口服\r\n维生素C片"));
}

TEST_F(MedicalRecordWindowTest, TemplateSavedAppliedAndDeleted) {
  MedicalRecordWindow& f = open();
  section(f, 0)->setPlainText(QStringLiteral("发热"));
  section(f, 1)->setPlainText(QStringLiteral("两天"));
  dialogs.inputs.enqueue(QStringLiteral("上感"));
  click(f, "Command6");
  auto* templates = named<QListWidget>(f, QStringLiteral("List2"));
  ASSERT_EQ(templates->count(), 1);

  for (int i = 0; i < 9; ++i) section(f, i)->clear();
  // Delete with nothing selected: the record being written stays.
  section(f, 0)->setPlainText(QStringLiteral("咳嗽"));
  click(f, "Command4");
  EXPECT_EQ(templates->count(), 1);
  EXPECT_EQ(section(f, 0)->toPlainText(), QStringLiteral("咳嗽"));

  QTest::mouseClick(templates->viewport(), Qt::LeftButton, {}, templates->visualItemRect(templates->item(0)).center());
  EXPECT_EQ(section(f, 0)->toPlainText(), QStringLiteral("发热"));
  EXPECT_EQ(section(f, 1)->toPlainText(), QStringLiteral("两天"));
  click(f, "Command4");
  EXPECT_EQ(templates->count(), 0);
  EXPECT_TRUE(section(f, 0)->toPlainText().isEmpty());
}

TEST_F(MedicalRecordWindowTest, PrintGoesThroughTheDevice) {
  fake->state.header[prescription::header::kPhysician] = QStringLiteral("王医生");
  MedicalRecordWindow& f = open();
  printing::RecordingDevice* device = nullptr;
  // The window owns the device it prints on; a forwarding device leaves the recording here.
  std::unique_ptr<printing::RecordingDevice> kept;
  f.setPrintDevices([&kept, &device]() -> std::unique_ptr<printing::PrintDevice> {
    struct Forward : printing::PrintDevice {
      printing::RecordingDevice* to;
      bool begin(printing::Orientation o) override { return to->begin(o); }
      double resolution() const override { return to->resolution(); }
      void drawText(const QPointF& p, const QString& t, const QFont& f) override { to->drawText(p, t, f); }
      void drawLine(const QPointF& a, const QPointF& b, int w) override { to->drawLine(a, b, w); }
      bool newPage(printing::Orientation o) override { return to->newPage(o); }
      bool end() override { return to->end(); }
      void abort() override { to->abort(); }
    };
    kept = std::make_unique<printing::RecordingDevice>();
    device = kept.get();
    auto forward = std::make_unique<Forward>();
    forward->to = kept.get();
    return forward;
  });
  click(f, "Command1");
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->jobsEnded, 1);
  EXPECT_EQ(device->textsNamed(QStringLiteral("医师：王医生")).size(), 1);
  EXPECT_EQ(device->textsNamed(QStringLiteral("诊  断：")).size(), 1);
  EXPECT_EQ(device->textsNamed(QStringLiteral("上呼吸道感染")).size(), 1);
}

}  // namespace
