// Focus and keys for any control: a handler that runs once the control has taken the
// focus, after the control's own handling (so that a caret it places stands), and one
// that sees each key pressed in the control before the control does and may discard it.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QAbstractItemView;

namespace ui {

void onGotFocus(QWidget* control, std::function<void()> handler);

// The Tab key walks the controls in this order, first to last.
void setTabChain(const std::vector<QWidget*>& controls);

// `handler` gets the key code (Qt::Key) and returns true when the key is to be discarded.
void onKeyDown(QWidget* control, std::function<bool(int key)> handler);

// A pick from a list: a double click on an item, or Enter, which goes no further; other
// keys move the selection as usual.
void onPick(QAbstractItemView* list, std::function<void()> pick);
// Moves the focus into the list, onto its first row (the Down key from a box into the list
// that suggests its phrases).
void enterList(QAbstractItemView* list);

}  // namespace ui
