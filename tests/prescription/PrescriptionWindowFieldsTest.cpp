// The prescription window's header as the physician fills it in from the keyboard: a
// patient picked from two typed letters, Enter along the fields, typing limits, the sex
// field, the fee total, the diagnosis and address phrases and the symptom phrases.
#include "../shell/ShellFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "support/SuggestionRows.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <optional>

namespace {

using prescription::PrescriptionWindow;
using testing_support::doubleClickRow;
namespace header = prescription::header;

class PrescriptionWindowFieldsTest : public testing_support::ShellFixture {
 protected:
  void SetUp() override {
    start();
    execMain(R"(DELETE FROM "患者信息"; DELETE FROM "诊断"; DELETE FROM "地址";)");
    login();
    // Focus moves and their handlers need the window to be the active one.
    QWidget* top = form2().window();
    top->show();
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }

  PrescriptionWindow& form2() { return window<PrescriptionWindow>(); }
  QLineEdit* field(int i) { return named<QLineEdit>(form2(), QStringLiteral("Text5_%1").arg(i)); }
  QListWidget* list(const char* name) { return named<QListWidget>(form2(), QString::fromLatin1(name)); }
  QLineEdit* box(const char* name) { return named<QLineEdit>(form2(), QString::fromLatin1(name)); }
  QPlainTextEdit* symptoms() { return named<QPlainTextEdit>(form2(), QStringLiteral("Text10")); }
  QWidget* focused() { return QApplication::focusWidget(); }
  static QStringList items(QListWidget* l) {
    QStringList all;
    for (int i = 0; i < l->count(); ++i) all << l->item(i)->text();
    return all;
  }
  static bool open(QListWidget* l) { return !l->isHidden(); }
  // Types each character as a key of its own, Chinese characters too.
  static void type(QWidget* box, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  // What an input method commits at once, as a whole word.
  static void commit(QWidget* box, const QString& word) {
    QInputMethodEvent event;
    event.setCommitString(word);
    QCoreApplication::sendEvent(box, &event);
  }

  void addPatient(const QString& name, const QString& birthYear, std::optional<int> rowid = std::nullopt) {
    testing_support::addPatientRow(state.mainDbPath, name, birthYear, "青霉素" + name, rowid);
  }
  void addPhrases(const QString& list, const QStringList& phrases) {
    for (const QString& p : phrases) testing_support::addPhraseRow(state.mainDbPath, p, list);
  }
  void addSymptoms(const QStringList& symptoms) {
    for (const QString& s : symptoms) testing_support::addSymptomRow(state.mainDbPath, s);
  }
};

TEST_F(PrescriptionWindowFieldsTest, TwoLettersListThePatientsAndEnterFillsTheHeaderFromThePickedOne) {
  addPatient("张三", "1980");
  addPatient("张山", "1975");
  addPhrases(store::PhraseList::Diagnoses, {"上感", "高血压"});
  const int year = QDate::currentDate().year();
  const QString department = field(header::kDepartment)->text();

  field(header::kName)->setFocus();
  QTest::keyClicks(field(header::kName), "zs");
  ASSERT_TRUE(open(list("List5")));
  EXPECT_EQ(items(list("List5")), QStringList({QStringLiteral("张三[%1岁]").arg(year - 1980),
                                                QStringLiteral("张山[%1岁]").arg(year - 1975)}));

  // Another workstation registers a patient that a query run now would list first.
  addPatient("张森", "2000", 0);
  QTest::keyClick(field(header::kName), Qt::Key_Down);
  ASSERT_EQ(focused(), list("List5"));
  EXPECT_EQ(list("List5")->currentRow(), 0);
  QTest::keyClick(list("List5"), Qt::Key_Down);
  QTest::keyClick(list("List5"), Qt::Key_Return);

  const std::pair<int, QString> filled[] = {
      {header::kName, "张山"},           {header::kSex, "女"},
      {header::kAge, QStringLiteral("%1岁").arg(year - 1975)},
      {header::kFeeCategory, "医保"},     {header::kInsuranceNumber, "卡张山"},
      {header::kAddress, "住在张山"},     {header::kPhone, "电话张山"},
      {header::kAllergy, "青霉素张山"},   {header::kDepartment, department},
  };
  for (const auto& [i, value] : filled) EXPECT_EQ(field(i)->text(), value) << i;
  EXPECT_FALSE(open(list("List5")));
  EXPECT_FALSE(open(list("List4"))) << "filling the address opens no list";
  EXPECT_EQ(focused(), field(header::kDiagnosis));
  EXPECT_TRUE(open(list("List3"))) << "the empty diagnosis field lists every diagnosis";
  EXPECT_EQ(items(list("List3")), QStringList({"上感", "高血压"}));

  // A name that matches nobody, and an emptied name, leave the list closed.
  field(header::kName)->setFocus();
  EXPECT_FALSE(open(list("List3")));
  field(header::kName)->setText("zsx");
  EXPECT_FALSE(open(list("List5")));
  field(header::kName)->setText("zs");
  EXPECT_TRUE(open(list("List5")));
  field(header::kName)->clear();
  EXPECT_FALSE(open(list("List5")));
}

TEST_F(PrescriptionWindowFieldsTest, EnterWalksTheHeaderToTheSearchBoxAndDownIsSwallowed) {
  addPhrases(store::PhraseList::Addresses, {"东大街"});
  field(header::kName)->setFocus();
  for (int next : {1, 2, 3, 4, 5, 6, 13}) {
    QTest::keyClick(focused(), Qt::Key_Return);
    ASSERT_EQ(focused(), field(next)) << next;
  }
  QTest::keyClick(focused(), Qt::Key_Return);
  EXPECT_EQ(focused(), box("Text1"));

  // A field reached by Enter or by the Tab key has its caret at the end, nothing selected.
  field(header::kAge)->setText("35");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
    field(header::kSex)->setFocus();
    QTest::keyClick(field(header::kSex), key);
    ASSERT_EQ(focused(), field(header::kAge));
    EXPECT_EQ(field(header::kAge)->cursorPosition(), 2) << key;
    EXPECT_FALSE(field(header::kAge)->hasSelectedText()) << key;
  }
  for (const char* name : {"List3", "List4", "List5"}) EXPECT_FALSE(open(list(name))) << name;

  // Down in a field without a list, or whose list is closed, stays in the field.
  for (int i : {header::kDepartment, header::kName}) {
    field(i)->setFocus();
    QTest::keyClick(field(i), Qt::Key_Down);
    EXPECT_EQ(focused(), field(i)) << i;
  }
  // The address field's focus lists every address; Down moves into that list.
  field(header::kAddress)->setFocus();
  ASSERT_TRUE(open(list("List4")));
  QTest::keyClick(field(header::kAddress), Qt::Key_Down);
  EXPECT_EQ(focused(), list("List4"));
  EXPECT_EQ(list("List4")->currentRow(), 0);
  QTest::keyClick(list("List4"), Qt::Key_Return);
  EXPECT_EQ(field(header::kAddress)->text(), "东大街");
  EXPECT_EQ(focused(), field(header::kAddress));
  EXPECT_FALSE(open(list("List4")));
}

TEST_F(PrescriptionWindowFieldsTest, TypingStopsAtTheFieldsSizeInBytesButTheProgramsTextStaysWhole) {
  struct Case {
    int field;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {header::kName, "张三丰李", "张三丰"},                                     // 6 bytes
      {header::kName, "ab张三cd", "ab张三"},
      {header::kDepartment, "内科门诊", "内科"},                                  // 5 bytes: no half character
      {header::kAddress, "abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrst"},  // 20 bytes
      {header::kSex, "女", ""},                                                  // one byte: digits only
  };
  for (const Case& c : cases) {
    field(c.field)->clear();
    type(field(c.field), QString::fromUtf8(c.typed));
    EXPECT_EQ(field(c.field)->text(), QString::fromUtf8(c.kept)) << c.typed;
  }

  // A word from the input method, or a paste, is cut to what still fits.
  field(header::kName)->setText("张");
  field(header::kName)->end(false);
  commit(field(header::kName), "三丰李");
  EXPECT_EQ(field(header::kName)->text(), "张三丰");
  field(header::kName)->setText("a");
  field(header::kName)->end(false);
  QApplication::clipboard()->setText("张三丰");
  field(header::kName)->paste();
  EXPECT_EQ(field(header::kName)->text(), "a张三");

  // The program's text is never cut; typing cannot lengthen it, but it can be shortened.
  QLineEdit* name = field(header::kName);
  name->setText("欧阳司马青云");
  EXPECT_EQ(name->text(), "欧阳司马青云");
  QTest::keyClicks(name, "x");
  EXPECT_EQ(name->text(), "欧阳司马青云");
  QTest::keyClick(name, Qt::Key_Backspace);
  EXPECT_EQ(name->text(), "欧阳司马青");
}

TEST_F(PrescriptionWindowFieldsTest, SexDigitsBecomeTheSexAndAClickToggles) {
  QLineEdit* sex = field(header::kSex);
  const std::pair<const char*, const char*> typed[] = {{"1", "男"}, {"2", "女"}, {"3", "3"}, {"12", "男"}};
  for (const auto& [keys, shown] : typed) {
    sex->clear();
    type(sex, QString::fromUtf8(keys));
    EXPECT_EQ(sex->text(), QString::fromUtf8(shown)) << keys;
    EXPECT_EQ(sex->cursorPosition(), sex->text().size()) << keys;
    EXPECT_EQ(form2().state().header[header::kSex], sex->text()) << keys;
  }
  // A prescription the window shows is not retyped.
  prescription::PrescriptionState shown = form2().state();
  shown.header[header::kSex] = "女";
  form2().showState(shown);
  EXPECT_EQ(sex->text(), "女");

  sex->clear();
  for (const char* shown : {"男", "女", "男"}) {
    QTest::mouseClick(sex, Qt::LeftButton);
    EXPECT_EQ(sex->text(), QString::fromUtf8(shown));
  }
  // A click on another field changes nothing.
  field(header::kAge)->setText("1");
  QTest::mouseClick(field(header::kAge), Qt::LeftButton);
  EXPECT_EQ(field(header::kAge)->text(), "1");
}

TEST_F(PrescriptionWindowFieldsTest, TheTotalFollowsTheDrugAndOtherFees) {
  struct Case {
    const char* drugs;
    const char* other;
    const char* total;
  };
  const Case cases[] = {
      {"12.5", "", "12.50"}, {"12.5", "3", "15.50"}, {"0", "0", ""}, {"", "", ""}, {"药", "2", "2.00"},
  };
  for (const Case& c : cases) {
    field(header::kDrugFee)->clear();
    field(header::kOtherFee)->clear();
    type(field(header::kDrugFee), QString::fromUtf8(c.drugs));
    field(header::kOtherFee)->setText(QString::fromUtf8(c.other));
    EXPECT_EQ(field(header::kTotal)->text(), QString::fromUtf8(c.total)) << c.drugs << " + " << c.other;
    EXPECT_EQ(form2().state().header[header::kTotal], field(header::kTotal)->text()) << "the window shows the model's";
  }
  prescription::PrescriptionState shown = form2().state();
  shown.header[header::kDrugFee] = "40";
  form2().showState(shown);
  EXPECT_EQ(field(header::kDrugFee)->text(), "40");
  EXPECT_EQ(field(header::kTotal)->text(), "2.00") << "a shown prescription's fields are not worked out again";
}

TEST_F(PrescriptionWindowFieldsTest, ADiagnosisPickReplacesOnlyTheLastWord) {
  addPhrases(store::PhraseList::Diagnoses, {"感冒", "咳嗽", "高血压"});
  QLineEdit* diagnosis = field(header::kDiagnosis);
  diagnosis->setFocus();
  type(diagnosis, "感冒 咳");
  ASSERT_EQ(items(list("List3")), QStringList({"咳嗽"}));
  QTest::keyClick(diagnosis, Qt::Key_Down);
  QTest::keyClick(list("List3"), Qt::Key_Return);
  EXPECT_EQ(diagnosis->text(), "感冒 咳嗽");
  EXPECT_EQ(focused(), diagnosis);
  EXPECT_EQ(diagnosis->cursorPosition(), diagnosis->text().size());
  EXPECT_FALSE(open(list("List3"))) << "hidden after the field's handlers refilled it";

  // A trailing blank lists every diagnosis; a double click appends after the blank.
  QTest::keyClick(diagnosis, Qt::Key_Space);
  ASSERT_EQ(items(list("List3")), QStringList({"感冒", "咳嗽", "高血压"}));
  ASSERT_TRUE(open(list("List3")));
  doubleClickRow(list("List3"), 2);
  EXPECT_EQ(diagnosis->text(), "感冒 咳嗽 高血压");
  EXPECT_FALSE(open(list("List3")));
}

TEST_F(PrescriptionWindowFieldsTest, SymptomPhrasesAreJoinedInTheSymptomsBox) {
  addSymptoms({"发热", "咳嗽", "头痛"});
  QLineEdit* search = box("Text11");
  QPlainTextEdit* box10 = symptoms();

  search->setFocus();
  ASSERT_TRUE(open(list("List8"))) << "an empty search box lists every symptom";
  EXPECT_EQ(items(list("List8")), QStringList({"发热", "咳嗽", "头痛"}));
  QTest::keyClicks(search, "fr");
  ASSERT_EQ(items(list("List8")), QStringList({"发热"}));
  QTest::keyClick(search, Qt::Key_Down);
  ASSERT_EQ(focused(), list("List8"));
  QTest::keyClick(list("List8"), Qt::Key_Return);
  EXPECT_EQ(box10->toPlainText(), "发热。");
  EXPECT_EQ(search->text(), "");
  EXPECT_EQ(focused(), search);
  EXPECT_FALSE(open(list("List8")));

  search->clear();
  QTest::keyClicks(search, "ks");
  doubleClickRow(list("List8"), 0);
  EXPECT_EQ(box10->toPlainText(), "发热、咳嗽。");

  // With the caret after "发热、" a phrase goes in there, followed by "、".
  QTextCursor caret = box10->textCursor();
  caret.setPosition(3);
  box10->setTextCursor(caret);
  QTest::keyClicks(search, "tt");
  doubleClickRow(list("List8"), 0);
  EXPECT_EQ(box10->toPlainText(), "发热、头痛、咳嗽。");
  EXPECT_EQ(box10->textCursor().position(), 6);

  // A click on a caption turns the "。" before the caret into "、"; a click into the box
  // closes the list.
  caret.setPosition(box10->toPlainText().size());
  box10->setTextCursor(caret);
  QTest::mouseClick(named<QLabel>(form2(), "Label8_3"), Qt::LeftButton);
  EXPECT_EQ(box10->toPlainText(), "发热、头痛、咳嗽、");
  EXPECT_EQ(box10->textCursor().position(), box10->toPlainText().size());
  QTest::mouseClick(named<QLabel>(form2(), "Label8_0"), Qt::LeftButton);
  EXPECT_EQ(box10->toPlainText(), "发热、头痛、咳嗽、") << "no \"。\" before the caret";

  search->setText("k");
  ASSERT_TRUE(open(list("List8")));
  QTest::mouseClick(box10->viewport(), Qt::LeftButton);
  EXPECT_FALSE(open(list("List8")));
}

}  // namespace

namespace {

// Tab and Shift+Tab leave the multi-line boxes as they leave the fields, and type nothing.
TEST_F(PrescriptionWindowFieldsTest, TabLeavesTheMultiLineBoxes) {
  for (const char* name : {"R1", "Text10", "text9"}) {
    SCOPED_TRACE(name);
    auto* box = named<QPlainTextEdit>(form2(), QString::fromLatin1(name));
    QTest::mouseClick(box->viewport(), Qt::LeftButton);
    ASSERT_EQ(focused(), box);
    type(box, "甲");
    QTest::keyClick(box, Qt::Key_Tab);
    QWidget* next = focused();
    EXPECT_NE(next, box);
    EXPECT_EQ(box->toPlainText(), "甲");
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), box);
    EXPECT_EQ(box->toPlainText(), "甲");
  }
}

}  // namespace
