#include "ui/ComboBoxes.h"

#include <QComboBox>

namespace ui {

void takeTextAsTyped(QComboBox* box) {
  box->setEditable(true);
  // Making a box editable gives it a completer; without one the typed text stays.
  box->setCompleter(nullptr);
  box->setInsertPolicy(QComboBox::NoInsert);
}

}  // namespace ui
