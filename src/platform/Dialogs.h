// Message boxes, file dialogs and opening web pages: every window goes through this
// interface, so that tests can read the messages and script the answers.
#pragma once

#include <QString>
#include <QUrl>

namespace platform {

inline const QString kPromptTitle = QStringLiteral("提示");

class Dialogs {
 public:
  // YesNoDefaultNo: Yes and No with No as the default button, for a question whose safe
  // answer is to change nothing.
  enum class Buttons { OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
  enum class Answer { Ok, Cancel, Yes, No };
  // The icon beside the text. Warning is the exclamation mark: a message about something
  // that cannot be undone, or about input that must be corrected.
  enum class Icon { Information, Question, Warning };

  virtual ~Dialogs() = default;

  // A message with an OK button; returns when it is closed.
  virtual void message(const QString& text, const QString& title = kPromptTitle, Icon icon = Icon::Information) = 0;
  // A question; returns the button chosen (Cancel or No when the box is closed). YesNo and
  // YesNoCancel have Yes as the default button, OkCancel has OK.
  virtual Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::Question) = 0;
  // File dialogs; an empty result means the user cancelled.
  virtual QString openFileName(const QString& caption, const QString& filter) = 0;
  // The save dialog asks nothing about an existing file: the caller does.
  virtual QString saveFileName(const QString& caption, const QString& filter) = 0;
  // An input box with an OK and a Cancel button; "" when cancelled.
  virtual QString inputText(const QString& prompt, const QString& title) = 0;
  // Opens a web page in the default browser; false when it could not be opened.
  virtual bool openUrl(const QUrl& url) = 0;
};

}  // namespace platform
