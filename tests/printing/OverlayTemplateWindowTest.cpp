// The overlay-template window: opened from the menu with the stored template, its ticks,
// 保存 in one piece, a template that cannot be read, and the preview.
#include "shell/ShellFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "printing/OverlayTemplateWindow.h"
#include "shell/MainWindow.h"
#include "store/Database.h"
#include "ui/Twips.h"

#include <QTest>

namespace {

using printing::OverlayTemplateWindow;
using testing_support::click;

class OverlayTemplateWindowTest : public testing_support::ShellFixture {
 protected:
  OverlayTemplateWindowTest() {
    start();
    login();
  }
  OverlayTemplateWindow& openFromMenu() {
    chooseFromMenu("套打设置");
    OverlayTemplateWindow* form = loaded<OverlayTemplateWindow>();
    EXPECT_NE(form, nullptr);
    return *form;
  }
  QList<QStringList> storedRows() {
    store::Database db(state.stockDbPath, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), R"(SELECT "名称", "左边距", "上边距" FROM "套打设置" ORDER BY rowid)");
    QList<QStringList> rows;
    while (q.executeStep()) rows.append({store::columnText(q, 0), store::columnText(q, 1), store::columnText(q, 2)});
    return rows;
  }
  // Drawn pixels of the preview inside a rectangle of twips.
  static int drawnPixels(const OverlayTemplateWindow& form, double left, double top, double width, double height) {
    const QImage& drawing = form.Picture2->drawing();
    const QRect area = ui::pxRect(left, top, width, height) & drawing.rect();
    int drawn = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) drawn += qAlpha(drawing.pixel(x, y)) > 0;
    return drawn;
  }
};

TEST_F(OverlayTemplateWindowTest, OpensWithTheStoredTemplateInTheDesignedRows) {
  OverlayTemplateWindow& form = openFromMenu();
  EXPECT_TRUE(form.isShown());
  EXPECT_TRUE(form.isWindow());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("套打设置"));
  EXPECT_EQ(form.size(), ui::pxSize(11130, 9390));

  for (int item : {5, 11, 12, 14, 22, 23}) {
    EXPECT_FALSE(form.Check1[item]->isChecked()) << item;
    EXPECT_FALSE(form.Text1[item]->isEnabled()) << item;
  }
  EXPECT_TRUE(form.Check1[18]->isChecked());
  EXPECT_TRUE(form.Text2[18]->isEnabled());
  EXPECT_EQ(form.Text1[18]->text(), QStringLiteral("20"));
  EXPECT_EQ(form.Check1[4]->text(), QStringLiteral("住址|电话"));
  // Rows in the designed order: 男(打钩) fourth, 处方正文 last.
  EXPECT_EQ(form.Picture1[23]->geometry().top(), ui::px(480 + 3 * 360));
  EXPECT_EQ(form.Picture1[18]->geometry().top(), ui::px(480 + 23 * 360));
  EXPECT_EQ(form.Text1[0]->maxLength(), 3);

  QTest::mouseClick(form.Check1[23], Qt::LeftButton);
  EXPECT_TRUE(form.Text1[23]->isEnabled());
  EXPECT_TRUE(form.Text2[23]->isEnabled());
}

TEST_F(OverlayTemplateWindowTest, SaveWritesTheBoxesNormalisedAndNothingElseChanges) {
  OverlayTemplateWindow& form = openFromMenu();
  QList<QStringList> expected = storedRows();
  form.Text1[0]->setText(QStringLiteral("007"));
  form.Text2[0]->setText(QStringLiteral("ab"));
  form.Check1[5]->setChecked(true);
  click(form, "Command1");
  expected[0] = {QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("0")};
  expected[5][0] = QStringLiteral("1");
  EXPECT_EQ(storedRows(), expected);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(form.isShown());

  // The menu reopens it afresh from the table.
  OverlayTemplateWindow& again = openFromMenu();
  EXPECT_EQ(again.Text1[0]->text(), QStringLiteral("7"));
}

TEST_F(OverlayTemplateWindowTest, ATemplateThatCannotBeReadIsSaidAndNeverSavedOver) {
  const QList<QStringList> stored = storedRows();
  const QString inventory = state.stockDbPath;
  state.stockDbPath = folder.sub(QStringLiteral("不在了.dat"));
  OverlayTemplateWindow& form = openFromMenu();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("套打设置无法读取，不能套打，也不能保存：找不到数据文件"));
  EXPECT_FALSE(form.overlayTemplate().has_value());

  // The file is back, but the boxes were never loaded from it: 保存 refuses.
  state.stockDbPath = inventory;
  click(form, "Command1");
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(storedRows(), stored);
}

TEST_F(OverlayTemplateWindowTest, AFailedSaveSaysSo) {
  OverlayTemplateWindow& form = openFromMenu();
  store::Database(state.stockDbPath).exec(QStringLiteral(R"(DROP TABLE "套打设置")"));
  click(form, "Command1");
  ASSERT_EQ(dialogs.messages.size(), 1);
  // What failed, then why, on one line.
  const QString said = dialogs.messages[0].text;
  EXPECT_TRUE(said.startsWith(QStringLiteral("套打设置没有保存：")) && !said.contains(u'\n')) << said.toStdString();
}

// The ticks follow the sex typed in the prescription window, read when 打印预览 is clicked.
TEST_F(OverlayTemplateWindowTest, PreviewTicksTheSexTypedInThePrescriptionWindowAndClearsEarlierDrawing) {
  auto& form2 = window<prescription::PrescriptionWindow>();
  auto* sex = named<QLineEdit>(form2, QStringLiteral("Text5_1"));
  sex->setFocus();
  QTest::keyClicks(sex, QStringLiteral("1"));  // a digit becomes the sex
  ASSERT_EQ(sex->text(), QStringLiteral("男"));

  OverlayTemplateWindow& form = openFromMenu();
  // 男 and 女 ticked, each moved by typing to a place of its own, clear of the sample.
  const struct {
    int item;
    const char* x;
    const char* y;
  } ticks[] = {{23, "150", "100"}, {22, "150", "130"}};
  for (const auto& t : ticks) {
    QTest::mouseClick(form.Check1[t.item], Qt::LeftButton);
    ASSERT_TRUE(form.Check1[t.item]->isChecked());
    for (QLineEdit* box : {form.Text1[t.item], form.Text2[t.item]}) {
      box->selectAll();
      QTest::keyClick(box, Qt::Key_Delete);
    }
    QTest::keyClicks(form.Text1[t.item], QString::fromLatin1(t.x));
    QTest::keyClicks(form.Text2[t.item], QString::fromLatin1(t.y));
  }
  const auto tickDrawn = [&form](double y) { return drawnPixels(form, 150 * 40.824, y * 40.824, 300, 300) > 0; };

  const struct {
    const char* typed;
    bool male, female;
  } cases[] = {{nullptr, true, false}, {"2", false, true}, {"", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : "男");
    if (c.typed) {
      sex->selectAll();
      QTest::keyClick(sex, Qt::Key_Delete);
      QTest::keyClicks(sex, QString::fromLatin1(c.typed));
    }
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_EQ(tickDrawn(100), c.male);
    EXPECT_EQ(tickDrawn(130), c.female);
    EXPECT_GT(drawnPixels(form, 20 * 40.824, 60 * 40.824, 2000, 300), 0);  // the sample body
  }
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
