// The prescription window on a small catalogue: its state right after start-up, the
// layout switch on a priced prescription, the search box's keys, picks by key, and the
// priced grid's cells.
#include "../shell/ShellFixture.h"
#include "PrescriptionWindowFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "prescription/service/CatalogListing.h"
#include "support/FileFaults.h"
#include "prescription/service/GridTotals.h"
#include "prescription/service/HerbalLayout.h"
#include "shell/StrokePadWindow.h"
#include "support/ShownWhole.h"
#include "ui/Twips.h"

#include <QDate>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

namespace {

using prescription::PrescriptionWindow;
using prescription::PrescriptionState;
namespace header = prescription::header;

class PrescriptionWindowTest : public testing_support::ShellFixture {
 protected:
  void SetUp() override {
    start();
    execMain(R"(DELETE FROM "商品"; DELETE FROM "个人模板";)");
    // name, key, category, dose, unit, usage
    const char* rows[][6] = {
        {"头孢拉定胶囊", "头孢拉定胶囊-tbldjn-1$", "西成药·抗生素", "0.5g", "g", "口服"},
        {"阿莫西林胶囊", "阿莫西林胶囊-amxljn-2$", "西成药·抗生素", "0.5", "g", ""},
        {"硝苯地平片", "硝苯地平片-xbdpp-3$", "西成药·心血管", "10", "mg", ""},
        {"黄芪", "黄芪-hq-4$", "中药", "10g", "g", ""},
        {"当归", "当归-dg-5$", "中药", "6g", "g", ""},
    };
    int id = 0;
    for (const auto& r : rows)
      execMain(QStringLiteral(R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法")
                                 VALUES ('%1','%2','%3','%4','%5','%6','%7'))")
                   .arg(++id).arg(r[0], r[1], r[2], r[3], r[4], r[5]));
    login();
  }

  PrescriptionWindow& form2() { return window<PrescriptionWindow>(); }
  template <class W = QWidget>
  W* control(const QString& name) {
    W* w = form2().findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString text(const QString& name) {
    if (auto* box = form2().findChild<QLineEdit*>(name)) return box->text();
    if (auto* label = form2().findChild<QLabel*>(name)) return label->text();
    if (auto* edit = form2().findChild<QPlainTextEdit*>(name)) return edit->toPlainText();
    ADD_FAILURE() << "no control " << name.toStdString();
    return {};
  }
  QStringList listed() {
    QStringList items;
    for (const auto& e : form2().drugListEntries()) items << e.item;
    return items;
  }
  void type(const QString& name, const QString& keys) { QTest::keyClicks(control(name), keys); }
  void press(const QString& name, Qt::Key key) { QTest::keyClick(control(name), key); }
};

const QRegularExpression kSerial(QStringLiteral("^\\d{14}T1$"));

TEST_F(PrescriptionWindowTest, StartsWithAntibioticsListedAndAnEmptySheetAndANewNumber) {
  PrescriptionWindow& f = form2();
  EXPECT_EQ(listed(), QStringList({"阿莫西林胶囊 0.5g", "头孢拉定胶囊 0.5g"}));
  EXPECT_EQ(f.model().category(), 0);
  for (int i = 0; i < 17; ++i)
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Command1_%1").arg(i))->font().bold(), i == 0) << i;

  for (int r = 0; r < prescription::kGridRows; ++r)
    for (int column = 2; column <= 10; ++column)
      ASSERT_EQ(text(QStringLiteral("Lb%1_%2").arg(column).arg(r)), "") << column << " " << r;
  EXPECT_EQ(control(QStringLiteral("Lb1_1"))->palette().color(QPalette::Window), QColor(249, 248, 245));
  EXPECT_EQ(control(QStringLiteral("Lb5_1"))->palette().color(QPalette::Base), QColor(249, 248, 245));
  EXPECT_EQ(control(QStringLiteral("Lb1_2"))->palette().color(QPalette::Window), QColor(Qt::white));

  const QString serial = text("Label4");
  EXPECT_TRUE(kSerial.match(serial).hasMatch()) << serial.toStdString();
  EXPECT_EQ(text("Text5_12"), serial.left(14)) << "record number and number from one reading of the clock";
  EXPECT_EQ(text("Text5_5"), QDate::currentDate().toString("yyyy-MM-dd"));
  EXPECT_EQ(text("Label5"), "");
  EXPECT_EQ(text("R1"), "");
  EXPECT_EQ(session->padTarget.kind, text::InputKind::Name);
  EXPECT_FALSE(f.herbalSheet());
  EXPECT_EQ(text("Label2_4"), "普通");
  EXPECT_FALSE(f.model().busy());

  // A wider caption gives a box that starts further right; every box ends 60 twips short of
  // its panel and its underline at the panel's edge.
  for (int i : {0, 4, 13}) {
    QWidget* box = control(QStringLiteral("Text5_%1").arg(i));
    QWidget* panel = control(QStringLiteral("Picture7_%1").arg(i));
    EXPECT_EQ(box->x(), control(QStringLiteral("Label1_%1").arg(i))->width() + ui::px(75)) << i;
    EXPECT_NEAR(box->geometry().right() + 1 + ui::px(60), panel->width(), 1) << i;
  }
  EXPECT_GT(control("Text5_4")->x(), control("Text5_0")->x());
  EXPECT_FALSE(control("Picture7_12")->isVisibleTo(control("Picture2")));
}

TEST_F(PrescriptionWindowTest, TheHerbButtonOnAPricedOrdinaryPrescriptionStartsAFreshHerbalOne) {
  PrescriptionWindow& f = form2();
  PrescriptionState s = f.state();
  s.header[header::kName] = "张三";
  s.header[header::kDiagnosis] = "上感";
  s.symptoms = "发热。\r\n咳嗽";
  s.medicalRecord = "主诉：发热";
  s.text = "阿莫西林胶囊 0.5g\r\n    用法：静脉滴注  每日1次\r\n\r\n";
  s.infusionCard = "stored card";
  s.dispenseMark = prescription::kDispensedMark;
  s.grid[0] = {"阿莫西林胶囊", "2", "盒", "1.5", "", "10", "西成药·抗生素", "A1", "1.2"};
  s.grid[1] = {"注射费", "1", "次", "2", "", "", "收费项目", "", ""};
  prescription::applyTotals(s, prescription::RecalcTotals(s.grid));
  // As the load of a saved prescription shows it: the card as stored.
  f.showState(s);
  ASSERT_EQ(text("Text5_16"), "5.00");
  ASSERT_EQ(text("Label16"), "5.00");
  const QString oldSerial = text("Label4");
  const QString oldRecord = text("Text5_12");

  testing_support::clickOn(f, QStringLiteral("Command1_%1").arg(prescription::kHerbs));

  EXPECT_EQ(text("R1"), "");
  EXPECT_EQ(text("text9"), "") << "the card follows the emptied prescription";
  for (int r : {0, 1}) {
    for (int column = 2; column <= 7; ++column) EXPECT_EQ(text(QStringLiteral("Lb%1_%2").arg(column).arg(r)), "");
  }
  EXPECT_EQ(text("Lb8_0"), "西成药·抗生素");
  EXPECT_EQ(text("Lb9_0"), "A1");
  EXPECT_EQ(text("Lb10_0"), "1.2");
  for (const char* total : {"Text5_9", "Text5_15", "Text5_16", "Label16"}) EXPECT_EQ(text(total), "") << total;

  EXPECT_TRUE(kSerial.match(text("Label4")).hasMatch());
  EXPECT_GT(text("Label4"), oldSerial);
  EXPECT_NE(text("Text5_12"), oldRecord);
  EXPECT_EQ(text("Text5_12"), text("Label4").left(14));
  EXPECT_EQ(text("Text5_5"), QDate::currentDate().toString("yyyy-MM-dd"));
  EXPECT_EQ(text("Text6"), "7");
  EXPECT_EQ(text("Label5"), "") << "a new number was never dispensed";

  EXPECT_EQ(text("Text5_0"), "张三");
  EXPECT_EQ(text("Text5_6"), "上感");
  EXPECT_EQ(text("Text10"), "发热。\n咳嗽");
  EXPECT_EQ(f.state().medicalRecord, "主诉：发热");

  EXPECT_TRUE(f.herbalSheet());
  EXPECT_EQ(text("Label2_4"), "中医");
  for (const char* herbal : {"Label2_1", "Text6", "C1"}) EXPECT_TRUE(control(herbal)->isVisibleTo(control("Picture2"))) << herbal;
  EXPECT_TRUE(control("Label17")->isVisibleTo(control("Picture5")));
  // The wide herbal text, up to the sheet's edge.
  EXPECT_EQ(control("R1")->geometry(),
            ui::pxRect(660, 2400, 5655, 4995).intersected(control("Picture2")->contentsRect()));
  EXPECT_EQ(listed(), QStringList({"当归 6g", "黄芪 10g"}));

  // Back to an ordinary button: a fresh ordinary sheet, the herbal controls hidden.
  testing_support::clickOn(f, QStringLiteral("Command1_%1").arg(16));
  EXPECT_FALSE(f.herbalSheet());
  EXPECT_FALSE(control("Text6")->isVisibleTo(control("Picture2")));
  EXPECT_EQ(control("R1")->geometry(), ui::pxRect(1380, 2400, 4575, 4995));
}

TEST_F(PrescriptionWindowTest, EnterInTheSearchBoxPicksOnlyASingleHit) {
  struct Case {
    const char* typed;
    QString prescription;  // R1 afterwards
    QString searchBox;     // Text1 afterwards
  };
  const Case cases[] = {
      {"zzz", "", "zzz"},                                     // no hit: nothing
      {"jn", "", "jn"},                                       // two hits: nothing
      {"tbld", "头孢拉定胶囊 0.5g\n    用法：口服\n\n", ""},  // one hit: picked with its usage
  };
  for (const Case& c : cases) {
    control<QLineEdit>("Text1")->clear();
    type("Text1", c.typed);
    press("Text1", Qt::Key_Return);
    EXPECT_EQ(text("R1"), c.prescription) << c.typed;
    EXPECT_EQ(text("Text1"), c.searchBox) << c.typed;
  }
  EXPECT_EQ(text("text9"), "") << "oral use puts nothing on the infusion card";
}

// Another workstation's edit of a listed row is seen at the next keystroke, in the painted
// row and in what a pick inserts.
TEST_F(PrescriptionWindowTest, AnotherWorkstationsCatalogueEditIsListedAtTheNextKeystroke) {
  auto* list = control<QListView>("List1");
  type("Text1", "xbdp");
  ASSERT_EQ(listed(), QStringList{"硝苯地平片 10mg"});
  execMain(R"(UPDATE "商品" SET "常用量" = '20' WHERE "ID号" = '3';
              INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法")
                VALUES ('6','硝苯地平缓释片','硝苯地平缓释片-xbdphsp-6$','西成药·心血管','','','');)");
  press("Text1", Qt::Key_Backspace);
  type("Text1", "p");
  EXPECT_EQ(listed(), QStringList({"硝苯地平缓释片", "硝苯地平片 20mg"}));
  EXPECT_EQ(list->model()->data(list->model()->index(1, 0)).toString(), "硝苯地平片 20mg");
  type("Text1", "p");
  press("Text1", Qt::Key_Return);
  EXPECT_TRUE(text("R1").startsWith("硝苯地平片 20mg")) << text("R1").toStdString();
}

TEST_F(PrescriptionWindowTest, SearchBoxKeysAndButtons) {
  PrescriptionWindow& f = form2();
  type("Text1", "a'm");
  EXPECT_EQ(text("Text1"), "am");
  EXPECT_EQ(listed(), QStringList({"阿莫西林胶囊 0.5g"}));

  press("Text1", Qt::Key_Down);
  EXPECT_EQ(control<QListView>("List1")->currentIndex().row(), 0);

  testing_support::clickOn(f, "Command15");
  testing_support::clickOn(f, "Command15");
  testing_support::clickOn(f, "Command15");  // on an empty box: stays empty
  EXPECT_EQ(text("Text1"), "");
  EXPECT_EQ(listed(), QStringList({"阿莫西林胶囊 0.5g", "头孢拉定胶囊 0.5g"})) << "a blank box lists the category";
  testing_support::clickOn(f, QStringLiteral("Command16_%1").arg(0));
  testing_support::clickOn(f, QStringLiteral("Command16_%1").arg(1));
  EXPECT_EQ(text("Text1"), "12");

  testing_support::clickOn(f, "Command18");
  ASSERT_FALSE(dialogs.messages.isEmpty());
  EXPECT_EQ(dialogs.messages.last().title, "笔画查询提示");
  EXPECT_EQ(dialogs.messages.last().text.split('\n').size(), 3);

  // The stroke pad opens afresh and keeps typing into the box that had the focus.
  QWidget* name = control("Text5_0");
  name->setFocus();
  session->padTarget.box = name;
  testing_support::clickOn(f, "Command17");
  auto* pad = loaded<shell::StrokePadWindow>();
  ASSERT_NE(pad, nullptr);
  testing_support::clickOn(f, "Command17");
  flushDeletes();
  EXPECT_NE(loaded<shell::StrokePadWindow>(), nullptr);
  EXPECT_EQ(session->padTarget.box, name);
}

TEST_F(PrescriptionWindowTest, APersonalSetIsPickedByItsKeyAfterTheTableChanged) {
  execMain(R"(INSERT INTO "个人模板" ("序号","名称","内容","查询","分类","排序")
              VALUES ('k1','感冒组套','阿莫西林胶囊 0.5g','感冒组套gmzt$','个人组套','2'))");
  PrescriptionWindow& f = form2();
  testing_support::clickOn(f, QStringLiteral("Command1_%1").arg(prescription::kPersonalSets));
  ASSERT_EQ(listed(), QStringList({"感冒组套"}));

  // Another workstation adds a set that a query run now would list first.
  execMain(R"(INSERT INTO "个人模板" ("序号","名称","内容","查询","分类","排序")
              VALUES ('k0','咳嗽组套','其他内容','咳嗽组套kszt$','个人组套','1'))");
  auto* list = control<QListView>("List1");
  list->setCurrentIndex(list->model()->index(0, 0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(text("R1"), "阿莫西林胶囊 0.5g\n\n");
}

TEST_F(PrescriptionWindowTest, APersonalSetThatCannotBeReadIsToldAndNothingIsAdded) {
  execMain(R"(INSERT INTO "个人模板" ("序号","名称","内容","查询","分类","排序")
              VALUES ('k1','感冒组套','阿莫西林胶囊 0.5g','感冒组套gmzt$','个人组套','1'))");
  PrescriptionWindow& f = form2();
  testing_support::clickOn(f, QStringLiteral("Command1_%1").arg(prescription::kPersonalSets));
  ASSERT_EQ(listed(), QStringList({"感冒组套"}));
  auto* list = control<QListView>("List1");
  list->setFocus();
  list->setCurrentIndex(list->model()->index(0, 0));
  {
    // Another workstation holds the main file while the set is picked.
    testing_support::ShortBusyTimeout shortWait;
    testing_support::ExclusiveLock lock(state.mainDbPath);
    QTest::keyClick(list, Qt::Key_Return);
  }
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages.last().text, prescription::kTemplateUnreadableMessage + "：文件正被其他程序或工作站占用");
  EXPECT_EQ(text("R1"), "");

  // Free again, the same pick adds the set.
  list->setFocus();
  list->setCurrentIndex(list->model()->index(0, 0));
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(text("R1"), "阿莫西林胶囊 0.5g\n\n");
  EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(PrescriptionWindowTest, HerbsArePickedIntoTheLayoutAndRefusedTwice) {
  PrescriptionWindow& f = form2();
  testing_support::clickOn(f, QStringLiteral("Command1_%1").arg(prescription::kHerbs));
  type("Text1", "hq");
  press("Text1", Qt::Key_Return);
  type("Text1", "dg");
  press("Text1", Qt::Key_Return);
  EXPECT_EQ(text("R1"), "黄芪 10g     当归 6g      ");
  EXPECT_EQ(text("Label17"), "中药共 2 味  重量：16g");
  // Pricing reads the herbs from the model's text.
  EXPECT_EQ(prescription::herbalLayout(f.model().state().text).entries, QStringList({"黄芪 10g", "当归 6g"}));

  type("Text1", "hq");
  press("Text1", Qt::Key_Return);
  ASSERT_FALSE(dialogs.messages.isEmpty());
  EXPECT_EQ(dialogs.messages.last().text, "该中药已存在！");
  EXPECT_EQ(text("Text1"), "") << "the search box is cleared also after the refusal";

  // A double click lays out what was typed by hand.
  auto* r1 = control<QPlainTextEdit>("R1");
  r1->setPlainText("甘草 3g 大枣 5枚");
  testing_support::doubleClickInside(f, "R1");
  EXPECT_EQ(text("R1"), "甘草 3g      大枣 5枚     ");
  EXPECT_EQ(text("Label17"), "中药共 2 味  重量：8g");
}

TEST_F(PrescriptionWindowTest, GridCellsTakeOnlyWhatTheTotalsCanUse) {
  PrescriptionWindow& f = form2();
  PrescriptionState s = f.state();
  s.grid[0] = {"阿莫西林胶囊", "", "盒", "1.5", "", "10", "西成药·抗生素", "B2", ""};
  s.grid[1] = {"注射费", "1", "次", "2", "", "", "收费项目", "A10", ""};
  f.showState(s);

  type("Lb3_0", "2@$");
  EXPECT_EQ(text("Lb3_0"), "2") << "\"@\" and \"$\" cannot be typed";
  EXPECT_EQ(text("Lb6_0"), "3.000");
  EXPECT_EQ(text("Text5_9"), "3.00");
  EXPECT_EQ(text("Text5_15"), "2.00");
  EXPECT_EQ(text("Label16"), "5.00");
  EXPECT_EQ(text("Text5_16"), "5.00");

  type("Lb3_2", "9");  // a row without a name
  type("Lb5_2", "9");
  type("Lb6_0", "9");  // the amount column
  EXPECT_EQ(text("Lb3_2"), "");
  EXPECT_EQ(text("Lb5_2"), "");
  EXPECT_EQ(text("Lb6_0"), "3.000");

  testing_support::clickOn(f, "Command12");
  EXPECT_EQ(text("Lb2_0"), "注射费");
  EXPECT_EQ(text("Lb2_1"), "阿莫西林胶囊");
  EXPECT_EQ(text("Lb6_1"), "3.000");

  QWidget* rows = control("Picture1");
  testing_support::clickOn(f, QStringLiteral("Command3_%1").arg(0));
  EXPECT_EQ(rows->y(), ui::px(-8580));
  control<QScrollBar>("VScroll1")->setValue(5);
  EXPECT_EQ(rows->y(), ui::px(275 - 19190 / 2.0));
}

// The priced grid drawn in the program's own fonts, for what its narrow cells show.
class PrescriptionWindowGridDrawnTest : public PrescriptionWindowTest {
 protected:
  testing_support::ProgramFonts fonts;
};

TEST_F(PrescriptionWindowGridDrawnTest, QuantitiesPricesAmountsAndStockReadWholeUpToFiveWholeDigits) {
  PrescriptionWindow& f = form2();
  const struct {
    const char* quantity;
    const char* price;
    const char* amount;
  } cases[] = {
      {"2", "120", "240.000"},
      {"1", "12345", "12345.000"},
      {"1", "99999.999", "99999.999"},
      {"999.5", "1", "999.500"},
  };
  // Each value is as long as its cell holds at digits of the narrowest legible width:
  // nine characters in the 41-pixel price and amount boxes, five in the quantity box,
  // seven in the stock cell.
  for (const auto& c : cases) {
    PrescriptionState s = f.state();
    s.grid[0] = {"注射用头孢曲松钠", "", "支", "", "", "99999.9", "西成药·抗生素", "", "12345.678"};
    f.showState(s);
    type("Lb5_0", c.price);
    type("Lb3_0", c.quantity);
    ASSERT_EQ(text("Lb6_0"), c.amount);
    for (const char* cell : {"Lb3_0", "Lb5_0", "Lb6_0", "Lb7_0", "Lb10_0", "Label16"})
      EXPECT_TRUE(testing_support::showsWhole(control(cell))) << c.price << " x " << c.quantity;
  }

  // A number that fits is drawn in the grid's own font, also after a wider one.
  PrescriptionState s = f.state();
  s.grid[0][prescription::kQuantity] = "";
  s.grid[0][prescription::kPrice] = "";
  f.showState(s);
  type("Lb5_0", "1.5");
  type("Lb3_0", "2");
  EXPECT_EQ(text("Lb6_0"), "3.000");
  EXPECT_EQ(control("Lb6_0")->font(), control("Lb2_0")->font());
}

}  // namespace
