// The 23 pinyin initial lists as a look-up table: the letter a character is filed under.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace text {

class PinyinTable {
 public:
  // Built from the lists' text: one line per list, its letter, a TAB, its characters.
  // A character that stands in several lists is filed under the first of them in the
  // order a, b, c, ... z, as the lists are searched.
  explicit PinyinTable(const QString& listsText);

  // The table of the shipped lists (":/data/pinyin-initials.txt"), built on first use.
  static const PinyinTable& shipped();

  // The letter of a double-byte character, or 0 when no list holds it.
  char letterOf(char16_t character) const { return letters_[character]; }

  // A digit stays, a letter is lowered, a double-byte character gives its list's
  // letter; anything else gives 0.
  char initialOf(char32_t character) const;

  // The initials of s up to its first ASCII blank. A double-byte character that no list
  // holds still gives "y" when its code lies from 压 (0xD1B9) up to, not including,
  // 匝 (0xD4D1): the run of GB2312 level-1 characters read with y.
  QString initials(const QString& s) const;

 private:
  std::array<char, 0x10000> letters_{};
};

}  // namespace text
