#include "ui/BusyBar.h"

#include "ui/Controls.h"

#include <QApplication>
#include <QFrame>

namespace ui {

BusyBar::BusyBar(QWidget* parent) {
  auto* track = make<QFrame>(parent, QStringLiteral("Picture1"), {120, 6300, 3075, 375});
  track->setFrameShape(QFrame::StyledPanel);
  Picture1 = track;
  Label4 = make<QLabel>(Picture1, QStringLiteral("Label4"), {0, 0, 30, 315});
  Label4->setAutoFillBackground(true);
  Label4->setStyleSheet(QStringLiteral("background-color: rgb(0,0,192);"));
  Label4->hide();
}

void BusyBar::start() {
  setPlace(Label4, {0, 0, 3030, 315});
  Label4->show();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Label4->repaint();
}

void BusyBar::stop() {
  if (!Label4->isVisible()) return;
  QApplication::restoreOverrideCursor();
  Label4->hide();
  setPlace(Label4, {0, 0, 30, 315});
}

}  // namespace ui
