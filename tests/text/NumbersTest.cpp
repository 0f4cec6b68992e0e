// Numbers read from text and written back: leading number, "0.000"/"0.00", plain form.
#include "text/Numbers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  struct Case {
    const char16_t* text;
    double value;
  };
  const Case cases[] = {
      {u"", 0},          {u"g", 0},          {u"g12", 0},         {u"12g", 12},
      {u"007", 7},       {u"100ml×1", 100},  {u"15.000", 15},     {u"1.2.3", 1.2},
      {u".5", 0.5},      {u"5.", 5},         {u".", 0},           {u"-3.5元", -3.5},
      {u"+2", 2},        {u"- 4", -4},       {u"--4", 0},         {u"-", 0},
      {u" 1 2 . 5 g", 12.5},                 // blanks among the digits are skipped
      {u"\t7\n5", 75},                       // and so are tabs and line feeds
      {u"12\r3", 12},                        // a carriage return ends the number
      {u"1e3", 1},                           // no exponents
      {u"0x1A", 0},                          // nor hexadecimal
      {u"１２", 0},                          // full-width digits are not digits
      {u"10.5 g", 10.5},
      {u"3×2", 3},                           // a character beyond ASCII ends the number
      {u"0.1", 0.1},
  };
  for (const Case& c : cases) {
    const QString s = QString::fromUtf16(c.text);
    EXPECT_EQ(text::leadingNumber(s), c.value) << s.toStdString();
    // Sums over stored rows read the UTF-8 bytes the store hands out: the same value.
    EXPECT_EQ(text::leadingNumberUtf8(s.toStdString()), c.value) << s.toStdString();
  }
  EXPECT_FALSE(std::signbit(text::leadingNumber("-0")));
  EXPECT_FALSE(std::signbit(text::leadingNumber("-0.000")));
  EXPECT_EQ(text::leadingNumber("0." + QString(400, u'0') + "1"), 0.0);
  EXPECT_EQ(text::leadingNumber(QString(400, u'9')), std::numeric_limits<double>::max());
}

TEST(TypedNumber, ASignIsNoDigit) {
  // Typed quantities, prices and fees: the leading number without a sign. Everything
  // else reads as a stored value does.
  struct Case {
    const char16_t* text;
    double value;
  };
  const Case cases[] = {
      {u"-2", 0},     {u"+2", 0},         {u"- 4", 0},   {u"-0.5", 0},   {u"2-", 2},
      {u"", 0},       {u"12g", 12},       {u".5", 0.5},  {u"1.2.3", 1.2}, {u" 1 2 . 5 g", 12.5},
      {u"\t7\n5", 75}, {u"3×2", 3},         {u"0.1", 0.1}, {u"abc", 0},
  };
  for (const Case& c : cases) {
    const QString s = QString::fromUtf16(c.text);
    EXPECT_EQ(text::typedNumber(s), c.value) << s.toStdString();
  }
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnFifteenSignificantDigits) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {1.5 * 1.45, 2, "2.18"},   // 2.17499999999999982 is 2.175 on 15 digits
      {2.175, 2, "2.18"},
      {0.045, 2, "0.05"},        // 0.04499999999999999833
      {1.005, 2, "1.01"},
      {-1.005, 2, "-1.01"},      // away from zero on the negative side too
      {0.1 + 0.2, 2, "0.30"},
      {2.174999, 2, "2.17"},
      {0, 2, "0.00"},
      {-0.0, 3, "0.000"},
      {-0.001, 2, "0.00"},       // never "-0.00"
      {-0.004999, 2, "0.00"},
      {-0.005, 2, "-0.01"},
      {15, 3, "15.000"},
      {13 * 1.25, 3, "16.250"},  // a selling price from the markup ratio
      {0.0005, 3, "0.001"},
      {0.0004999, 3, "0.000"},
      {9.9995, 3, "10.000"},     // the carry runs through every digit
      {999.995, 2, "1000.00"},
      {0.006, 2, "0.01"},
      {1234567.891, 2, "1234567.89"},
      {123456789012345678.0, 2, "123456789012346000.00"},
      {7, 0, "7"},
  };
  for (const Case& c : cases) EXPECT_EQ(text::formatFixed(c.value, c.decimals), c.text) << c.value;
  EXPECT_EQ(text::format000(22), "22.000");
  EXPECT_EQ(text::format00(1.5 * 1.45), "2.18");
  EXPECT_EQ(text::format00(std::numeric_limits<double>::quiet_NaN()), "0.00");
  EXPECT_EQ(text::format000(std::numeric_limits<double>::infinity()), "0.000");
}

TEST(PlainNumber, ShortestPlainDecimalForm) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {10, "10"},         {7.5, "7.5"},      {0.5, "0.5"},     {70, "70"},
      {7 * 1.5, "10.5"},  {0.1 + 0.2, "0.3"}, {-2.5, "-2.5"},  {-0.0, "0"},
      {0, "0"},           {1e-7, "0.0000001"}, {1e20, "100000000000000000000"},
      {1.0 / 3, "0.333333333333333"},         {123456.7, "123456.7"},
      {3 * 0.1, "0.3"},
  };
  for (const Case& c : cases) EXPECT_EQ(text::plainNumber(c.value), c.text) << c.value;
}

}  // namespace
