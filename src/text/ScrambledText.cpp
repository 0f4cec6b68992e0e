#include "text/ScrambledText.h"

#include "text/Blank.h"
#include "text/Gbk.h"

#include <QStringList>

namespace text {
namespace {

constexpr int kKey = 0xB3;

}  // namespace

std::optional<QString> UnscrambleText(const QString& numbers) {
  if (numbers.isEmpty()) return QString();
  QByteArray bytes;
  for (const QString& piece : numbers.split(u',')) {
    bool ok = false;
    const int value = trimBlanks(piece).toInt(&ok);
    if (!ok) return std::nullopt;
    const int code = value ^ kKey;
    if (code >= 0 && code <= 255) {
      bytes.append(static_cast<char>(code));
    } else if (code < 0 && code >= -0x8000) {
      const int word = code & 0xFFFF;
      if ((word >> 8) < 0x81) return std::nullopt;  // not a lead byte
      bytes.append(static_cast<char>(word >> 8));
      bytes.append(static_cast<char>(word & 0xFF));
    } else {
      return std::nullopt;
    }
  }
  const QString decoded = fromGbk(bytes);
  if (decoded.contains(QChar::ReplacementCharacter)) return std::nullopt;
  return decoded;
}

std::optional<QString> ScrambleText(const QString& plain) {
  QStringList numbers;
  for (QChar c : plain) {
    const int code = gbkCode(c);
    if (code < 0) return std::nullopt;
    // A double-byte code is read as a signed 16-bit number, so it stays negative.
    const int signedCode = code > 255 ? code - 0x10000 : code;
    numbers << QString::number(signedCode ^ kKey);
  }
  return numbers.join(u',');
}

}  // namespace text
