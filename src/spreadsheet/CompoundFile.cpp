#include "spreadsheet/CompoundFile.h"

#include "spreadsheet/LittleEndian.h"

#include <cstdint>

namespace spreadsheet {
namespace {

constexpr qsizetype kSector = 512;
constexpr qsizetype kMinStreamSize = 4096;
constexpr std::uint32_t kEntriesPerSector = kSector / 4;
constexpr std::uint32_t kHeaderFatSlots = 109;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

std::uint32_t ceilDiv(std::uint32_t a, std::uint32_t b) { return (a + b - 1) / b; }

void putDirectoryEntry(QByteArray& out, const QString& name, std::uint8_t type, std::uint32_t child,
                       std::uint32_t start, std::uint32_t size) {
  const qsizetype begin = out.size();
  for (QChar c : name) putU16(out, c.unicode());
  out.append(64 - (out.size() - begin), '\0');
  putU16(out, static_cast<std::uint16_t>(name.isEmpty() ? 0 : (name.size() + 1) * 2));
  putU8(out, type);
  putU8(out, type == 0 ? 0 : 1);  // black in the red-black tree
  putU32(out, kNoEntry);  // left sibling
  putU32(out, kNoEntry);  // right sibling
  putU32(out, child);
  out.append(16, '\0');   // class id
  putU32(out, 0);         // state bits
  out.append(16, '\0');   // creation and modification times
  putU32(out, start);
  putU32(out, size);
  putU32(out, 0);         // high half of the size: always 0 in version 3
}

}  // namespace

QByteArray compoundFile(const QByteArray& stream, const QString& streamName) {
  QByteArray data = stream;
  if (data.size() < kMinStreamSize) data.append(kMinStreamSize - data.size(), '\0');
  const auto streamSize = static_cast<std::uint32_t>(data.size());
  const std::uint32_t streamSectors = ceilDiv(streamSize, kSector);
  data.append(streamSectors * kSector - data.size(), '\0');

  // Allocation table sectors (F) and the extra sectors that list them (X) must cover every
  // sector, themselves included.
  std::uint32_t fat = 1;
  std::uint32_t difat = 0;
  for (;;) {
    const std::uint32_t total = streamSectors + 1 + fat + difat;
    const std::uint32_t needFat = ceilDiv(total, kEntriesPerSector);
    const std::uint32_t needDifat =
        needFat > kHeaderFatSlots ? ceilDiv(needFat - kHeaderFatSlots, kEntriesPerSector - 1) : 0;
    if (needFat == fat && needDifat == difat) break;
    fat = needFat;
    difat = needDifat;
  }
  const std::uint32_t directorySector = streamSectors;
  const std::uint32_t firstFat = directorySector + 1;
  const std::uint32_t firstDifat = firstFat + fat;

  QByteArray file;
  file.reserve((1 + streamSectors + 1 + fat + difat) * kSector);

  // Header.
  file.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  file.append(16, '\0');     // class id
  putU16(file, 0x003E);      // minor version
  putU16(file, 0x0003);      // major version 3
  putU16(file, 0xFFFE);      // little-endian
  putU16(file, 9);           // 512-byte sectors
  putU16(file, 6);           // 64-byte small sectors
  file.append(6, '\0');
  putU32(file, 0);           // directory sector count: 0 in version 3
  putU32(file, fat);
  putU32(file, directorySector);
  putU32(file, 0);           // transaction signature
  putU32(file, kMinStreamSize);
  putU32(file, kEndOfChain);  // no small-sector table
  putU32(file, 0);
  putU32(file, difat > 0 ? firstDifat : kEndOfChain);
  putU32(file, difat);
  for (std::uint32_t i = 0; i < kHeaderFatSlots; ++i) putU32(file, i < fat ? firstFat + i : kFree);

  file.append(data);

  // Directory: the root, the stream, two unused entries.
  putDirectoryEntry(file, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
  putDirectoryEntry(file, streamName, 2, kNoEntry, 0, streamSize);
  putDirectoryEntry(file, QString(), 0, kNoEntry, 0, 0);
  putDirectoryEntry(file, QString(), 0, kNoEntry, 0, 0);

  // Allocation table.
  const qsizetype fatStart = file.size();
  for (std::uint32_t s = 0; s < streamSectors; ++s) putU32(file, s + 1 < streamSectors ? s + 1 : kEndOfChain);
  putU32(file, kEndOfChain);  // the directory
  for (std::uint32_t i = 0; i < fat; ++i) putU32(file, kFatSector);
  for (std::uint32_t i = 0; i < difat; ++i) putU32(file, kDifatSector);
  file.append(fatStart + fat * kSector - file.size(), '\xFF');

  // The allocation table sectors beyond the header's 109, 127 to a sector, each sector
  // ending with the number of the next.
  for (std::uint32_t d = 0; d < difat; ++d) {
    for (std::uint32_t k = 0; k < kEntriesPerSector - 1; ++k) {
      const std::uint32_t index = kHeaderFatSlots + d * (kEntriesPerSector - 1) + k;
      putU32(file, index < fat ? firstFat + index : kFree);
    }
    putU32(file, d + 1 < difat ? firstDifat + d + 1 : kEndOfChain);
  }
  return file;
}

}  // namespace spreadsheet
