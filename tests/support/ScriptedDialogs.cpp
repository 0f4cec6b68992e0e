#include "support/ScriptedDialogs.h"

namespace testing_support {

void ScriptedDialogs::message(const QString& text, const QString& title, Icon icon) {
  messages.append({text, title, icon, std::nullopt});
  if (onMessage) onMessage(text);
}

platform::Dialogs::Answer ScriptedDialogs::ask(const QString& text, const QString& title, Buttons buttons,
                                               Icon icon) {
  messages.append({text, title, icon, buttons});
  if (!answers.isEmpty()) return answers.dequeue();
  return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::No : Answer::Cancel;
}

QString ScriptedDialogs::openFileName(const QString& caption, const QString& filter) {
  fileDialogs.append({caption, filter});
  return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedDialogs::saveFileName(const QString& caption, const QString& filter) {
  fileDialogs.append({caption, filter});
  return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedDialogs::inputText(const QString& prompt, const QString& title) {
  messages.append({prompt, title, Icon::Information, std::nullopt});
  return inputs.isEmpty() ? QString() : inputs.dequeue();
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
  openedUrls.append(url);
  return openUrlSucceeds;
}

QStringList ScriptedDialogs::texts() const {
  QStringList out;
  for (const ShownMessage& m : messages) out << m.text;
  return out;
}

}  // namespace testing_support
