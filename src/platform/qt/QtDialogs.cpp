#include "platform/qt/QtDialogs.h"

#include "ui/TypedText.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace platform {
namespace {

QWidget* owner() { return QApplication::activeWindow(); }

}  // namespace

void QtDialogs::message(const QString& text, const QString& title) {
  QMessageBox::information(owner(), title, text, QMessageBox::Ok);
}

Dialogs::Answer QtDialogs::ask(const QString& text, const QString& title, Buttons buttons) {
  QMessageBox::StandardButtons shown;
  QMessageBox::StandardButton preset = QMessageBox::NoButton;
  switch (buttons) {
    case Buttons::OkCancel:
      shown = QMessageBox::Ok | QMessageBox::Cancel;
      break;
    case Buttons::YesNo:
      shown = QMessageBox::Yes | QMessageBox::No;
      break;
    case Buttons::YesNoCancel:
      shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      break;
    case Buttons::YesNoDefaultNo:
      shown = QMessageBox::Yes | QMessageBox::No;
      preset = QMessageBox::No;
      break;
  }
  switch (QMessageBox::question(owner(), title, text, shown, preset)) {
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
  return QFileDialog::getOpenFileName(owner(), caption, QString(), filter);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& filter) {
  // The program asks about an existing file itself, once, about the name it writes.
  return QFileDialog::getSaveFileName(owner(), caption, QString(), filter, nullptr, QFileDialog::DontConfirmOverwrite);
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
