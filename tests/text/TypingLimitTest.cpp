// Typing limits count code-page-936 bytes and hold back only what an edit adds.
#include "text/TypingLimit.h"

#include <gtest/gtest.h>

namespace {

TEST(TypingLimit, CutsOnlyWhatTheEditInserts) {
  struct Case {
    const char* before;
    const char* after;
    int longest;
    const char* kept;
    int caret;
  };
  const Case cases[] = {
      {"张三", "张三丰", 6, "张三丰", 3},         // 6 bytes fit
      {"张三丰", "张三丰a", 6, "张三丰", 3},      // a seventh byte does not
      {"ab", "abcdefgh", 6, "abcdef", 6},          // a paste is cut to what fits
      {"abcde", "abcde张", 6, "abcde", 5},         // half a character never fits
      {"ac", "a张三c", 5, "a张c", 2},              // inserted in the middle, caret behind it
      {"", "1", 1, "1", 1},                        // the sex field takes one digit
      {"男", "男1", 1, "男", 1},                   // and nothing after its sex
      {"", "男", 1, "", 0},
      // A longer text set by the program is never cut and can be shortened or overtyped.
      {"20240305093015", "2024030509301", 12, "2024030509301", 13},
      {"一二三四五六七", "一二三四五六八", 6, "一二三四五六八", 7},
      {"一二三四五六七", "一二三四五六七八", 6, "一二三四五六七", 7},
      {"a", "a😀b", 2, "a😀", 3},                  // a surrogate pair is one character
  };
  for (const Case& c : cases) {
    const text::LimitedEdit edit = text::limitTypedEdit(QString::fromUtf8(c.before), QString::fromUtf8(c.after), c.longest);
    EXPECT_EQ(edit.text, QString::fromUtf8(c.kept)) << c.before << " -> " << c.after;
    EXPECT_EQ(edit.caret, c.caret) << c.before << " -> " << c.after;
  }
}

}  // namespace
