// What the save rewrites before it stores: fees, the age's unit, and the phrases.
#include "prescription/service/SaveFormatting.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

TEST(SaveFormatting, FeesGetTwoDecimalsUnlessTheyAreZero) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.5", "12.50"}, {"3", "3.00"}, {"0", "0"}, {"", ""}, {"abc", "abc"}, {"0.00", "0.00"}, {"2.175", "2.18"},
      {"-5", "-5"},  // a sign is no digit: the fee reads 0 and keeps its text
  };
  for (const auto& [typed, stored] : cases) EXPECT_EQ(formattedFee(typed), stored) << typed;
}

TEST(SaveFormatting, AgeGetsItsUnitOnceAndOnlyAfterADigitOneToNine) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"35", u"35岁"}, {u"30", u"30"},   {u"35岁", u"35岁"}, {u"3月", u"3月"},
      {u"5 ", u"5 岁"}, {u"", u""},       {u"abc", u"abc"},   {u"35岁", u"35岁"},
  };
  for (const auto& [typed, stored] : cases) EXPECT_EQ(ageWithUnit(u16(typed)), u16(stored)) << u16(typed).toStdString();
  EXPECT_EQ(ageWithUnit(ageWithUnit(u16(u"7"))), u16(u"7岁"));
}

TEST(SaveFormatting, PhrasesLoseHouseNumbersAndTakeTheFirstWord) {
  const std::pair<const char16_t*, const char16_t*> addresses[] = {
      {u"光明路12号3.5栋", u"光明路号栋"},
      {u"  东街1..2号  ", u"东街号"},
      {u"123", u""},
      {u"", u""},
  };
  for (const auto& [typed, phrase] : addresses) EXPECT_EQ(addressPhrase(u16(typed)), u16(phrase)) << u16(typed).toStdString();

  const std::pair<const char16_t*, const char16_t*> diagnoses[] = {
      {u"感冒 发热", u"感冒"}, {u" 急性胃炎 ", u"急性胃炎"}, {u"感冒", u"感冒"}, {u"   ", u""},
  };
  for (const auto& [typed, phrase] : diagnoses) EXPECT_EQ(diagnosisPhrase(u16(typed)), u16(phrase)) << u16(typed).toStdString();
}

}  // namespace
