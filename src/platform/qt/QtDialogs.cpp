#include "platform/qt/QtDialogs.h"

#include "platform/qt/FileColumns.h"
#include "ui/TypedText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeView>

namespace platform {
namespace {

QWidget* owner() { return QApplication::activeWindow(); }

QMessageBox::Icon shownIcon(Dialogs::Icon icon) {
  switch (icon) {
    case Dialogs::Icon::Question:
      return QMessageBox::Question;
    case Dialogs::Icon::Warning:
      return QMessageBox::Warning;
    case Dialogs::Icon::Information:
      break;
  }
  return QMessageBox::Information;
}

// Qt's own file dialog, which speaks the program's language whatever the desktop speaks
// (a desktop's native dialog speaks the desktop's).
QString chosenFile(const QString& caption, const QString& filter, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner(), caption, QString(), filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The program asks about an existing file itself, once, about the name it writes.
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  dialog.setProxyModel(new FileColumns(&dialog));
  // The size, type and date columns as wide as what they show: a date cut short reads as
  // another date.
  if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
    for (int column = 1; column < details->header()->count(); ++column)
      details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

}  // namespace

void QtDialogs::message(const QString& text, const QString& title, Icon icon) {
  QMessageBox box(shownIcon(icon), title, text, QMessageBox::Ok, owner());
  box.exec();
}

Dialogs::Answer QtDialogs::ask(const QString& text, const QString& title, Buttons buttons, Icon icon) {
  QMessageBox::StandardButtons shown;
  QMessageBox::StandardButton preset = QMessageBox::NoButton;
  switch (buttons) {
    case Buttons::OkCancel:
      shown = QMessageBox::Ok | QMessageBox::Cancel;
      preset = QMessageBox::Ok;
      break;
    case Buttons::YesNo:
      shown = QMessageBox::Yes | QMessageBox::No;
      preset = QMessageBox::Yes;
      break;
    case Buttons::YesNoCancel:
      shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      preset = QMessageBox::Yes;
      break;
    case Buttons::YesNoDefaultNo:
      shown = QMessageBox::Yes | QMessageBox::No;
      preset = QMessageBox::No;
      break;
  }
  QMessageBox box(shownIcon(icon), title, text, shown, owner());
  box.setDefaultButton(preset);
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::No : Answer::Cancel;
  }
}

QString QtDialogs::openFileName(const QString& caption, const QString& filter) {
  return chosenFile(caption, filter, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& filter) {
  return chosenFile(caption, filter, QFileDialog::AcceptSave);
}

QString QtDialogs::inputText(const QString& prompt, const QString& title) {
  QInputDialog dialog(owner());
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setInputMode(QInputDialog::TextInput);
  // What is typed becomes a stored name: the box drops what every box of the program drops.
  if (auto* box = dialog.findChild<QLineEdit*>()) ui::dropUntypableCharacters(box);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtDialogs::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace platform
