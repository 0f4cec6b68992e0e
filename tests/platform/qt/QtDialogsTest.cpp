// The real message boxes and file dialogs: the icon and the default button each question
// was asked with; the file dialog's columns in the program's language.
#include "platform/qt/QtDialogs.h"
#include "support/ShownWhole.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>
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

// The environment may name any language: the dialog's type and date columns read Chinese,
// the dates as the program's locale writes them.
TEST(QtDialogs, TheSaveDialogListsFoldersAndFilesInChinese) {
  const testing_support::ProgramFonts fonts;
  const testing_support::TempFolder folder;
  folder.makeDir("备份");
  folder.writeFile("目录.xls", "x");
  const QString before = QDir::currentPath();
  QDir::setCurrent(folder.path());

  QMap<QString, QStringList> rows;  // name: size, type, date
  QString expectedDate;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* view = dialog->findChild<QTreeView*>("treeView");
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    // The folder is read in the background.
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) >= 2; }, 5000));
    for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
      const auto text = [&](int column) { return model->index(r, column, view->rootIndex()).data().toString(); };
      rows.insert(text(0), {text(1), text(2), text(3)});
    }
    expectedDate = QLocale(QLocale::Chinese, QLocale::China)
                       .toString(QFileInfo(folder.sub("目录.xls")).lastModified(), QLocale::ShortFormat);
    // The date column shows a date whole.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return view->header()->sectionSize(3) >= view->fontMetrics().horizontalAdvance(expectedDate); }, 2000));
    dialog->reject();
  });
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  platform::QtDialogs dialogs;
  EXPECT_EQ(dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)")), QString());
  QDir::setCurrent(before);

  ASSERT_TRUE(rows.contains("备份") && rows.contains("目录.xls")) << rows.keys().join('|').toStdString();
  EXPECT_EQ(rows["备份"][1], "文件夹");
  EXPECT_EQ(rows["目录.xls"][1], "Excel 电子表格") << "the content type's name in the program's language";
  EXPECT_EQ(rows["目录.xls"][2], expectedDate);
  EXPECT_EQ(rows["目录.xls"][0], QLocale(QLocale::Chinese, QLocale::China).formattedDataSize(1));
}

}  // namespace
