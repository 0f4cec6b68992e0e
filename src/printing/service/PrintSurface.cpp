#include "printing/service/PrintSurface.h"

#include "platform/FontSubstitutions.h"

#include <QFontMetricsF>
#include <QImage>

namespace printing {
namespace {

constexpr double kDotsPerMetreAtTwips = kTwipsPerInch / 0.0254;

// Texts are measured on a device of 1440 dots an inch, so that one dot is one twip and
// every back end steps its lines by the same amount.
const QImage& twipsMetricsDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setDotsPerMeterX(qRound(kDotsPerMetreAtTwips));
    image.setDotsPerMeterY(qRound(kDotsPerMetreAtTwips));
    return image;
  }();
  return device;
}

QFont freshFont() {
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(12);
  font.setBold(false);
  return font;
}

}  // namespace

PrintSurface::PrintSurface(PrintDevice& device) : device_(device) {
  platform::installFontSubstitutions();
  reset();
}

void PrintSurface::reset() {
  orientation_ = Orientation::Portrait;
  mode_ = ScaleMode::Twips;
  scaleLeft_ = scaleTop_ = 0;
  x_ = y_ = 0;
  font_ = freshFont();
  drawWidth_ = 1;
  begun_ = failed_ = pageEnded_ = false;
}

void PrintSurface::setScaleMode(ScaleMode mode) {
  mode_ = mode;
  scaleLeft_ = scaleTop_ = 0;
}

double PrintSurface::unitTwips() const { return mode_ == ScaleMode::Millimetres ? kTwipsPerMillimetre : 1.0; }

QPointF PrintSurface::toDevice(double x, double y) const {
  const double dotsPerTwip = device_.resolution() / kTwipsPerInch;
  return QPointF((x - scaleLeft_) * unitTwips() * dotsPerTwip, (y - scaleTop_) * unitTwips() * dotsPerTwip);
}

bool PrintSurface::ensureBegun() {
  if (failed_) return false;
  if (!begun_) {
    begun_ = true;
    if (!device_.begin(orientation_)) {
      failed_ = true;
      return false;
    }
  } else if (pageEnded_) {
    pageEnded_ = false;
    if (!device_.newPage(orientation_)) {
      device_.abort();
      failed_ = true;
      return false;
    }
  }
  return true;
}

double PrintSurface::textHeight() const {
  return QFontMetricsF(font_, &twipsMetricsDevice()).height() / unitTwips();
}

double PrintSurface::textWidth(const QString& text) const {
  return QFontMetricsF(font_, &twipsMetricsDevice()).horizontalAdvance(text) / unitTwips();
}

std::optional<double> PrintSurface::printableBottom() const {
  if (!begun_ || failed_) return std::nullopt;
  const double height = device_.printableArea().height();
  if (height <= 0) return std::nullopt;
  const double dotsPerTwip = device_.resolution() / kTwipsPerInch;
  return scaleTop_ + height / dotsPerTwip / unitTwips();
}

void PrintSurface::print(const QString& text, Then then) {
  if (!text.isEmpty() && ensureBegun()) device_.drawText(toDevice(x_, y_), text, font_);
  if (then == Then::NextLine) {
    x_ = scaleLeft_;
    y_ += textHeight();
  } else {
    x_ += textWidth(text);
  }
}

void PrintSurface::line(double x1, double y1, double x2, double y2) {
  if (ensureBegun()) device_.drawLine(toDevice(x1, y1), toDevice(x2, y2), drawWidth_);
  x_ = x2;
  y_ = y2;
}

void PrintSurface::newPage() {
  if (begun_ && !failed_) pageEnded_ = true;
  x_ = scaleLeft_;
  y_ = scaleTop_;
}

PrintOutcome PrintSurface::endDoc() {
  PrintOutcome outcome = PrintOutcome::NothingDrawn;
  if (failed_) {
    outcome = PrintOutcome::Failed;
  } else if (begun_) {
    outcome = device_.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
  }
  reset();
  return outcome;
}

void PrintSurface::abortDoc() {
  if (begun_ && !failed_) device_.abort();
  reset();
}

}  // namespace printing
