// The real dialogs: Qt message boxes, file dialogs and the desktop's browser.
#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace platform {

class QtDialogs final : public Dialogs {
 public:
  void message(const QString& text, const QString& title = kPromptTitle, Icon icon = Icon::Information) override;
  Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::Question) override;
  QString openFileName(const QString& caption, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& filter) override;
  QString inputText(const QString& prompt, const QString& title) override;
  bool openUrl(const QUrl& url) override;
};

}  // namespace platform
