// The record layer of the workbook stream: a record is a 16-bit type, a 16-bit length and
// at most 8,224 bytes of data. Strings are always written as 16-bit characters, so every
// Chinese character is kept.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace spreadsheet::biff {

inline constexpr int kMaxRecordData = 8224;

enum RecordType : std::uint16_t {
  kEof = 0x000A,
  kDateMode = 0x0022,
  kFont = 0x0031,
  kContinue = 0x003C,
  kWindow1 = 0x003D,
  kCodePage = 0x0042,
  kDefColWidth = 0x0055,
  kColInfo = 0x007D,
  kBoundSheet = 0x0085,
  kSst = 0x00FC,
  kExtSst = 0x00FF,
  kXf = 0x00E0,
  kLabelSst = 0x00FD,
  kDimensions = 0x0200,
  kNumber = 0x0203,
  kRow = 0x0208,
  kDefaultRowHeight = 0x0225,
  kWindow2 = 0x023E,
  kStyle = 0x0293,
  kFormat = 0x041E,
  kBof = 0x0809,
};

// Appends one record; the data must fit in one record.
void putRecord(QByteArray& stream, std::uint16_t type, const QByteArray& data);

// A string with a one-byte length (font and sheet names): length, flags, characters.
void putShortString(QByteArray& out, const QString& s);
// A string with a two-byte length (number formats, shared strings): length, flags, characters.
void putString(QByteArray& out, const QString& s);
// The characters alone, two bytes each.
void putChars(QByteArray& out, QStringView s);

}  // namespace spreadsheet::biff
