// List boxes: editable ones whose typed text is a filter, and a box's phrases.
#pragma once

#include <QStringList>

class QComboBox;

namespace ui {

// Makes `box` editable, its typed text going through the filter of every box (ui/TypedText.h);
// Enter adds nothing to its list. Every editable box is made so here.
void makeEditable(QComboBox* box);
// Makes `box` editable and takes what is typed as it stands: the box completes nothing
// from its list ("中" stays "中") and Enter adds nothing to the list.
void takeTextAsTyped(QComboBox* box);

// The box's phrases, first to last (not the entry showChoice adds).
QStringList items(const QComboBox* box);
// Replaces the box's phrases; the text it shows, typed or chosen, stays as it is, and the
// box says no change of it. A drop-down list whose text is not among the new phrases
// shows nothing.
void replaceItems(QComboBox* box, const QStringList& phrases);
// A drop-down list shows `text` as its choice, without saying so: one of its phrases, or,
// for a text that is none of them, an entry of its own after them (until the next
// showChoice or replaceItems); an empty text shows nothing chosen.
void showChoice(QComboBox* box, const QString& text);

}  // namespace ui
