// The back end of a print: where the pages go (a printer, a PDF file, a preview canvas or
// a recording for tests). It paints in its own device coordinates; the print surface
// converts the program's twips and millimetres before it calls here.
#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace printing {

enum class Orientation { Portrait, Landscape };

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // Starts the job on its first page; false when it cannot (no printer, a file that
  // cannot be written). Called once, at the first drawing of a document.
  virtual bool begin(Orientation orientation) = 0;
  // Device pixels per inch, known once the job has begun.
  virtual double resolution() const = 0;
  // The printable area of the current page in device pixels, known once the job has
  // begun; empty when the device cannot tell.
  virtual QSizeF printableArea() const { return {}; }
  // A text with the top-left corner of its first character at `topLeft`.
  virtual void drawText(const QPointF& topLeft, const QString& text, const QFont& font) = 0;
  // A straight black line `width` device pixels wide.
  virtual void drawLine(const QPointF& from, const QPointF& to, int width) = 0;
  // Ends the page and starts the next; false when the device refused.
  virtual bool newPage(Orientation orientation) = 0;
  // Ends the job and sends it; false when it could not be finished.
  virtual bool end() = 0;
  // Drops a begun job: nothing of it reaches the paper or the file.
  virtual void abort() = 0;
};

}  // namespace printing
