// Clicks and hovering for any control, also for those without such signals (labels,
// picture boxes): a left-button click released inside the control runs its click
// handler; the mouse entering it runs its hover handler.
#pragma once

#include <QWidget>

#include <functional>

namespace ui {

void onClick(QWidget* control, std::function<void()> handler);
void onHover(QWidget* control, std::function<void()> handler);
// A picture button's mouse: any button going down (or a double click) runs `down`, any
// coming up runs `up`; the control takes these events, so nothing under it sees them. The
// control holds the mouse from the press on, so the release reaches it wherever the
// pointer then is.
void onPressAndRelease(QWidget* control, std::function<void()> down, std::function<void()> up);
// Every event of the control, before the control has it: `handler` returns true when the
// event goes no further.
void onEvent(QWidget* control, std::function<bool(QEvent* event)> handler);

}  // namespace ui
