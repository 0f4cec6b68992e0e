// The print devices that paint with QPainter: a PDF file here, the system printer and
// the preview canvas in the windows. A subclass opens its paint device and turns pages.
#pragma once

#include "printing/service/PrintDevice.h"

#include <QPageLayout>
#include <QPainter>

#include <memory>

class QPdfWriter;

namespace printing {

// The page orientation of a paint device for the print's orientation.
QPageLayout::Orientation pageOrientation(Orientation orientation);

class PainterDevice : public PrintDevice {
 public:
  bool begin(Orientation orientation) override;
  double resolution() const override;
  QSizeF printableArea() const override;
  void drawText(const QPointF& topLeft, const QString& text, const QFont& font) override;
  void drawLine(const QPointF& from, const QPointF& to, int width) override;
  bool newPage(Orientation orientation) override;
  bool end() override;
  void abort() override;

 protected:
  // The paint device ready for its first page, or nullptr when there is none.
  virtual QPaintDevice* open(Orientation orientation) = 0;
  virtual bool turnPage(Orientation orientation) = 0;
  // After the painter has ended: whether the job went through.
  virtual bool finish() { return true; }
  // Drops what was begun, with the painter still active.
  virtual void discard() {}

  QPainter painter_;
};

// A PDF file of A4 pages, without margins: the printable area is the whole page.
class PdfDevice : public PainterDevice {
 public:
  explicit PdfDevice(QString path);
  ~PdfDevice() override;

 protected:
  QPaintDevice* open(Orientation orientation) override;
  bool turnPage(Orientation orientation) override;
  bool finish() override;
  void discard() override;

 private:
  QString path_;
  std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace printing
