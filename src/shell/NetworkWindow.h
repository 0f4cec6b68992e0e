// The network-setting window: names the host computer whose shared data folder this
// workstation uses from its next start on.
#pragma once

#include "ui/Session.h"
#include "ui/Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell {

class NetworkWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form20";

  explicit NetworkWindow(ui::Session& session);

  void Form_Load() override;

  // Stores the host's name in the host-name file, then ends the program so that the next
  // start takes the host's data.
  void Command1_Click();  // "确  定"

  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;

 private:
  ui::Session& session_;
};

}  // namespace shell
