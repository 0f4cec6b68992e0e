#include "printing/service/InfusionCardPrint.h"

#include "text/Blank.h"
#include "text/Numbers.h"

#include <QStringList>

namespace printing {
namespace {

// Millimetres.
constexpr double kPortraitAllowance = 5;   // the printable area of most sheets begins 5 mm in
constexpr double kLandscapeShift = 140;    // the card stands in the right-hand part
constexpr double kTableTop = 42;
constexpr double kTableBottom = 182;
constexpr double kTableRight = 120;
constexpr double kRowPitch = 7;
constexpr int kTableRules = 21;
constexpr double kColumnRules[] = {0, 68, 85, 102, 120};
constexpr double kCaptionTop = 43.5;
constexpr double kLineIndent = 1;
constexpr double kFitTolerance = 1e-6;

struct Caption {
  double x;
  const char16_t* text;
};
constexpr Caption kColumnCaptions[] = {{20, u"药物名称"}, {72, u"滴速"}, {86, u"执行时间"}, {103, u"护士签名"}};

void printAt(PrintSurface& surface, double x, double y, const QString& text, Then then = Then::NextLine) {
  surface.setCurrentX(x);
  surface.setCurrentY(y);
  surface.print(text, then);
}

}  // namespace

std::optional<int> printInfusionCard(PrintSurface& surface, const InfusionCard& card, const PrintSettings& settings) {
  const double left = text::leadingNumber(settings.cardLeft);
  const double top = text::leadingNumber(settings.cardTop);
  surface.setScaleMode(ScaleMode::Millimetres);
  surface.setOrientation(settings.portrait ? Orientation::Portrait : Orientation::Landscape);
  surface.setScaleLeft(settings.portrait ? kPortraitAllowance - left : -left - kLandscapeShift);
  surface.setScaleTop(kPortraitAllowance - top);

  surface.setFontName(QStringLiteral("宋体"));
  surface.setFontBold(true);
  surface.setFontSize(18);
  printAt(surface, 50, 8, QStringLiteral("输液注射卡"));

  surface.setFontBold(false);
  surface.setFontSize(11);
  printAt(surface, 0, 20, QStringLiteral("日期：") + card.date);
  printAt(surface, 0, 27,
          QStringLiteral("姓名：") + card.name + QStringLiteral("     性别：") + card.sex + QStringLiteral("      年龄：") +
              card.age);
  printAt(surface, 0, 35, QStringLiteral("诊断：") + card.diagnosis);
  for (const Caption& caption : kColumnCaptions) printAt(surface, caption.x, kCaptionTop, QString::fromUtf16(caption.text));

  for (int k = 0; k < kTableRules; ++k) {
    const double y = kTableTop + kRowPitch * k;
    surface.line(0, y, kTableRight, y);
  }
  for (double x : kColumnRules) surface.line(x, kTableTop, x, kTableBottom);

  // Every piece between CR LFs takes a row, empty ones too, so a card text that ends
  // with CR LF leaves its last row empty.
  surface.setCurrentY(kCaptionTop);
  if (card.lines.isEmpty()) return std::nullopt;
  const std::optional<double> bottom = surface.printableBottom();
  const double lineHeight = surface.textHeight();
  std::optional<int> firstOff;
  int n = 0;
  for (const QString& piece : card.lines.split(QStringLiteral("\r\n"))) {
    ++n;
    surface.setCurrentX(kLineIndent);
    surface.setCurrentY(surface.currentY() + kRowPitch);
    // An empty or blank line loses nothing when it falls off the page.
    if (bottom && !firstOff && surface.currentY() + lineHeight > *bottom + kFitTolerance &&
        !text::trimBlanks(piece).isEmpty())
      firstOff = n;
    surface.print(piece, Then::StayOnLine);
  }
  return firstOff;
}

QString infusionCardCutMessage(int firstLineOffPage) {
  return QStringLiteral("输液注射卡从第%1行起超出纸张，没有完整打印出来！").arg(firstLineOffPage);
}

}  // namespace printing
