// The priced grid on its own: which typed cells it hands on and where its rows slide.
#include "prescription/PricedGridView.h"
#include "ui/Twips.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using prescription::kAmount;
using prescription::kName;
using prescription::kPrice;
using prescription::kQuantity;
using prescription::PricedGridView;

using Typed = std::tuple<int, int, QString>;

class PricedGridViewTest : public testing::Test {
 protected:
  PricedGridViewTest() {
    window.resize(ui::px(15015), ui::px(9510));
    window.show();
  }
  template <class W = QWidget>
  W* control(const QString& name) {
    auto* w = window.findChild<W*>(name);
    if (!w) ADD_FAILURE() << "no control " << name.toStdString();
    return w;
  }
  QLineEdit* cell(int column, int row) { return control<QLineEdit>(QStringLiteral("Lb%1_%2").arg(column + 2).arg(row)); }

  QWidget window;
  std::vector<Typed> typed;
  PricedGridView grid{&window, [this](int row, int column, const QString& text) { typed.emplace_back(row, column, text); }};
};

TEST_F(PricedGridViewTest, OnlyQuantityAndPriceTypedOnANamedRowAreHandedOn) {
  prescription::PricedGrid g{};
  g[3][kName] = "阿莫西林胶囊";
  g[3][kQuantity] = "7";
  g[70][kName] = "注射费";
  grid.showGrid(g, "5.00");
  EXPECT_TRUE(typed.empty()) << "the grid's own showing is not typing";
  EXPECT_EQ(cell(kQuantity, 3)->text(), "7");

  const struct {
    int row;
    int column;
    bool handedOn;
  } cases[] = {
      {3, kQuantity, true},
      {70, kPrice, true},  // the last row
      {4, kQuantity, false},  // no name
      {4, kPrice, false},
      {3, kAmount, false},  // the grid works it out
  };
  for (const auto& c : cases) {
    typed.clear();
    QLineEdit* box = cell(c.column, c.row);
    box->selectAll();
    QTest::keyClicks(box, "12");
    if (c.handedOn) {
      ASSERT_FALSE(typed.empty()) << c.row << " " << c.column;
      EXPECT_EQ(typed.back(), Typed(c.row, c.column, "12"));
    } else {
      EXPECT_TRUE(typed.empty()) << c.row << " " << c.column;
      EXPECT_EQ(box->text(), "") << c.row << " " << c.column;
    }
  }

  // A row that loses its name takes no more quantity or price.
  g[3] = {};
  grid.showGrid(g, "");
  typed.clear();
  QTest::keyClicks(cell(kQuantity, 3), "5");
  EXPECT_TRUE(typed.empty());
  EXPECT_EQ(cell(kQuantity, 3)->text(), "");
}

TEST_F(PricedGridViewTest, TheScrollBarSlidesTheRowsBetweenTheHeadingsAndTheLastRows) {
  QWidget* rows = control("Picture1");
  auto* bar = control<QScrollBar>("VScroll1");
  // The rows panel travels its height less what the frame shows below the headings.
  const struct {
    int value;
    double top;
  } cases[] = {{10, 275 - 19190}, {0, 275}};
  for (const auto& c : cases) {
    bar->setValue(c.value);
    EXPECT_EQ(rows->y(), ui::px(c.top)) << c.value;
  }

  bar->setValue(7);
  grid.scrollToTop();
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(rows->y(), ui::px(275));
}

}  // namespace
