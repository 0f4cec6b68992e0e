// The stroke input window "智能笔画输入法": an always-on-top pad at the screen's right
// edge that types Chinese characters, picked by their strokes, into the text box that
// last took the focus in the windows it serves.
#pragma once

#include "shell/service/StrokePad.h"
#include "ui/ControlArray.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace ui {
class InputTarget;
}

namespace shell {

class StrokePadWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form21";

  explicit StrokePadWindow(ui::Session& session);
  ~StrokePadWindow() override;

  void Form_Load() override;

  // The handlers, as the controls run them (tests call them too).
  void Command8_Click(int index);  // stroke key
  void Command9_Click();           // 清空
  void Command10_Click();          // 退格
  void Command1_Click();           // 英 / 中
  void Command2_Click();           // 帮助
  void Command3_Click();           // 隐藏帮助
  void Label1_Click(int index);    // radical slot
  void Label2_Click(int index);    // character slot
  void Label4_Click(int index);    // key of the key panel
  void Label5_Click();             // Enter into the target
  void Text2_Change();             // look-up box

  const StrokePad& pad() const { return pad_; }

  // The window's height in twips as designed, caption included: compact and with help.
  static constexpr int kCompactHeight = 2085;
  static constexpr int kHelpHeight = 4770;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void setHeight(int designHeight);
  void placeAtRightEdge();
  // Reads the target's kind for this event ("" becomes "词频", as the pad takes it).
  void aim();
  std::unique_ptr<ui::InputTarget> target() const;
  void giveFocusBack();
  void showView();
  void showCharacterPanel();
  void highlightRadical(int index);
  void highlightCharacter(int index);
  void resetHighlight();
  // The dictionary's failures, each told once while the pad is open.
  void tellReadFailure(const QString& reason);
  void tellWriteFailure(const QString& reason);

  ui::Session& session_;
  StrokePad pad_;
  bool readFailureTold_ = false;
  bool writeFailureTold_ = false;
  bool placedWithFrame_ = false;

  QWidget* Picture1 = nullptr;
  QLabel* Label3 = nullptr;
  ui::ControlArray<QPushButton> Command8{QStringLiteral("Command8")};
  QPushButton* Command9 = nullptr;
  QPushButton* Command10 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QWidget* panelArea_ = nullptr;
  QWidget* Picture2 = nullptr;
  QWidget* Picture3 = nullptr;
  QWidget* Picture5 = nullptr;
  ui::ControlArray<QLabel> Label1{QStringLiteral("Label1")};
  ui::ControlArray<QLabel> Label2{QStringLiteral("Label2")};
  ui::ControlArray<QLabel> Label4{QStringLiteral("Label4")};
  QPlainTextEdit* Text1 = nullptr;
  QWidget* lookUpPanel_ = nullptr;
  QLineEdit* Text2 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
};

}  // namespace shell
