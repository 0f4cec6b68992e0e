// Appending little-endian integers and doubles to a byte buffer: the byte order of the
// spreadsheet file format and of its container.
#pragma once

#include <QByteArray>

#include <bit>
#include <cstdint>

namespace spreadsheet {

inline void putU8(QByteArray& out, std::uint8_t v) { out.append(static_cast<char>(v)); }

inline void putU16(QByteArray& out, std::uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

inline void putU32(QByteArray& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void putF64(QByteArray& out, double v) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) out.append(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

// Overwrites four bytes at a position already written (offsets known only later).
inline void setU32(QByteArray& out, qsizetype at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace spreadsheet
