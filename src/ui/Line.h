// A line on its container, given by its end points in twips as the designed line controls
// are: the sheet's rules, the header fields' underlines, the price grid's lines. The
// windows have level and upright lines only. Printing reads the end points back.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

class Line : public QWidget {
  Q_OBJECT

 public:
  explicit Line(QWidget* parent = nullptr);

  // End points in twips, in the container's coordinates.
  void setEnds(double x1, double y1, double x2, double y2);
  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }

  // Width in pixels, as designed (1 or 2).
  void setBorderWidth(int pixels);
  int borderWidth() const { return width_; }
  void setBorderColor(const QColor& colour);
  QColor borderColor() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void fit();

  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  int width_ = 1;
  QColor colour_ = Qt::black;
};

}  // namespace ui
