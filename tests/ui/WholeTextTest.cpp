// Texts in narrow cells: a number is made smaller, then narrower, never so narrow that
// 3, 6, 8 and 9 run together, and a centred text too wide for its label is drawn from
// its beginning.
#include "support/ShownWhole.h"
#include "ui/Fonts.h"
#include "ui/WholeText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QFont windowFont() { return ui::designFont(ui::kSongTi, 9); }

qreal digitWidth(const QFont& font) { return QFontMetricsF(font).horizontalAdvance(QLatin1Char('8')); }

// How far apart two digits are drawn in `font`: the ink by which their pictures differ,
// in pixels of full black.
double inkDifference(const QFont& font, QChar a, QChar b) {
  const auto picture = [&](QChar digit) {
    QImage image(16, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(2, 15, QString(digit));
    return image;
  };
  const QImage first = picture(a);
  const QImage second = picture(b);
  double difference = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x)
      difference += std::abs(qGray(first.pixel(x, y)) - qGray(second.pixel(x, y))) / 255.0;
  return difference;
}

// The window font at full size keeps 3 and 8 about 4 pixels of ink apart; narrowed to
// digits 3.9 pixels wide they are 2.1 apart and "38888" reads as "88888". 2.5 is where
// they still read apart at 100 %.
constexpr double kDistinctInk = 2.5;

TEST(WholeText, ANumberIsMadeSmallerBeforeItIsNarrowed) {
  const testing_support::ProgramFonts fonts;
  const QFont design = windowFont();
  ASSERT_EQ(QFontInfo(design).pixelSize(), 12);
  const struct {
    const char* text;
    int room;
    int pixelSize;
    int stretch;
  } cases[] = {
      {"12345", 30, 12, 100},      // fits as designed
      {"123456", 33, 11, 100},     // one size smaller
      {"1234567", 35, 10, 100},    // the smallest size
      {"12345.000", 41, 12, 75},   // narrowed, at the design size
      {"12345.000", 30, 12, 75},   // fits nowhere: the narrowest legible face
      {"", 0, 12, 100},
  };
  for (const auto& c : cases) {
    const QFont font = ui::fittingFont(design, QString::fromLatin1(c.text), c.room);
    EXPECT_EQ(QFontInfo(font).pixelSize(), c.pixelSize) << c.text << " in " << c.room;
    EXPECT_EQ(font.stretch() == 0 ? 100 : font.stretch(), c.stretch) << c.text << " in " << c.room;
  }
}

TEST(WholeText, EveryFaceAFitChoosesKeepsItsDigitsApart) {
  const testing_support::ProgramFonts fonts;
  const QFont design = windowFont();
  int faces = 0;
  QFont last;
  for (int room = 70; room >= 10; --room) {
    const QFont font = ui::fittingFont(design, QStringLiteral("38888.963"), room);
    if (room < 70 && font == last) continue;
    last = font;
    ++faces;
    SCOPED_TRACE(QStringLiteral("%1 px at %2 %").arg(QFontInfo(font).pixelSize()).arg(font.stretch()).toStdString());
    EXPECT_GE(digitWidth(font), ui::kNarrowestDigit - 0.01);
    const QString digits = QStringLiteral("3689");
    for (int a = 0; a < digits.size(); ++a)
      for (int b = a + 1; b < digits.size(); ++b)
        EXPECT_GE(inkDifference(font, digits[a], digits[b]), kDistinctInk) << digits[a].toLatin1() << digits[b].toLatin1();
  }
  EXPECT_GE(faces, 4) << "the design face, two smaller sizes and a narrowed one";
}

TEST(WholeText, ACentredTextTooWideForItsLabelIsDrawnFromItsBeginning) {
  const testing_support::ProgramFonts fonts;
  QLabel label;
  label.resize(65, 13);
  label.setAlignment(Qt::AlignCenter);
  ui::keepTextBeginning(&label);
  ui::setWholeText(&label, QStringLiteral("赵钱孙李周吴郑王"));
  EXPECT_TRUE(testing_support::drawnFromItsBeginning(&label));
  EXPECT_EQ(label.font(), windowFont()) << "a name keeps its font";
  EXPECT_EQ(label.text(), QStringLiteral("赵钱孙李周吴郑王")) << "the cell still holds the whole name";
  // It ends at its last whole character: no half of 吴 that could read as another one.
  const int whole = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("赵钱孙李周"));
  ASSERT_LT(whole + 4, label.width());
  const QImage drawn = label.grab().toImage();
  for (int x = whole + 1; x < drawn.width(); ++x)
    for (int y = 0; y < drawn.height(); ++y)
      ASSERT_GE(qGray(drawn.pixel(x, y)), 192) << "ink at " << x << "," << y;
  // A text that fits stands in the middle again.
  ui::setWholeText(&label, QStringLiteral("李四"));
  EXPECT_EQ(label.alignment(), Qt::AlignCenter);

  // A number that fits nowhere at the narrowest legible digits shows its beginning too.
  QLabel number;
  number.resize(30, 13);
  number.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ui::keepTextWhole(&number);
  ui::setWholeText(&number, QStringLiteral("38888.963"));
  EXPECT_GE(digitWidth(number.font()), ui::kNarrowestDigit - 0.01);
  EXPECT_TRUE(testing_support::drawnFromItsBeginning(&number));
  ui::setWholeText(&number, QStringLiteral("3.5"));
  EXPECT_EQ(number.alignment(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_TRUE(testing_support::showsWhole(&number));
}

// The lowest pixel row of a drawn label that holds ink: where its digits stand.
int lineOfDigits(QLabel* label) {
  const QImage image = label->grab().toImage();
  for (int y = image.height() - 1; y >= 0; --y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 192) return y;
  return -1;
}

TEST(WholeText, ANumberDrawnSmallerStandsOnTheLineOfTheNumbersBesideIt) {
  const testing_support::ProgramFonts fonts;
  QLabel fitting, smaller;
  for (QLabel* label : {&fitting, &smaller}) {
    label->resize(49, 13);  // a price cell of the purchase ledger
    label->setAlignment(Qt::AlignCenter);
    ui::keepTextWhole(label);
  }
  ui::setWholeText(&fitting, QStringLiteral("9876.543"));
  ui::setWholeText(&smaller, QStringLiteral("12345.678"));
  ASSERT_EQ(fitting.font(), windowFont());
  ASSERT_LT(QFontInfo(smaller.font()).pixelSize(), 12);
  EXPECT_EQ(lineOfDigits(&smaller), lineOfDigits(&fitting));
  // Back at the design size, the margin goes.
  ui::setWholeText(&smaller, QStringLiteral("3.5"));
  EXPECT_EQ(smaller.contentsMargins(), QMargins());
}

}  // namespace
