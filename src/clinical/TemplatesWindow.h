// The templates window: herbal formulas, personal prescription sets and record phrases,
// listed by kind, added, edited, saved and deleted.
#pragma once

#include "links/TemplatesLink.h"
#include "clinical/service/TemplateEntry.h"
#include "clinical/service/TemplateLibrary.h"
#include "ui/ControlArray.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace clinical {

// Elements of the kind selector Option1.
enum TemplateKindOption { kFormulaOption = 0, kSetOption = 1, kPhraseOption = 2 };

class TemplatesWindow : public ui::Window, public links::TemplatesLink {
  Q_OBJECT

 public:
  static constexpr const char* kName = links::TemplatesLink::kName;

  explicit TemplatesWindow(ui::Session& session);

  void Form_Load() override;
  void chooseCategory(int option) override;
  // The toolbar's "存为组套": the kind, then the prescription text as content.
  void takePrescription(bool herbal, const QString& prescriptionText) override;

  void Command1_Click();  // 添  加
  void Command5_Click();  // 保  存
  void Command4_Click();  // 删  除
  void List1_Click();
  void Option1_Click(int index);

  int BusyFlag = 0;

 private:
  void fillList();
  QString kind() const { return Label4->text(); }
  // Runs a step on the templates; a failure is said once and the step counts as undone.
  bool withTemplates(const std::function<void(TemplateLibrary&)>& step);

  QGroupBox* Frame1 = nullptr;
  ui::ControlArray<QRadioButton> Option1{QStringLiteral("Option1")};
  QLabel* Label4 = nullptr;  // the current kind (hidden)
  QLabel* Label3 = nullptr;  // the key of the entry being edited (hidden)
  QListWidget* List1 = nullptr;
  QLineEdit* Text1 = nullptr;  // 名称
  QLineEdit* Text4 = nullptr;  // 序号 (order text)
  QLineEdit* Text3 = nullptr;  // 拼音
  QPlainTextEdit* Text2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;

  TemplateEntry entry_;
  ui::Session& session_;
};

}  // namespace clinical
