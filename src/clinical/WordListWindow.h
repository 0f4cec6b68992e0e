// The word-list windows: PhraseListWindow keeps the diagnoses, addresses and herbal usages of
// [诊断], one list at a time, and SymptomListWindow the common symptoms of [地址]. Both list their
// phrases, filter them as the user types, add a phrase with its initials and delete the
// phrase chosen in the list.
#pragma once

#include "links/WordListLink.h"
#include "clinical/service/WordLists.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace clinical {

class WordListWindow : public ui::Window {
  Q_OBJECT

 public:
  QLineEdit* Text1 = nullptr;  // search
  QListWidget* List1 = nullptr;
  QLabel* Label1_0 = nullptr;  // the list's name beside the phrase box
  QLineEdit* Text3 = nullptr;  // phrase
  QLineEdit* Text5 = nullptr;  // initials
  QPushButton* Command1 = nullptr;  // 删  除
  QPushButton* Command2 = nullptr;  // 保  存

  void Form_Load() override;

 public slots:
  void Command1_Click();
  void Command2_Click();
  // Fills the list for the search text and the list kind.
  void fill();

 protected:
  WordListWindow(ui::Session& session, const QString& name, bool symptoms);
  WordListKind kind() const;

  ui::Session& session_;

 private:
  void buildControls();
  // After a save or a delete: the list again, and for the phrase lists the prescription
  // window's herbal usages.
  void refill();
  void refillHerbalUsages();

  bool symptoms_;
};

class PhraseListWindow : public WordListWindow, public links::WordListLink {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form5";
  explicit PhraseListWindow(ui::Session& session) : WordListWindow(session, QString::fromLatin1(kName), false) {}
  void showPhraseList(const QString& caption, const QString& listName) override;
  // Command3_Click: fills the list, as the menu asks after naming the list.
  void Command3_Click() { fill(); }
};

class SymptomListWindow : public WordListWindow {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form6";
  explicit SymptomListWindow(ui::Session& session) : WordListWindow(session, QString::fromLatin1(kName), true) {}
};

}  // namespace clinical
