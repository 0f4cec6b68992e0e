// Window-kit pieces that several windows share: a list picked by a double click or Enter,
// the Tab key's order,
// a toolbar of picture buttons with their pressed look, choice buttons marked in bold, and
// list rows given by their texts.
#include "support/RealInput.h"
#include "ui/ControlTable.h"
#include "ui/FocusAndKeys.h"
#include "ui/PictureToolbar.h"
#include "ui/TextRows.h"

#include <QLineEdit>
#include <QListView>

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ListPick, ADoubleClickOrEnterPicksOnceAndOtherKeysOnlyMove) {
  QListWidget list;
  list.addItems({QStringLiteral("甲"), QStringLiteral("乙")});
  list.resize(200, 100);
  int picks = 0;
  int activations = 0;
  ui::onPick(&list, [&] { ++picks; });
  QObject::connect(&list, &QListWidget::activated, [&] { ++activations; });
  list.show();
  list.setFocus();
  list.setCurrentRow(0);

  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(picks, 0);
  EXPECT_EQ(list.currentRow(), 1);
  for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&list, enter);
  EXPECT_EQ(picks, 2);
  EXPECT_EQ(activations, 0) << "Enter goes no further than the pick";

  const QPoint second = list.visualItemRect(list.item(1)).center();
  testing_support::doubleClick(list.viewport(), second);
  EXPECT_EQ(picks, 3);
}

TEST(TabChain, TheTabKeyWalksTheControlsInTheGivenOrder) {
  QWidget window;
  auto* first = new QLineEdit(&window);
  auto* second = new QLineEdit(&window);
  auto* third = new QLineEdit(&window);
  ui::setTabChain({first, third, second});
  EXPECT_EQ(first->nextInFocusChain(), third);
  EXPECT_EQ(third->nextInFocusChain(), second);
}

TEST(PictureToolbar, AnyButtonPressesAndTheReleaseAnywhereGoesToTheWindowWithTheIndex) {
  QWidget frame;
  frame.resize(600, 60);
  ui::PictureToolbar toolbar(QStringLiteral("Box"), QStringLiteral("Icon"), QStringLiteral("Caption"),
                             QStringLiteral("Cover"));
  const ui::PictureButton buttons[] = {{0, u"新建", 60, 1035, QStyle::SP_FileIcon},
                                       {7, u"统计", 1140, 1035, QStyle::SP_FileDialogInfoView}};
  std::vector<int> released;
  toolbar.make(&frame, buttons, 180, 555, {}, [&](int index) { released.push_back(index); });
  frame.show();
  auto* box = frame.findChild<QFrame*>(QStringLiteral("Box_7"));
  auto* cover = frame.findChild<QWidget*>(QStringLiteral("Cover_7"));
  ASSERT_TRUE(box && cover);
  EXPECT_EQ(toolbar.caption(7), "统计");
  EXPECT_TRUE(frame.findChild<QWidget*>(QStringLiteral("Icon_0")));

  QTest::mousePress(cover, Qt::RightButton);
  EXPECT_EQ(box->frameShadow(), QFrame::Sunken);
  EXPECT_TRUE(released.empty()) << "the press alone runs nothing";
  QTest::mouseRelease(cover, Qt::RightButton, {}, QPoint(-50, 300));
  EXPECT_EQ(released, std::vector<int>{7});
  EXPECT_EQ(box->frameShadow(), QFrame::Sunken) << "the window raises the box when it acts";
  toolbar.setPressed(7, false);
  EXPECT_EQ(box->frameShape(), QFrame::NoFrame);
}

TEST(ChoiceButtons, OnlyTheChosenOneIsBold) {
  QWidget window;
  ui::ControlArray<QPushButton> buttons(QStringLiteral("Command1"));
  for (int i : {0, 1, 3}) buttons.make(i, &window, {});
  ui::markChosen(buttons, 0);
  ui::markChosen(buttons, 3);
  for (int i : {0, 1, 3}) EXPECT_EQ(buttons[i]->font().bold(), i == 3) << i;
}

TEST(TextRows, TheViewShowsEachRowsTextAndNothingAfterAClear) {
  QStringList texts = {QStringLiteral("阿莫西林胶囊"), QStringLiteral("头孢拉定胶囊")};
  QListView view;
  auto* rows = new ui::TextRows(&view);
  view.setModel(rows);
  rows->setRows(static_cast<int>(texts.size()), [&texts](int row) { return texts[row]; });
  ASSERT_EQ(view.model()->rowCount(), 2);
  EXPECT_EQ(rows->index(1).data().toString(), "头孢拉定胶囊");
  EXPECT_FALSE(rows->index(1).data(Qt::EditRole).isValid());
  rows->clear();
  EXPECT_EQ(rows->rowCount(), 0);
  EXPECT_FALSE(rows->index(1).isValid());
}

}  // namespace
