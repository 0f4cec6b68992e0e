// How the save rewrites what the window shows before it stores it, and the texts it
// derives for the patient register and the phrase lists.
#pragma once

#include <QString>

namespace prescription {

// A fee box whose leading number is not 0 becomes that number with two decimals
// ("12.5" → "12.50", "3" → "3.00"); "", "0" and text without a number stay as they are.
QString formattedFee(const QString& fee);

// An age that ends in a digit 1 to 9 gets "岁" appended ("35" → "35岁"); one ending in
// "0", "岁", "月" or anything else stays, so a second save never doubles the unit.
QString ageWithUnit(const QString& age);

// The birth year the register keeps for an age box: the year minus the age, with "岁",
// "Y" and "y" removed first; an age that is then no number counts as 0. Written as a
// plain number: "1989", or "1988.5" for an age of 35.5.
QString birthYearText(const QString& age, int currentYear);

// The address phrase: the trimmed address without its house numbers (every digit
// together with the dots right after it): "光明路12号3.5栋" → "光明路号栋".
QString addressPhrase(const QString& address);

// The diagnosis phrase: the trimmed diagnosis up to its first blank.
QString diagnosisPhrase(const QString& diagnosis);

}  // namespace prescription
