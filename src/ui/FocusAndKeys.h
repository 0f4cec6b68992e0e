// Focus and keys for any control: a handler that runs once the control has taken the
// focus, after the control's own handling (so that a caret it places stands), and one
// that sees each key pressed in the control before the control does and may discard it.
#pragma once

#include <QWidget>

#include <functional>

namespace ui {

void onGotFocus(QWidget* control, std::function<void()> handler);

// `handler` gets the key code (Qt::Key) and returns true when the key is to be discarded.
void onKeyDown(QWidget* control, std::function<bool(int key)> handler);

}  // namespace ui
