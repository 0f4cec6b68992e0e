// Clicks and hovering for any control, also for those without such signals (labels,
// picture boxes): a left-button click released inside the control runs its click
// handler; the mouse entering it runs its hover handler.
#pragma once

#include <QWidget>

#include <functional>

namespace ui {

void onClick(QWidget* control, std::function<void()> handler);
void onHover(QWidget* control, std::function<void()> handler);

}  // namespace ui
