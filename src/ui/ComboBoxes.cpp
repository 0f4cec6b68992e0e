#include "ui/ComboBoxes.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ui {

void takeTextAsTyped(QComboBox* box) {
  box->setEditable(true);
  // Making a box editable gives it a completer; without one the typed text stays.
  box->setCompleter(nullptr);
  box->setInsertPolicy(QComboBox::NoInsert);
}

QStringList items(const QComboBox* box) {
  QStringList phrases;
  for (int i = 0; i < box->count(); ++i) phrases << box->itemText(i);
  return phrases;
}

void replaceItems(QComboBox* box, const QStringList& phrases) {
  const QString shown = box->currentText();
  const QSignalBlocker quiet(box);
  box->clear();
  box->addItems(phrases);
  if (box->isEditable())
    box->setEditText(shown);
  else
    box->setCurrentIndex(box->findText(shown));
}

}  // namespace ui
