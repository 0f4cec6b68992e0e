#include "text/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <mutex>

namespace text {
namespace {

// The code of every BMP character, worked out once: encoding through ICU one character
// at a time is far too slow for the search keys.
const std::array<int, 0x10000>& codeTable() {
  static std::array<int, 0x10000> table;
  static std::once_flag once;
  std::call_once(once, [] {
    // An unmappable character comes out as '?'; the error flag, once set, stays set, so
    // it cannot tell one character from the next.
    QStringEncoder encoder("GBK");
    for (int u = 0; u < 0x10000; ++u) {
      table[u] = -1;
      if (u >= 0xD800 && u <= 0xDFFF) continue;
      if (u < 0x80) {
        table[u] = u;
        continue;
      }
      const QChar c(static_cast<char16_t>(u));
      const QByteArray bytes = encoder.encode(QStringView(&c, 1));
      if (bytes.size() == 1 && bytes[0] != '?') {
        table[u] = static_cast<unsigned char>(bytes[0]);
      } else if (bytes.size() == 2) {
        table[u] = static_cast<unsigned char>(bytes[0]) * 256 + static_cast<unsigned char>(bytes[1]);
      }
    }
  });
  return table;
}

}  // namespace

int gbkCode(QChar character) { return codeTable()[character.unicode()]; }

int gbkCode(const QString& character) {
  if (character.size() != 1) return -1;  // empty, or beyond the BMP: GBK holds neither
  return gbkCode(character.at(0));
}

bool isDoubleByte(QChar character) { return gbkCode(character) >= 0x8140; }

int displayWidth(const QString& s) {
  int width = 0;
  for (QChar c : s) {
    if (c.isLowSurrogate()) continue;  // a surrogate pair counts once
    width += isDoubleByte(c) ? 2 : 1;
  }
  return width;
}

QByteArray toGbk(const QString& s) {
  QStringEncoder encoder("GBK");
  return encoder.encode(s);
}

QString fromGbk(const QByteArray& bytes) {
  QStringDecoder decoder("GBK");
  return decoder.decode(bytes);
}

}  // namespace text
