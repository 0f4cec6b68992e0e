// What the main window's menu asks of the word-list window (PhraseListWindow): which phrase list it
// works on. The window implements this interface.
#pragma once

#include <QString>

namespace links {

class WordListLink {
 public:
  static constexpr const char* kName = "Form5";

  virtual ~WordListLink() = default;

  // Captions the window, names the list it works on (the value of [诊断].[拼音]) in
  // its list label, and fills its list with that list's phrases.
  virtual void showPhraseList(const QString& caption, const QString& listName) = 0;
};

}  // namespace links
