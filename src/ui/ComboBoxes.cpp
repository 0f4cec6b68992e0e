#include "ui/ComboBoxes.h"

#include "ui/TypedText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ui {
namespace {

// Marks the entry that showChoice adds for a text that is none of the phrases.
constexpr int kShownOnlyRole = Qt::UserRole + 1;

bool shownOnly(const QComboBox* box, int i) { return box->itemData(i, kShownOnlyRole).toBool(); }

}  // namespace

void makeEditable(QComboBox* box) {
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  dropUntypableCharacters(box->lineEdit());
}

void takeTextAsTyped(QComboBox* box) {
  makeEditable(box);
  // Making a box editable gives it a completer; without one the typed text stays.
  box->setCompleter(nullptr);
}

QStringList items(const QComboBox* box) {
  QStringList phrases;
  for (int i = 0; i < box->count(); ++i)
    if (!shownOnly(box, i)) phrases << box->itemText(i);
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

namespace ui {

void showChoice(QComboBox* box, const QString& text) {
  const QSignalBlocker quiet(box);
  for (int i = box->count() - 1; i >= 0; --i)
    if (shownOnly(box, i)) box->removeItem(i);
  if (text.isEmpty()) {
    box->setCurrentIndex(-1);
    return;
  }
  int i = box->findText(text);
  if (i < 0) {
    box->addItem(text);
    i = box->count() - 1;
    box->setItemData(i, true, kShownOnlyRole);
  }
  box->setCurrentIndex(i);
}

}  // namespace ui
