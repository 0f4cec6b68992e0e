// A print device that keeps what was drawn instead of printing it: the texts and lines
// of every page at their positions in twips from the printable area's top-left corner,
// with their fonts. Prints are checked against it.
#pragma once

#include "printing/service/PrintDevice.h"

#include <QList>

namespace printing {

class RecordingDevice : public PrintDevice {
 public:
  struct Text {
    int page = 0;
    QPointF at;  // twips
    QString text;
    QString face;
    double size = 0;  // points
    bool bold = false;
  };
  struct Line {
    int page = 0;
    QPointF from;  // twips
    QPointF to;
    int width = 0;  // device pixels
  };

  // A device that cannot begin stands for a printer that is missing or refuses the job.
  explicit RecordingDevice(bool canBegin = true) : canBegin_(canBegin) {}

  bool begin(Orientation orientation) override;
  double resolution() const override { return 1440; }  // one dot a twip
  // The printable area of the last page begun: `printable` turned to its orientation.
  QSizeF printableArea() const override;
  void drawText(const QPointF& topLeft, const QString& text, const QFont& font) override;
  void drawLine(const QPointF& from, const QPointF& to, int width) override;
  bool newPage(Orientation orientation) override;
  bool end() override;
  void abort() override;

  QList<Text> texts;
  QList<Line> lines;
  QList<Orientation> pages;  // the orientation of each page
  int jobsBegun = 0;
  int jobsEnded = 0;
  int jobsAborted = 0;
  // The printable area of a portrait page in twips; A4 without margins unless a test
  // sets a printer's.
  QSizeF printable{210 * 56.7, 297 * 56.7};

  // The texts whose content is `text`, in drawing order.
  QList<Text> textsNamed(const QString& text) const;

 private:
  bool canBegin_;
};

}  // namespace printing
