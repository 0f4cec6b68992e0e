#include "clinical/service/OutpatientLogPrint.h"

#include "text/Numbers.h"

#include <stdexcept>

namespace clinical {
namespace {

using printing::Then;

const QString kTitle = QStringLiteral("门 诊 日 志 登 记 本");
const QString kFace = QStringLiteral("宋体");

struct Caption {
  double x;
  const char16_t* text;
};
// Printed exactly so, blanks included.
constexpr Caption kCaptions[] = {
    {2, u"姓    名"}, {26, u"性别"}, {36, u"年龄"}, {55, u"诊             断"},
    {110, u"住       址\\电      话"}, {180, u"就诊日期"}, {215, u"备    注"},
};
constexpr double kValueX[] = {2, 27, 37, 50, 102, 172};
constexpr double kVerticalRules[] = {0, 25, 35, 47, 100, 170, 208, 260};
constexpr double kFirstRowY = 28;
constexpr double kRowPitch = 10;

void printAt(printing::PrintSurface& surface, double x, double y, const QString& text, Then then) {
  surface.setCurrentX(x);
  surface.setCurrentY(y);
  surface.print(text, then);
}

void drawFrame(printing::PrintSurface& surface, const QString& physician, int page) {
  surface.setFontName(kFace);
  surface.setFontBold(true);
  surface.setFontSize(26);
  printAt(surface, 90, 0, kTitle, Then::NextLine);
  surface.line(90, 10, 182, 10);
  surface.line(90, 11, 182, 11);
  for (int i = 0; i <= 15; ++i) surface.line(0, 15 + 10 * i, 260, 15 + 10 * i);
  for (double x : kVerticalRules) surface.line(x, 15, x, 165);
  surface.setFontBold(false);
  surface.setFontSize(11);
  for (const Caption& caption : kCaptions) printAt(surface, caption.x, 18, QString::fromUtf16(caption.text), Then::NextLine);
  printAt(surface, 0, 166, QStringLiteral("医师：") + physician, Then::NextLine);
  printAt(surface, 240, 166, QStringLiteral("第 %1 页").arg(page), Then::NextLine);
}

void throwIfFailed(const printing::PrintSurface& surface) {
  if (surface.failed()) throw std::runtime_error("打印机中途出错，这次打印已撤消。");
}

}  // namespace

void printOutpatientLog(printing::PrintSurface& surface, const LogPrintInput& input) {
  if (input.records.empty()) return;
  // Every job sets its own unit, origin, orientation and font.
  surface.setScaleMode(printing::ScaleMode::Millimetres);
  surface.setScaleLeft(-text::leadingNumber(input.leftMargin));
  surface.setScaleTop(10 - text::leadingNumber(input.topMargin));
  surface.setOrientation(printing::Orientation::Landscape);

  int page = 1;
  drawFrame(surface, input.physician, page);
  int row = 0;
  double y = kFirstRowY;
  for (const LogRecord& record : input.records) {
    if (++row > kLogRowsPerPage) {
      throwIfFailed(surface);
      row = 1;
      surface.newPage();
      drawFrame(surface, input.physician, ++page);
      y = kFirstRowY;
    }
    const QString shown[] = {record.name, record.sex, record.age, record.diagnosis, record.address, record.visitDate};
    for (int i = 0; i < 6; ++i) printAt(surface, kValueX[i], y, shown[i], Then::StayOnLine);
    y += kRowPitch;
  }
  throwIfFailed(surface);
}

}  // namespace clinical
