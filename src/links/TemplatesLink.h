// What other windows ask of the templates window (TemplatesWindow): the menu, the category it starts
// on; the prescription window, a prescription to keep. The window implements this interface.
#pragma once

#include <QString>

namespace links {

class TemplatesLink {
 public:
  static constexpr const char* kName = "Form4";

  // Elements of the category option buttons Option1.
  enum Category { kRecordPhrases = 2 };  // "病历常用语"

  virtual ~TemplatesLink() = default;

  // Names the category in the window's category label and selects its option button,
  // which lists the templates of that category.
  virtual void chooseCategory(int option) = 0;
  // Takes the prescription text to keep as a template of the herbal or the western kind.
  virtual void takePrescription(bool herbal, const QString& prescriptionText) = 0;
};

}  // namespace links
