// A picture box that prints can draw on: a paper background that stays, and a drawing
// layer in front of it that clearDrawing clears. The overlay template window previews on
// it.
#pragma once

#include "printing/service/PainterDevice.h"

#include <QImage>
#include <QWidget>

namespace printing {

class PreviewCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewCanvas(QWidget* parent = nullptr);

  // Clears earlier drawing; the background stays.
  void clearDrawing();
  // What has been drawn, without the background.
  const QImage& drawing() const { return layer_; }
  QImage& drawing() { return layer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage background_;
  QImage layer_;
};

// Draws on a canvas in screen pixels, 15 twips a pixel. One page: a new page has nowhere
// to go and is refused.
class CanvasDevice : public PainterDevice {
 public:
  explicit CanvasDevice(PreviewCanvas& canvas) : canvas_(canvas) {}
  ~CanvasDevice() override;

 protected:
  QPaintDevice* open(Orientation) override { return &canvas_.drawing(); }
  bool turnPage(Orientation) override { return false; }
  bool finish() override;

 private:
  PreviewCanvas& canvas_;
};

}  // namespace printing
