#include "printing/service/OverlayPrint.h"

#include "text/Blank.h"

namespace printing {
namespace {

const QString kTick = QStringLiteral("√");
const QString kMale = QStringLiteral("男");
const QString kFemale = QStringLiteral("女");

void moveTo(PrintSurface& surface, const OverlayItemBoxes& item) {
  const QPointF at = item.position();
  surface.setCurrentX(at.x());
  surface.setCurrentY(at.y());
}

// Moves to the item and prints the text when the item is ticked.
void printItem(PrintSurface& surface, const OverlayItemBoxes& item, const QString& text) {
  moveTo(surface, item);
  if (item.ticked) surface.print(text);
}

void printSexTicks(PrintSurface& surface, const OverlayTemplate& overlay, const QString& sex) {
  if (sex == kMale) printItem(surface, overlay[kOverlayMaleTick], kTick);
  if (sex == kFemale) printItem(surface, overlay[kOverlayFemaleTick], kTick);
}

void useBodyFont(PrintSurface& surface, const PrintSettings& settings, int fallbackSize) {
  surface.setFontName(settings.bodyFace);
  surface.setFontBold(false);
  surface.setFontSize(bodyFontSize(settings.bodySize, fallbackSize));
}

}  // namespace

void printOverlay(PrintSurface& surface, const OverlayRecord& record, const OverlayTemplate& overlay,
                  const PrintSettings& settings) {
  surface.setFontSize(kOverlayFieldSize);
  for (int i = 0; i < kOverlayFieldCount; ++i) printItem(surface, overlay[i], record.fields[i]);
  printSexTicks(surface, overlay, record.fields[kOverlaySex]);

  // The visit date "yyyy-mm-dd": the year, then the two characters from the sixth on,
  // then the last two.
  const QString date = text::trimBlanks(record.fields[kOverlayDate]);
  printItem(surface, overlay[kOverlayYear], date.left(4));
  printItem(surface, overlay[kOverlayMonth], date.mid(5, 2));
  printItem(surface, overlay[kOverlayDay], date.right(2));

  // A western prescription has no dose count to print, whatever the hidden box holds.
  if (record.herbal)
    printItem(surface, overlay[kOverlayDoseLine],
              QStringLiteral("共 ") + record.doseCount + QStringLiteral(" 剂 ") + record.usage);

  // The body is printed whether or not its item is ticked.
  useBodyFont(surface, settings, kDefaultBodySize);
  const OverlayItemBoxes& body = overlay[kOverlayBody];
  moveTo(surface, body);
  printBodyLines(surface, sheetBodyLines(record.body), body.position().x(), record.herbal);
}

const std::array<QString, kOverlayFieldCount> kPreviewSample = {
    QStringLiteral("林晓东"),        QStringLiteral("男"),      QStringLiteral("25岁"),
    QStringLiteral("内科"),          QStringLiteral("青石路18号"), QStringLiteral("2019-12-12"),
    QStringLiteral("肺炎"),          QStringLiteral("周明"),    QStringLiteral("陈芳"),
    QStringLiteral("100.00"),        QStringLiteral("王丽"),    QStringLiteral("13800001234"),
    QStringLiteral("1234567"),       QStringLiteral("青霉素"),  QStringLiteral("自费"),
    QStringLiteral("20.00"),         QStringLiteral("120.00"),
};

void drawOverlayPreview(PrintSurface& surface, const OverlayTemplate& overlay, const QString& sexOnScreen,
                        const QString& usageOnScreen, const PrintSettings& settings, const QString& boxFace) {
  surface.setFontName(boxFace);
  surface.setFontBold(false);
  surface.setFontSize(10);
  for (int i = 0; i < kOverlayFieldCount; ++i) printItem(surface, overlay[i], kPreviewSample[i]);
  printSexTicks(surface, overlay, sexOnScreen);
  printItem(surface, overlay[kOverlayYear], QStringLiteral("2019"));
  printItem(surface, overlay[kOverlayMonth], QStringLiteral("12"));
  printItem(surface, overlay[kOverlayDay], QStringLiteral("12"));
  printItem(surface, overlay[kOverlayDoseLine], QStringLiteral("共 7 剂 ") + usageOnScreen);

  useBodyFont(surface, settings, kDefaultPreviewBodySize);
  const OverlayItemBoxes& body = overlay[kOverlayBody];
  moveTo(surface, body);
  surface.print(QStringLiteral("阿奇霉素分散片; 0.25; g×12粒"), Then::StayOnLine);
  surface.setCurrentX(body.position().x());
  surface.setCurrentY(body.position().y() + 350);
  surface.print(QStringLiteral("    用法：2粒 每日3次 口服"), Then::StayOnLine);
}

}  // namespace printing
