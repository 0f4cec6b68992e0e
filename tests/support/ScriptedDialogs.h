// A Dialogs double: records every message and answers from a script.
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace testing_support {

struct ShownMessage {
  QString text;
  QString title;
  platform::Dialogs::Icon icon = platform::Dialogs::Icon::Information;
  // The buttons of a question; none for a message or an input box.
  std::optional<platform::Dialogs::Buttons> buttons;
};

class ScriptedDialogs : public platform::Dialogs {
 public:
  void message(const QString& text, const QString& title = platform::kPromptTitle,
               Icon icon = Icon::Information) override;
  Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::Question) override;
  QString openFileName(const QString& caption, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& filter) override;
  QString inputText(const QString& prompt, const QString& title) override;
  bool openUrl(const QUrl& url) override;

  QList<ShownMessage> messages;     // every message and question, in order
  QQueue<Answer> answers;           // next answers to ask(); Cancel/No when empty
  QQueue<QString> fileNames;        // next file dialog results; "" (cancel) when empty
  QQueue<QString> inputs;           // next input box answers; "" (cancel) when empty
  QList<QUrl> openedUrls;
  // Every file dialog shown, as its caption and its filter, in order.
  QList<QStringList> fileDialogs;
  bool openUrlSucceeds = true;
  // Runs as each message is shown, to look at the program's state at that moment.
  std::function<void(const QString& text)> onMessage;

  QStringList texts() const;
};

}  // namespace testing_support
