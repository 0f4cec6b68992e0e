// Code page 936 (GBK): the codes and display widths of characters.
#pragma once

#include <QByteArray>
#include <QString>

namespace text {

// The code-page-936 code of one character (a QString holding one character, or a
// surrogate pair): 0..255 for a single-byte character, lead byte * 256 + trail byte
// (0x8140..0xFEFE) for a double-byte one, -1 when code page 936 cannot hold it.
int gbkCode(const QString& character);
int gbkCode(QChar character);

// True when the character has a two-byte code (lead byte 0x81 or higher).
bool isDoubleByte(QChar character);

// Display width in code-page-936 bytes: 2 for each double-byte character, 1 for every
// other character (also for characters that the code page cannot hold).
int displayWidth(const QString& s);

QByteArray toGbk(const QString& s);
QString fromGbk(const QByteArray& bytes);

}  // namespace text
