#include "support/DesignedSheet.h"

namespace testing_support {
namespace {

using printing::SheetField;
using printing::SheetLine;
using printing::SheetText;

SheetText label(const QString& text, const QString& face, double size, bool bold, double left, double top,
                bool visible = true) {
  return SheetText{text, face, size, bold, left, top, visible};
}

struct Panel {
  int index;
  const char16_t* caption;
  double left, top, width;
  bool shown;
  const char16_t* value;
};

// The window's design: caption, panel left, top, width, shown, and a sample value.
const Panel kPanels[] = {
    {0, u"姓名：", 120, 1020, 1755, true, u"林晓东"},
    {1, u"性别：", 1860, 1020, 975, true, u"男"},
    {2, u"年龄：", 2820, 1020, 1575, true, u"25岁"},
    {3, u"科别：", 4380, 1020, 1515, true, u"内科"},
    {4, u"住址（电话）：", 120, 1320, 3975, true, u"青石路18号"},
    {5, u"日期：", 4080, 1320, 1815, true, u"2019-07-15"},
    {6, u"诊断：", 120, 1620, 3975, true, u"上呼吸道感染"},
    {13, u"过敏史：", 4080, 1620, 1815, true, u"青霉素"},
    {7, u"医师：", 120, 7860, 1815, true, u"周明"},
    {8, u"配药：", 2100, 7860, 1815, true, u"陈芳"},
    {10, u"复核：", 4080, 7860, 1815, true, u"陈芳"},
    {9, u"药费：", 120, 8160, 1815, true, u"35.50"},
    {15, u"其他：", 2100, 8160, 1815, true, u"5.00"},
    {16, u"合计：", 4080, 8160, 1815, true, u"40.50"},
    {11, u"电话：", 300, 4140, 1755, false, u"13800001234"},
    {12, u"病历号：", 300, 3780, 1755, false, u"1234567"},
    {14, u"费别：", 240, 5040, 1755, false, u"自费"},
    {17, u"医疗证号：", 300, 4560, 1755, false, u"A0001"},
    {18, u"日期：", 240, 5580, 1755, false, u"2019年07月15日"},
};

}  // namespace

QFont bodyBoxFont() {
  QFont font(QStringLiteral("宋体"));
  font.setPointSizeF(10.5);
  return font;
}

printing::SheetSnapshot designedSheet(bool herbal) {
  const QString song = QStringLiteral("宋体");
  const QString hei = QStringLiteral("黑体");
  printing::SheetSnapshot s;
  s.titles[0] = label(QStringLiteral("青石社区卫生室"), hei, 14.25, false, 2055, 120);
  s.titles[1] = label(QStringLiteral("共   剂"), song, 9, true, 180, 7500, herbal);
  s.titles[2] = label(QStringLiteral("Rp"), song, 18, true, 180, 1920);
  s.titles[3] = label(QStringLiteral("处  方  笺"), hei, 14.25, false, 2340, 540);
  s.titles[4] = label(herbal ? QStringLiteral("中医") : QStringLiteral("普通"), song, 11.25, false, 5385, 240);
  s.rules[0] = SheetLine{180, 7800, 5880, 7800, 1, true};
  s.rules[1] = SheetLine{5340, 180, 5880, 180, 2, true};
  s.rules[2] = SheetLine{5340, 510, 5880, 510, 2, true};
  s.rules[3] = SheetLine{5340, 180, 5340, 510, 2, true};
  s.rules[4] = SheetLine{5880, 180, 5880, 510, 2, true};
  for (const Panel& p : kPanels) {
    const QString caption = QString::fromUtf16(p.caption);
    const double captionWidth = caption.size() * 180.0;  // 9-point characters
    SheetField& f = s.fields[p.index];
    f.left = p.left;
    f.top = p.top;
    f.visible = p.shown;
    f.caption = label(caption, song, 9, true, 60, 60);
    f.text = label(QString::fromUtf16(p.value), song, 9.75, false, captionWidth + 75, 30);
    f.underline = SheetLine{captionWidth + 15, 250, p.width, 250, 1, true};
  }
  s.doseCount = label(QStringLiteral("7"), song, 9, true, 420, 7500, herbal);
  s.usage = label(QStringLiteral("水煎服，每日一剂"), song, 9, false, 1020, 7470, herbal);
  s.body.face = song;
  s.body.size = 10.5;
  s.body.left = 1380;
  s.body.top = 2400;
  s.body.wrapWidth = 4575 / 15.0;
  s.body.text = herbal ? QStringLiteral("黄芪30g      当归10g      白术15g      防风10g\r\n党参15g      茯苓12g")
                       : QStringLiteral(
                             "阿莫西林胶囊  0.25g×24粒\r\n    用法：0.5g 每日3次 口服\r\n\r\n"
                             "0.9%氯化钠注射液  250ml×1\r\n注射用头孢曲松钠  1.0g×2\r\n    用法：静脉滴注  每日1次");
  return s;
}

printing::OverlayRecord overlayRecordOf(const printing::SheetSnapshot& sheet) {
  printing::OverlayRecord r;
  for (int i = 0; i < printing::kOverlayFieldCount; ++i) r.fields[i] = sheet.fields[i].text.text;
  r.doseCount = sheet.doseCount.text;
  r.usage = sheet.usage.text;
  r.herbal = sheet.herbal();
  r.body = sheet.body;
  return r;
}

printing::PrintSettings sheetSettings(const QString& left, const QString& top, bool portrait) {
  printing::PrintSettings s;
  s.sheetLeft = left;
  s.sheetTop = top;
  s.cardLeft = left;
  s.cardTop = top;
  s.portrait = portrait;
  s.bodyFace = QStringLiteral("宋体");
  s.bodySize = QStringLiteral("12");
  return s;
}

printing::OverlayTemplate shippedOverlayTemplate() {
  const int rows[printing::kOverlayItemCount][3] = {
      {1, 10, 20}, {1, 60, 20},  {1, 80, 20},  {1, 120, 20}, {1, 10, 30},  {0, 80, 30},  {1, 10, 40},  {1, 10, 170},
      {1, 60, 170}, {1, 10, 180}, {1, 120, 170}, {0, 0, 0},   {0, 90, 0},   {1, 90, 40},  {0, 50, 0},   {1, 60, 180},
      {1, 120, 180}, {1, 10, 160}, {1, 20, 60}, {1, 80, 30},  {1, 95, 30},  {1, 105, 30}, {0, 70, 20},  {0, 60, 20}};
  printing::OverlayTemplate t;
  for (int i = 0; i < printing::kOverlayItemCount; ++i)
    t[i] = {rows[i][0] == 1, QString::number(rows[i][1]), QString::number(rows[i][2])};
  return t;
}

printing::RecordSheet sampleRecordSheet(int treatmentLines) {
  printing::RecordSheet sheet = printing::designedRecordSheet();
  const QStringList header = {QStringLiteral("仁和诊所门诊病历"), QStringLiteral("就诊时间：2024年03月05日14时30分"),
                              QStringLiteral("姓名：林晓东"),     QStringLiteral("性别：男"),
                              QStringLiteral("年龄：25岁"),       QStringLiteral("科别：内科"),
                              QStringLiteral("住址/电话：13800001234")};
  for (int i = 0; i < printing::kRecordHeaderLabels; ++i) sheet.labels[i].text = header[i];
  sheet.labels[0].left = 1800;
  sheet.sections[0] = QStringLiteral("发热两天");
  sheet.sections[1] = QStringLiteral("病一\r\n\r\n病二\r\n病三\r\n病四");
  sheet.sections[7] = QStringLiteral("上呼吸道感染");
  QStringList lines;
  for (int i = 1; i <= treatmentLines; ++i) lines << QStringLiteral("处方%1").arg(i);
  sheet.sections[8] = lines.join(QStringLiteral("\r\n"));
  sheet.physician = QStringLiteral("王医生");
  sheet.topMargin = QStringLiteral("5");
  sheet.leftMargin = QStringLiteral("5");
  return sheet;
}

}  // namespace testing_support
