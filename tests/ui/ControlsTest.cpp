// Making controls: names, places in twips, accessible names and descriptions, control
// arrays built from tables, lines, and the click and hover hooks.
#include "ui/ControlArray.h"
#include "ui/ControlEvents.h"
#include "ui/Controls.h"
#include "ui/Line.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Controls, AControlIsNamedPlacedInTwipsAndDescribedByItsName) {
  QWidget parent;
  auto* box = ui::make<QLineEdit>(&parent, "Text5_6", {1470, 1650, 2505, 210});
  EXPECT_EQ(box->parent(), &parent);
  EXPECT_EQ(parent.findChild<QLineEdit*>("Text5_6"), box);
  EXPECT_EQ(box->accessibleDescription(), "Text5_6");
  EXPECT_EQ(box->geometry(), QRect(98, 110, 167, 14));

  // A place without a size leaves the size to the control: a label fits its caption.
  auto* caption = ui::make<QLabel>(&parent, "Label1_6", {60, 60}, QStringLiteral("住址（电话）："));
  EXPECT_EQ(caption->text(), "住址（电话）：");
  EXPECT_EQ(caption->pos(), QPoint(4, 4));
  EXPECT_EQ(caption->size(), caption->sizeHint());
  // A given height with the width left to the caption.
  auto* title = ui::make<QLabel>(&parent, "Label2_0", {0, 120, -1, 285}, QStringLiteral("示例卫生所"));
  EXPECT_EQ(title->width(), title->sizeHint().width());
  EXPECT_EQ(title->height(), 19);
}

TEST(Controls, ACaptionNamesItsBox) {
  QWidget parent;
  auto* box = ui::make<QLineEdit>(&parent, "Text8", {1080, 300, 2040, 315});
  QLabel* caption = ui::makeCaption(&parent, box, QStringLiteral("原密码"), 240, 360);
  EXPECT_EQ(caption->objectName(), "Text8Caption");
  EXPECT_EQ(caption->buddy(), box);
  EXPECT_EQ(box->accessibleName(), "原密码");
  EXPECT_EQ(box->accessibleDescription(), "Text8");
  EXPECT_EQ(caption->pos(), ui::pxPoint(240, 360));
}

TEST(ControlArray, AnArrayIsBuiltFromATableOfElements) {
  QWidget parent;
  ui::ControlArray<QPushButton> buttons(QStringLiteral("Command1"));
  const ui::Element table[] = {{0, {60, 840, 855, 330}, QStringLiteral("抗生素")},
                               {2, {960, 840, 855, 330}, QStringLiteral("解热镇痛")}};
  QStringList finished;
  buttons.makeAll(&parent, table, [&](QPushButton* b, const ui::Element& e) {
    finished << b->objectName() + "=" + QString::number(e.index);
  });
  EXPECT_EQ(finished, (QStringList{"Command1_0=0", "Command1_2=2"}));
  EXPECT_EQ(buttons[2]->text(), "解热镇痛");
  EXPECT_EQ(buttons[2]->accessibleDescription(), "Command1_2");
  EXPECT_EQ(buttons[2]->geometry(), ui::pxRect(960, 840, 855, 330));
  EXPECT_FALSE(buttons.contains(1));

  // A control without a text at construction is made without the caption.
  ui::ControlArray<QWidget> panels(QStringLiteral("Picture7"));
  panels.makeAll(&parent, table);
  EXPECT_EQ(panels.count(), 2);

  // The same index twice is a fault of the table, not a silent replacement.
  const ui::Element twice[] = {{5, {}, {}}, {5, {}, {}}};
  ui::ControlArray<QLabel> labels(QStringLiteral("Label9"));
  EXPECT_THROW(labels.makeAll(&parent, twice), std::logic_error);
}

TEST(ControlArray, ARunPlacesElementsByTheirIndex) {
  // Grid rows: row 0 designed at top 60, row r at r x 315 + 45.
  const std::vector<ui::Element> run = ui::elementRun(0, 70, [](int r) {
    return ui::Place{60, r == 0 ? 60.0 : r * 315.0 + 45, 1635, 195};
  });
  ASSERT_EQ(run.size(), 71u);
  EXPECT_EQ(run.front().place.top, 60);
  EXPECT_EQ(run[1].place.top, 360);
  EXPECT_EQ(run.back().index, 70);
  EXPECT_EQ(run.back().place.top, 22095);

  QWidget parent;
  ui::ControlArray<QLabel> cells(QStringLiteral("Lb2"));
  cells.makeAll(&parent, run);
  EXPECT_EQ(cells.count(), 71);
  EXPECT_EQ(parent.findChild<QLabel*>("Lb2_70")->y(), ui::px(22095));
}

TEST(ControlEvents, ALeftClickReleasedInsideRunsTheClickHandler) {
  QWidget parent;
  parent.resize(200, 100);
  auto* label = ui::make<QLabel>(&parent, "Label7", {0, 0, 1500, 300}, QStringLiteral("https://tavorin.example"));
  int clicks = 0;
  int hovers = 0;
  ui::onClick(label, [&] { ++clicks; });
  ui::onHover(label, [&] { ++hovers; });
  parent.show();

  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(label, Qt::RightButton);
  EXPECT_EQ(clicks, 1) << "the right button is no click";
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(150, 5));
  EXPECT_EQ(clicks, 1) << "released outside the control";

  QEvent enter(QEvent::Enter);
  QCoreApplication::sendEvent(label, &enter);
  EXPECT_EQ(hovers, 1);
  EXPECT_EQ(clicks, 1);
}

TEST(ControlEvents, APictureButtonGoesDownOnAnyPressAndRunsOnAnyRelease) {
  QWidget parent;
  parent.resize(200, 100);
  int clicksUnder = 0;
  ui::onClick(&parent, [&] { ++clicksUnder; });
  auto* label = ui::make<QLabel>(&parent, "Label18_2", {0, 0, 1035, 555});
  std::vector<QString> seen;
  ui::onPressAndRelease(label, [&] { seen.push_back("down"); }, [&] { seen.push_back("up"); });
  parent.show();

  QTest::mousePress(label, Qt::RightButton, {}, QPoint(5, 5));
  // Released far outside the button: the command still runs.
  QTest::mouseRelease(label, Qt::RightButton, {}, QPoint(150, 90));
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(label, &doubleClick);
  EXPECT_EQ(seen, (std::vector<QString>{"down", "up", "down", "up", "down"}));
  EXPECT_EQ(clicksUnder, 0) << "the button takes its mouse events";
}

TEST(Line, ALineCoversItsEndPointsAndLetsClicksThrough) {
  QWidget parent;
  parent.resize(500, 400);
  int clicks = 0;
  auto* under = ui::make<QLabel>(&parent, "Label1_4", {120, 240, 3000, 300});
  ui::onClick(under, [&] { ++clicks; });

  // An underline, drawn right to left, and a rule standing upright.
  struct Case {
    double x1, y1, x2, y2;
    int width;
    QRect geometry;
  } cases[] = {
      {3975, 250, 975, 250, 1, QRect(65, 17, 200, 1)},
      {1740, 0, 1740, 11580, 2, QRect(116, 0, 2, 772)},
  };
  for (const Case& c : cases) {
    auto* line = ui::make<ui::Line>(&parent, "Line6_4", {});
    line->setBorderWidth(c.width);
    line->setEnds(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(line->geometry(), c.geometry);
    EXPECT_EQ(line->X1(), c.x1);
    EXPECT_EQ(line->Y2(), c.y2);
    delete line;
  }

  auto* across = ui::make<ui::Line>(&parent, "Line2_0", {});
  across->setEnds(0, 255, 6000, 255);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  // Through the window, so that the click lands on whatever control lies under the point.
  EXPECT_EQ(parent.childAt(100, 17), under);
  QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(100, 17));
  EXPECT_EQ(clicks, 1) << "the click passes the line to the label under it";
}

}  // namespace
