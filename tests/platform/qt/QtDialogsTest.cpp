// The real message boxes: the icon and the default button each question was asked with.
#include "platform/qt/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using platform::Dialogs;

struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title;
};

// Looks at the box that opens next and closes it with Enter, which takes its default button.
void answerNextBoxWithEnter(SeenBox& seen) {
  QTimer::singleShot(0, [&seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen.icon = box->icon();
    seen.title = box->windowTitle();
    QTest::keyClick(box, Qt::Key_Return);
  });
}

TEST(QtDialogs, EachBoxShowsTheIconItWasAskedForAndEnterTakesItsDefault) {
  platform::QtDialogs dialogs;
  const struct {
    Dialogs::Buttons buttons;
    Dialogs::Icon icon;
    QMessageBox::Icon shown;
    Dialogs::Answer enter;
  } cases[] = {
      {Dialogs::Buttons::OkCancel, Dialogs::Icon::Warning, QMessageBox::Warning, Dialogs::Answer::Ok},
      {Dialogs::Buttons::YesNo, Dialogs::Icon::Warning, QMessageBox::Warning, Dialogs::Answer::Yes},
      {Dialogs::Buttons::YesNo, Dialogs::Icon::Question, QMessageBox::Question, Dialogs::Answer::Yes},
      {Dialogs::Buttons::YesNoDefaultNo, Dialogs::Icon::Question, QMessageBox::Question, Dialogs::Answer::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.buttons) * 10 + static_cast<int>(c.icon));
    SeenBox seen;
    answerNextBoxWithEnter(seen);
    EXPECT_EQ(dialogs.ask(QStringLiteral("确实要永久删除该档案吗？"), platform::kPromptTitle, c.buttons, c.icon), c.enter);
    EXPECT_EQ(seen.icon, c.shown);
    EXPECT_EQ(seen.title, QStringLiteral("提示"));
  }

  for (const auto icon : {Dialogs::Icon::Warning, Dialogs::Icon::Information}) {
    SeenBox seen;
    answerNextBoxWithEnter(seen);
    dialogs.message(QStringLiteral("请填写正确格式的起止日期！"), platform::kPromptTitle, icon);
    EXPECT_EQ(seen.icon, icon == Dialogs::Icon::Warning ? QMessageBox::Warning : QMessageBox::Information);
  }
}

}  // namespace
