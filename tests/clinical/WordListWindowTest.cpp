// The word-list windows from the menu: the phrase list named by the item, a save and a
// duplicate refused, a delete of the chosen row, the symptoms' initials required, and
// the prescription window's herbal usages refilled without losing its text.
#include "clinical/WordListWindow.h"
#include "prescription/PrescriptionWindow.h"
#include "shell/MainWindow.h"

#include "../shell/ShellFixture.h"
#include "support/TextRendering.h"

#include <QComboBox>
#include <QTest>

namespace {

using clinical::PhraseListWindow;
using clinical::SymptomListWindow;

class WordListWindowTest : public testing_support::ShellFixture {
 protected:
  WordListWindowTest() {
    start();
    login();
  }
  static QStringList shown(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }
  void save(clinical::WordListWindow& w, const QString& phrase) {
    w.Text3->setText(phrase);
    QTest::keyClick(w.Text3, Qt::Key_Return);
  }
};

TEST_F(WordListWindowTest, PhraseSavedIntoTheMenusListAndDuplicateRefused) {
  chooseFromMenu(QStringLiteral("添加中药用法"));
  PhraseListWindow& w = *loaded<PhraseListWindow>();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("添加中药用法"));
  const QStringList start = shown(w.List1);
  ASSERT_FALSE(start.isEmpty());  // the usages the main window added

  w.Text1->setText(QStringLiteral("酒"));
  save(w, QStringLiteral("饭后温服"));
  EXPECT_EQ(w.Text1->text(), QString());  // the whole list again
  EXPECT_EQ(shown(w.List1), start + QStringList{"饭后温服"});
  EXPECT_TRUE(w.Text3->text().isEmpty());
  EXPECT_TRUE(window<prescription::PrescriptionWindow>().herbalUsages().contains(QStringLiteral("饭后温服")));

  save(w, QStringLiteral("饭后温服"));
  EXPECT_EQ(dialogs.texts(), QStringList{"“饭后温服”已在列表中，没有重复保存。"});
  EXPECT_EQ(w.Text3->text(), QStringLiteral("饭后温服"));  // kept for correcting
  EXPECT_EQ(w.Text5->text(), QStringLiteral("fhwf"));
}

TEST_F(WordListWindowTest, DeleteRemovesTheChosenRowEvenAfterAnotherWorkstationsSave) {
  execMain(QStringLiteral(R"(DELETE FROM "诊断" WHERE "拼音" = '诊断名称')"));  // the shipped diagnoses
  chooseFromMenu(QStringLiteral("诊断名称"));
  PhraseListWindow& w = *loaded<PhraseListWindow>();
  for (const QString& p : {QStringLiteral("甲病"), QStringLiteral("乙病"), QStringLiteral("丙病")}) save(w, p);
  w.Text1->setText(QStringLiteral("病"));
  ASSERT_EQ(shown(w.List1), (QStringList{"甲病", "乙病", "丙病"}));
  // Meanwhile elsewhere: the first row goes, a new one comes.
  execMain(QStringLiteral(R"(DELETE FROM "诊断" WHERE "序号" = '甲病')"));
  execMain(QStringLiteral(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES ('丁病', '诊断名称', '丁病-db'))"));
  w.List1->setCurrentRow(1);  // 乙病
  QTest::mouseClick(w.Command1, Qt::LeftButton);
  EXPECT_EQ(shown(w.List1), (QStringList{"丙病", "丁病"}));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(WordListWindowTest, TheHerbalUsageDropDownFollowsADeleteAndKeepsTheChosenUsage) {
  chooseFromMenu(QStringLiteral("添加中药用法"));
  PhraseListWindow& w = *loaded<PhraseListWindow>();
  save(w, QStringLiteral("饭后温服"));
  save(w, QStringLiteral("睡前服"));
  prescription::PrescriptionWindow& form2 = window<prescription::PrescriptionWindow>();
  auto* usages = form2.findChild<QComboBox*>(QStringLiteral("C1"));
  ASSERT_NE(usages, nullptr);
  usages->setCurrentIndex(usages->findText(QStringLiteral("睡前服")));
  ASSERT_EQ(form2.herbalUsage(), QStringLiteral("睡前服"));

  w.List1->setCurrentRow(int(shown(w.List1).indexOf(QStringLiteral("饭后温服"))));
  QTest::mouseClick(w.Command1, Qt::LeftButton);
  EXPECT_FALSE(form2.herbalUsages().contains(QStringLiteral("饭后温服")));
  EXPECT_EQ(form2.herbalUsages(), shown(w.List1));
  EXPECT_EQ(form2.herbalUsage(), QStringLiteral("睡前服"));
}

TEST_F(WordListWindowTest, SymptomsNeedInitialsAndKeepTheTypedText) {
  chooseFromMenu(QStringLiteral("添加常用症状"));
  SymptomListWindow& w = *loaded<SymptomListWindow>();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("添加常用症状"));
  w.Text3->setText(QStringLiteral("咳嗽"));
  w.Text5->clear();
  QTest::mouseClick(w.Command2, Qt::LeftButton);
  EXPECT_EQ(dialogs.texts(), QStringList{"请填写拼音代码！"});
  EXPECT_EQ(w.Text3->text(), QStringLiteral("咳嗽"));
  w.Text5->setText(QStringLiteral("ks"));
  QTest::mouseClick(w.Command2, Qt::LeftButton);
  EXPECT_TRUE(shown(w.List1).contains(QStringLiteral("咳嗽")));
}

// The program's window font from before the first window on.
class WordListRendering : public testing_support::ProgramFont, public WordListWindowTest {};

// At the window font the phrases stand apart: each row the line spacing and 2 px more,
// with blank pixels between the rows' text, and a click chooses the row under the mouse.
TEST_F(WordListRendering, RowsStandApartAndAClickChoosesTheRowUnderIt) {
  chooseFromMenu(QStringLiteral("添加中药用法"));
  PhraseListWindow& w = *loaded<PhraseListWindow>();
  w.window()->show();
  save(w, QStringLiteral("饭后温服"));
  ASSERT_GE(w.List1->count(), 3);
  const int pitch = QFontMetrics(w.List1->font()).lineSpacing() + 2;
  for (int r = 0; r < 3; ++r) EXPECT_EQ(w.List1->visualItemRect(w.List1->item(r)).height(), pitch) << r;
  const QRect rows = w.List1->visualItemRect(w.List1->item(0)).united(w.List1->visualItemRect(w.List1->item(2)));
  const auto ink = testing_support::inkRows(w.List1->viewport(), rows);
  ASSERT_EQ(ink.size(), 3);
  EXPECT_GE(testing_support::smallestGap(ink), 2);
  EXPECT_EQ(w.List1->geometry(), ui::pxRect(120, 540, 5655, 2760));

  QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {}, QPoint(20, pitch + pitch / 2));
  EXPECT_EQ(w.List1->currentRow(), 1);
}

}  // namespace
