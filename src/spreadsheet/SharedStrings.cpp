#include "spreadsheet/SharedStrings.h"

#include "spreadsheet/BiffRecords.h"
#include "spreadsheet/LittleEndian.h"

#include <algorithm>

namespace spreadsheet::biff {
namespace {

constexpr int kStringHeader = 3;  // character count and flags
constexpr int kMaxBuckets = 128;

// Builds the table record and its continuations one record at a time; a string's header
// never splits, its characters may, and each continued part begins with its flags byte.
class TableRecords {
 public:
  explicit TableRecords(QByteArray& stream) : stream_(stream) { recordStart_ = stream_.size(); }

  qsizetype room() const { return kMaxRecordData - data_.size(); }
  QByteArray& data() { return data_; }

  // Where the next byte of data goes: in the stream, and from the record's start.
  qsizetype streamOffset() const { return recordStart_ + 4 + data_.size(); }
  qsizetype recordOffset() const { return 4 + data_.size(); }

  void next() {
    putRecord(stream_, type_, data_);
    type_ = kContinue;
    data_.clear();
    recordStart_ = stream_.size();
  }
  void finish() { putRecord(stream_, type_, data_); }

 private:
  QByteArray& stream_;
  QByteArray data_;
  std::uint16_t type_ = kSst;
  qsizetype recordStart_ = 0;
};

}  // namespace

std::uint32_t SharedStrings::indexOf(const QString& s) {
  ++uses_;
  const auto found = index_.constFind(s);
  if (found != index_.constEnd()) return *found;
  const auto index = static_cast<std::uint32_t>(strings_.size());
  index_.insert(s, index);
  strings_.append(s);
  return index;
}

void SharedStrings::write(QByteArray& stream) const {
  const auto count = static_cast<int>(strings_.size());
  const int perBucket = std::max(8, (count + kMaxBuckets - 1) / kMaxBuckets);

  struct BucketStart {
    std::uint32_t streamOffset;
    std::uint16_t recordOffset;
  };
  QList<BucketStart> buckets;

  TableRecords records(stream);
  putU32(records.data(), uses_);
  putU32(records.data(), static_cast<std::uint32_t>(count));
  for (int i = 0; i < count; ++i) {
    const QString& s = strings_[i];
    if (records.room() < kStringHeader + (s.isEmpty() ? 0 : 2)) records.next();
    if (i % perBucket == 0)
      buckets.append({static_cast<std::uint32_t>(records.streamOffset()),
                      static_cast<std::uint16_t>(records.recordOffset())});
    putU16(records.data(), static_cast<std::uint16_t>(s.size()));
    putU8(records.data(), 0x01);  // 16-bit characters
    QStringView rest(s);
    while (!rest.isEmpty()) {
      if (records.room() < 2) {
        records.next();
        putU8(records.data(), 0x01);  // the continued characters are 16-bit too
      }
      const qsizetype fits = std::min<qsizetype>(rest.size(), records.room() / 2);
      putChars(records.data(), rest.first(fits));
      rest = rest.sliced(fits);
    }
  }
  records.finish();

  QByteArray index;
  putU16(index, static_cast<std::uint16_t>(perBucket));
  for (const BucketStart& b : buckets) {
    putU32(index, b.streamOffset);
    putU16(index, b.recordOffset);
    putU16(index, 0);
  }
  putRecord(stream, kExtSst, index);
}

}  // namespace spreadsheet::biff
