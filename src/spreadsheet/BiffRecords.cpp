#include "spreadsheet/BiffRecords.h"

#include "spreadsheet/LittleEndian.h"

#include <cassert>

namespace spreadsheet::biff {
namespace {
constexpr std::uint8_t kHighByteCharacters = 0x01;
}

void putRecord(QByteArray& stream, std::uint16_t type, const QByteArray& data) {
  assert(data.size() <= kMaxRecordData);
  putU16(stream, type);
  putU16(stream, static_cast<std::uint16_t>(data.size()));
  stream.append(data);
}

void putChars(QByteArray& out, QStringView s) {
  for (QChar c : s) putU16(out, c.unicode());
}

void putShortString(QByteArray& out, const QString& s) {
  putU8(out, static_cast<std::uint8_t>(s.size()));
  putU8(out, kHighByteCharacters);
  putChars(out, s);
}

void putString(QByteArray& out, const QString& s) {
  putU16(out, static_cast<std::uint16_t>(s.size()));
  putU8(out, kHighByteCharacters);
  putChars(out, s);
}

}  // namespace spreadsheet::biff
