#include "printing/PreviewCanvas.h"

#include <QPainter>
#include <QRandomGenerator>

namespace printing {
namespace {

constexpr int kDotsPerMetreAt96 = 3780;  // 96 dots an inch: 15 twips a pixel

// Plain white paper with a faint grain, 561 × 787 pixels; the same on every run.
QImage paperTexture() {
  QImage paper(561, 787, QImage::Format_RGB32);
  paper.fill(QColor(252, 252, 249));
  QRandomGenerator grain(19);
  for (int i = 0; i < 9000; ++i) {
    const int shade = 236 + grain.bounded(12);
    paper.setPixelColor(grain.bounded(paper.width()), grain.bounded(paper.height()), QColor(shade, shade, shade - 3));
  }
  return paper;
}

QImage emptyLayer(const QSize& size) {
  QImage layer(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  layer.setDotsPerMeterX(kDotsPerMetreAt96);
  layer.setDotsPerMeterY(kDotsPerMetreAt96);
  layer.fill(Qt::transparent);
  return layer;
}

}  // namespace

PreviewCanvas::PreviewCanvas(QWidget* parent) : QWidget(parent), background_(paperTexture()) {
  layer_ = emptyLayer(size());
}

void PreviewCanvas::clearDrawing() {
  layer_.fill(Qt::transparent);
  update();
}

void PreviewCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.drawImage(0, 0, background_);  // from the top-left corner, cut at the edges
  painter.drawImage(0, 0, layer_);
}

void PreviewCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (layer_.size() != size()) layer_ = emptyLayer(size());
}

CanvasDevice::~CanvasDevice() {
  if (painter_.isActive()) painter_.end();
}

bool CanvasDevice::finish() {
  canvas_.update();
  return true;
}

}  // namespace printing
