// The scrambled number lists in which the program keeps a few texts (the host-name file,
// the web-page addresses): each character's code-page-936 code, combined by exclusive-or
// with 0xB3, in decimal, the numbers joined by ",".
#pragma once

#include <QString>

#include <optional>

namespace text {

// The text the numbers stand for; nullopt when a piece is not a number or names no
// character. An empty text gives "".
std::optional<QString> UnscrambleText(const QString& numbers);

// The inverse: nullopt when code page 936 cannot hold a character of the text.
std::optional<QString> ScrambleText(const QString& text);

}  // namespace text
