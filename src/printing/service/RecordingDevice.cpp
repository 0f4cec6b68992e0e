#include "printing/service/RecordingDevice.h"

namespace printing {

bool RecordingDevice::begin(Orientation orientation) {
  if (!canBegin_) return false;
  ++jobsBegun;
  pages.append(orientation);
  return true;
}

QSizeF RecordingDevice::printableArea() const {
  if (pages.isEmpty()) return {};
  return pages.last() == Orientation::Landscape ? printable.transposed() : printable;
}

void RecordingDevice::drawText(const QPointF& topLeft, const QString& text, const QFont& font) {
  texts.append({static_cast<int>(pages.size()) - 1, topLeft, text, font.family(), font.pointSizeF(), font.bold()});
}

void RecordingDevice::drawLine(const QPointF& from, const QPointF& to, int width) {
  lines.append({static_cast<int>(pages.size()) - 1, from, to, width});
}

bool RecordingDevice::newPage(Orientation orientation) {
  pages.append(orientation);
  return true;
}

bool RecordingDevice::end() {
  ++jobsEnded;
  return true;
}

void RecordingDevice::abort() {
  ++jobsAborted;
  texts.clear();
  lines.clear();
  pages.clear();
}

QList<RecordingDevice::Text> RecordingDevice::textsNamed(const QString& text) const {
  QList<Text> found;
  for (const Text& t : texts)
    if (t.text == text) found.append(t);
  return found;
}

}  // namespace printing
