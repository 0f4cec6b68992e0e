#include "ui/Line.h"

#include "ui/Twips.h"

#include <QPainter>

#include <algorithm>

namespace ui {

Line::Line(QWidget* parent) : QWidget(parent) {
  // Clicks reach whatever lies under the line.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Line::setEnds(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  fit();
}

void Line::setBorderWidth(int pixels) {
  width_ = std::max(1, pixels);
  fit();
}

void Line::setBorderColor(const QColor& colour) {
  colour_ = colour;
  update();
}

// The widget covers the line: its length along it, the line's width across it, the
// thickness starting at the designed coordinate.
void Line::fit() {
  const int left = px(std::min(x1_, x2_));
  const int top = px(std::min(y1_, y2_));
  const int length = std::max(px(std::abs(x2_ - x1_)), px(std::abs(y2_ - y1_)));
  if (y1_ == y2_)
    setGeometry(left, top, std::max(length, 1), width_);
  else
    setGeometry(left, top, width_, std::max(length, 1));
  update();
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
}

}  // namespace ui
