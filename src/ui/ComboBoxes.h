// List boxes: editable ones whose typed text is a filter, and a box's phrases.
#pragma once

#include <QStringList>

class QComboBox;

namespace ui {

// Makes `box` editable and takes what is typed as it stands: the box completes nothing
// from its list ("中" stays "中") and Enter adds nothing to the list.
void takeTextAsTyped(QComboBox* box);

// The box's phrases, first to last.
QStringList items(const QComboBox* box);
// Replaces the box's phrases; the text it shows, typed or chosen, stays as it is, and the
// box says no change of it.
void replaceItems(QComboBox* box, const QStringList& phrases);

}  // namespace ui
