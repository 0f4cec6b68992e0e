// The busy indicator of the statistics windows: a dark blue bar in a track at the bottom
// left, shown with the busy cursor while a statistic runs. The statistic runs to its end
// without handing control back, so the bar is drawn once at the start and taken away at
// the end.
#pragma once

#include <QLabel>
#include <QWidget>

namespace ui {

class BusyBar {
 public:
  // Picture1 (the track) and Label4 (the bar) inside `parent`, at the design place.
  explicit BusyBar(QWidget* parent);

  void start();
  void stop();
  bool running() const { return Label4->isVisible(); }

  QWidget* Picture1 = nullptr;
  QLabel* Label4 = nullptr;
};

}  // namespace ui
