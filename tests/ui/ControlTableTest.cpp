// Controls laid out from tables: each row's look is applied in full, in the right order,
// and the rows become the array's elements in the table's order.
#include "ui/ControlTable.h"
#include "ui/Fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ControlTable, LabelRowsBecomeArrayElementsWithTheirLook) {
  QWidget parent;
  ui::ControlArray<QLabel> captions("Label2");
  const ui::LabelRow rows[] = {
      {3, {180, 1920}, QStringLiteral("Rp"), ui::Look::font(ui::kSongTi, 18, true).fitted()},
      {0, {0, 120, 1500, 285}, QStringLiteral("处  方  笺"), ui::Look().coloured(Qt::red).aligned(Qt::AlignCenter)},
      {7, {180, 7500}, QStringLiteral("共   剂"), ui::Look::font(ui::kSongTi, 9).hiddenAtFirst()},
  };
  ui::makeLabels(captions, &parent, rows);

  ASSERT_EQ(captions.count(), 3);
  QLabel* rp = captions[3];
  EXPECT_EQ(rp->objectName(), "Label2_3");
  EXPECT_EQ(rp->text(), "Rp");
  EXPECT_TRUE(rp->font().bold());
  // Fitted after its font is set: its size is that of its caption in the large font, not in
  // the container's.
  EXPECT_EQ(rp->size(), rp->sizeHint());
  EXPECT_EQ(rp->pos(), QPoint(12, 128));

  QLabel* title = captions[0];
  EXPECT_EQ(title->size(), QSize(100, 19));  // a given size stays
  EXPECT_EQ(title->alignment(), Qt::AlignCenter);
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(title->font(), parent.font());  // no font in the row keeps the container's

  EXPECT_TRUE(captions[7]->isHidden());
  EXPECT_FALSE(rp->isHidden());
  // Made in the table's order: a later row lies over an earlier one.
  EXPECT_EQ(parent.children().indexOf(rp), 0);
  EXPECT_EQ(parent.children().indexOf(captions[7]), 2);
}

TEST(ControlTable, TheLookAlignsAndColoursABoxAsItDoesALabel) {
  QWidget parent;
  auto* box = ui::make<QLineEdit>(&parent, "Text6", {420, 7500, 255, 225});
  ui::Look look = ui::Look().coloured(Qt::blue).aligned(Qt::AlignRight);
  look.background = Qt::yellow;
  ui::applyLook(box, look);
  EXPECT_EQ(box->alignment(), Qt::AlignRight);
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::blue));
  EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::yellow));
  EXPECT_TRUE(box->autoFillBackground());
}

TEST(ControlTable, LineRowsKeepTheirEndsColourAndWidth) {
  QWidget parent;
  ui::ControlArray<ui::Line> lines("Line2");
  const ui::LineRow rows[] = {{1, 5340, 180, 5880, 180, Qt::black, 2}, {0, 180, 7800, 5880, 7800}};
  ui::makeLines(lines, &parent, rows);
  ui::Line* box = lines[1];
  EXPECT_EQ(box->objectName(), "Line2_1");
  EXPECT_EQ(box->borderWidth(), 2);
  EXPECT_DOUBLE_EQ(box->X1(), 5340);
  EXPECT_DOUBLE_EQ(box->X2(), 5880);
  EXPECT_DOUBLE_EQ(box->Y2(), 180);
  // An unspecified line is black and one pixel wide.
  EXPECT_EQ(lines[0]->borderWidth(), 1);
  EXPECT_EQ(lines[0]->borderColor(), QColor(Qt::black));
  EXPECT_DOUBLE_EQ(lines[0]->Y1(), 7800);
}

TEST(ControlTable, EachButtonRowRunsItsOwnClick) {
  QWidget window;
  std::vector<QString> ran;
  const std::vector<QPushButton*> made = ui::makeButtons(&window, {
      {"Command7", u"查   询", {2700, 6630, 915, 315}, [&] { ran.push_back("query"); }},
      {"Command2", u"今日患者", {2700, 7020, 915, 315}, [&] { ran.push_back("today"); }},
  });
  ASSERT_EQ(made.size(), 2u);
  EXPECT_EQ(made[1]->objectName(), "Command2");
  EXPECT_EQ(made[1]->text(), "今日患者");
  EXPECT_EQ(made[1]->geometry(), QRect(180, 468, 61, 21));
  made[1]->click();
  made[0]->click();
  EXPECT_EQ(ran, (std::vector<QString>{"today", "query"}));
}

}  // namespace
