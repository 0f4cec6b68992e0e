#include "printing/service/PainterDevice.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>

namespace printing {
QPageLayout::Orientation pageOrientation(Orientation orientation) {
  return orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool PainterDevice::begin(Orientation orientation) {
  QPaintDevice* device = open(orientation);
  return device && painter_.begin(device);
}

double PainterDevice::resolution() const {
  const QPaintDevice* device = painter_.device();
  return device ? device->logicalDpiX() : 96;
}

QSizeF PainterDevice::printableArea() const {
  // A printer's paint device is its printable area; a PDF page and a canvas are whole.
  const QPaintDevice* device = painter_.device();
  return device ? QSizeF(device->width(), device->height()) : QSizeF();
}

void PainterDevice::drawText(const QPointF& topLeft, const QString& text, const QFont& font) {
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  // QPainter places a text by its baseline; the program places it by its top.
  const QFontMetricsF metrics(font, painter_.device());
  painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void PainterDevice::drawLine(const QPointF& from, const QPointF& to, int width) {
  painter_.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
  painter_.drawLine(from, to);
}

bool PainterDevice::newPage(Orientation orientation) { return turnPage(orientation); }

bool PainterDevice::end() {
  if (painter_.isActive() && !painter_.end()) return false;
  return finish();
}

void PainterDevice::abort() {
  discard();
  if (painter_.isActive()) painter_.end();
}

PdfDevice::PdfDevice(QString path) : path_(std::move(path)) {}

PdfDevice::~PdfDevice() {
  if (painter_.isActive()) painter_.end();
}

QPaintDevice* PdfDevice::open(Orientation orientation) {
  writer_ = std::make_unique<QPdfWriter>(path_);
  writer_->setResolution(1200);
  writer_->setCreator(QStringLiteral("Tavorin"));
  writer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), pageOrientation(orientation), QMarginsF()));
  return writer_.get();
}

bool PdfDevice::turnPage(Orientation orientation) {
  writer_->setPageOrientation(pageOrientation(orientation));
  return writer_->newPage();
}

bool PdfDevice::finish() { return QFile::exists(path_); }

void PdfDevice::discard() {
  if (painter_.isActive()) painter_.end();
  QFile::remove(path_);
}

}  // namespace printing
