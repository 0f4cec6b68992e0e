// Pinyin initials: one letter or digit per character of a text's first word.
#pragma once

#include <QString>

namespace text {

// One lowercase letter, one digit, or "" for a character (a QString of one character).
QString PinyinInitialOf(const QString& character);
QString PinyinInitialOf(QChar character);

// The initials of s up to its first ASCII blank.
QString PinyinInitials(const QString& s);

}  // namespace text
