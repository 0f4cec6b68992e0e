// The printer as the prints see it: a page measured in twips (or millimetres) from a
// coordinate origin, a current position, a font, a line width. Every print draws
// through this and says nothing about where the page goes; the device behind it does
// the painting in its own coordinates.
//
// A document starts fresh: portrait, twips, the origin at the printable area's top-left
// corner, "宋体" 12 points, not bold, lines 1 pixel wide, the position at (0, 0). The job
// on the device begins only at the first text or line, so a document that draws nothing
// sends nothing; ending the document returns the surface to the fresh state.
#pragma once

#include "printing/service/PrintDevice.h"

#include <QFont>
#include <QString>

#include <optional>

namespace printing {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerMillimetre = 56.7;  // the program's own count, not 1440 / 25.4

enum class ScaleMode { Twips, Millimetres };

// Whether a printed text ends its line or leaves the position after it on the same line.
enum class Then { NextLine, StayOnLine };

// How a document ended.
enum class PrintOutcome {
  NothingDrawn,  // no text and no line: no job was started
  Printed,
  Failed,        // the device could not begin or finish; nothing of it was kept
};

class PrintSurface {
 public:
  explicit PrintSurface(PrintDevice& device);
  PrintSurface(const PrintSurface&) = delete;
  PrintSurface& operator=(const PrintSurface&) = delete;

  // Page orientation; a change after the first drawing takes effect at the next page.
  void setOrientation(Orientation orientation) { orientation_ = orientation; }
  Orientation orientation() const { return orientation_; }

  // The unit of every position; switching puts the origin back at the printable area.
  void setScaleMode(ScaleMode mode);
  ScaleMode scaleMode() const { return mode_; }
  // The coordinates of the printable area's left and top edges: a position x lands
  // x − ScaleLeft units right of that edge.
  void setScaleLeft(double value) { scaleLeft_ = value; }
  void setScaleTop(double value) { scaleTop_ = value; }
  double scaleLeft() const { return scaleLeft_; }
  double scaleTop() const { return scaleTop_; }

  void setCurrentX(double x) { x_ = x; }
  void setCurrentY(double y) { y_ = y; }
  double currentX() const { return x_; }
  double currentY() const { return y_; }

  void setFontName(const QString& face) { font_.setFamily(face); }
  void setFontSize(double points) { font_.setPointSizeF(points); }
  void setFontBold(bool bold) { font_.setBold(bold); }
  const QFont& font() const { return font_; }

  // Line width in device pixels, as the printer counts them.
  void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
  int drawWidth() const { return drawWidth_; }

  // Prints the text with its top-left corner at the current position. NextLine then
  // moves the position to the printable area's left edge, one text line lower;
  // StayOnLine moves it to the end of the text. An empty text draws nothing.
  void print(const QString& text, Then then = Then::NextLine);
  // A straight line between two points, DrawWidth pixels wide.
  void line(double x1, double y1, double x2, double y2);
  // Ends the page; the next drawing goes onto a new one. Before any drawing there is no
  // page to end and nothing happens.
  void newPage();
  // Ends the document and sends it; the surface starts fresh afterwards.
  PrintOutcome endDoc();
  // Drops the document: a begun job is discarded, nothing of it is printed.
  void abortDoc();

  // The height of one text line and the width of a text in the current font, in the
  // current unit.
  double textHeight() const;
  double textWidth(const QString& text) const;

  // The bottom edge of the page's printable area in the current unit and origin; none
  // before the first drawing, after a refusal, or when the device cannot tell.
  std::optional<double> printableBottom() const;

  // True once the device refused; later drawing does nothing.
  bool failed() const { return failed_; }

 private:
  void reset();
  bool ensureBegun();
  double unitTwips() const;
  QPointF toDevice(double x, double y) const;

  PrintDevice& device_;
  Orientation orientation_ = Orientation::Portrait;
  ScaleMode mode_ = ScaleMode::Twips;
  double scaleLeft_ = 0;
  double scaleTop_ = 0;
  double x_ = 0;
  double y_ = 0;
  QFont font_;
  int drawWidth_ = 1;
  bool begun_ = false;
  bool failed_ = false;
  bool pageEnded_ = false;
};

}  // namespace printing
