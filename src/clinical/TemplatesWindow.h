// What the main window's menu asks of the templates window (Form4): the category it
// starts on. The window implements this interface.
#pragma once

namespace clinical {

class TemplatesWindow {
 public:
  static constexpr const char* kName = "Form4";

  // Elements of the category option buttons Option1.
  enum Category { kRecordPhrases = 2 };  // "病历常用语"

  virtual ~TemplatesWindow() = default;

  // Names the category in the window's category label and selects its option button,
  // which lists the templates of that category.
  virtual void chooseCategory(int option) = 0;
};

}  // namespace clinical
