#include "text/StrokeCode.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace text {

// For each character of the table, where its first occurrence ends: the character there
// is its first stroke, and the run from there up to the next "&" its whole stroke code.
// Digits and "&" are characters of the table like any other, so they get the same
// treatment: a digit in a text gives the character after its first occurrence.
//
// A character of the BMP is found through its page of 256 slots; only pages that hold a
// character of the table are kept (the shipped table fills about 90 of the 256), so the
// maps cost some 90 KB instead of a slot for every code of the BMP.
struct StrokeCoder::Maps {
  static constexpr int kPageBits = 8;
  static constexpr char32_t kPageSize = char32_t(1) << kPageBits;
  static constexpr std::uint16_t kNoPage = 0xFFFF;

  QString table;
  std::array<std::uint16_t, 0x10000 / kPageSize> pageOf;  // page -> its number among the pages kept
  std::vector<std::int32_t> ends;  // kPageSize a page: where the first occurrence ends; 0 = not in the table
  std::unordered_map<char32_t, std::int32_t> beyondBmp;

  Maps() { pageOf.fill(kNoPage); }

  std::int32_t* slot(char32_t c) {
    if (c > 0xFFFF) return &beyondBmp[c];
    const std::uint16_t page = pageOf[c >> kPageBits];
    return page == kNoPage ? nullptr : &ends[std::size_t(page) * kPageSize + (c & (kPageSize - 1))];
  }

  // Where the character's first occurrence ends in the table; 0 when it is not there.
  qsizetype find(char32_t c) const {
    if (c <= 0xFFFF) {
      const std::uint16_t page = pageOf[c >> kPageBits];
      return page == kNoPage ? 0 : ends[std::size_t(page) * kPageSize + (c & (kPageSize - 1))];
    }
    const auto it = beyondBmp.find(c);
    return it == beyondBmp.end() ? 0 : it->second;
  }
};

namespace {

// The code point at position i of s and the number of UTF-16 units it takes.
inline char32_t codePointAt(QStringView s, qsizetype i, qsizetype& units) {
  const QChar c = s.at(i);
  if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
    units = 2;
    return QChar::surrogateToUcs4(c, s.at(i + 1));
  }
  units = 1;
  return c.unicode();
}

}  // namespace

StrokeCoder::StrokeCoder() : StrokeCoder(QString()) {}

StrokeCoder::StrokeCoder(const QString& strokeCodeTable) : maps_(std::make_unique<Maps>()) {
  Maps& m = *maps_;
  m.table = strokeCodeTable;
  if (m.table.isEmpty()) return;
  const QStringView table(m.table);
  qsizetype units = 0;

  // The pages in use first, so that each gets its slots once.
  std::size_t pages = 0;
  for (qsizetype p = 0; p < table.size(); p += units) {
    const char32_t c = codePointAt(table, p, units);
    if (c > 0xFFFF) continue;
    std::uint16_t& page = m.pageOf[c >> Maps::kPageBits];
    if (page == Maps::kNoPage) page = static_cast<std::uint16_t>(pages++);
  }
  m.ends.assign(pages * Maps::kPageSize, 0);

  for (qsizetype p = 0; p < table.size(); p += units) {
    std::int32_t* slot = m.slot(codePointAt(table, p, units));
    if (!*slot) *slot = static_cast<std::int32_t>(p + units);  // only the first occurrence counts
  }
}

StrokeCoder::~StrokeCoder() = default;

bool StrokeCoder::isEmpty() const { return !maps_ || maps_->table.isEmpty(); }
StrokeCoder::StrokeCoder(StrokeCoder&&) noexcept = default;
StrokeCoder& StrokeCoder::operator=(StrokeCoder&&) noexcept = default;

QString StrokeCoder::StrokeCode(const QString& s) const {
  if (!maps_ || maps_->table.isEmpty() || s.isEmpty()) return QString();
  const Maps& m = *maps_;
  const QStringView text(s);
  const QStringView table(m.table);

  qsizetype characters = 0;
  qsizetype units = 0;
  for (qsizetype i = 0; i < text.size(); i += units) {
    codePointAt(text, i, units);
    ++characters;
  }
  // Only the last character of a text of fewer than 5 characters gives all its strokes.
  const bool shortText = characters < 5;

  QString result;
  result.reserve(characters + 8);
  qsizetype index = 0;
  for (qsizetype i = 0; i < text.size(); i += units, ++index) {
    const qsizetype next = m.find(codePointAt(text, i, units));
    if (!next) continue;
    if (shortText && index == characters - 1) {
      // Nothing when no "&" follows.
      const qsizetype end = table.indexOf(u'&', next);
      if (end >= 0) result += table.mid(next, end - next);
    } else if (next < table.size()) {
      // Nothing when the character ends the table.
      qsizetype firstUnits = 0;
      codePointAt(table, next, firstUnits);
      result += table.mid(next, firstUnits);
    }
  }
  return result;
}

}  // namespace text
