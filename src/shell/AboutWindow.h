// The about window: the product name and version, and the download, help and home pages.
#pragma once

#include "ui/Session.h"
#include "ui/Window.h"

#include <QLabel>
#include <QPushButton>

namespace shell {

class AboutWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form10";

  explicit AboutWindow(ui::Session& session);

  void Form_Load() override;

  void Command1_Click();  // the download page
  void Command2_Click();  // "操作帮助"
  void Command3_Click();  // "访问作者主页"
  void Label7_Click();    // the home page's address

  QLabel* Label2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;

 private:
  void open(int page);

  ui::Session& session_;
};

}  // namespace shell
