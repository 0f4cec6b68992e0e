#include "text/StrokeCode.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace text {

// For each character of the table, where its first occurrence sits: the character that
// follows it (the first stroke) and the run up to the next "&" (the whole stroke code).
// Digits and "&" are characters of the table like any other, so they get the same
// treatment: a digit in a text gives the character after its first occurrence.
struct StrokeCoder::Maps {
  struct Entry {
    qsizetype firstStart = 0;
    qsizetype firstLength = 0;  // 0: the character ends the table
    qsizetype wholeStart = 0;
    qsizetype wholeLength = 0;  // 0 also when no "&" follows
  };

  QString table;
  std::vector<Entry> entries;
  std::vector<std::int32_t> bmp;  // character -> index in entries + 1; 0 = not in the table
  std::unordered_map<char32_t, std::int32_t> beyondBmp;

  const Entry* find(char32_t c) const {
    std::int32_t slot = 0;
    if (c <= 0xFFFF) {
      if (c < bmp.size()) slot = bmp[c];
    } else if (const auto it = beyondBmp.find(c); it != beyondBmp.end()) {
      slot = it->second;
    }
    return slot ? &entries[slot - 1] : nullptr;
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
  m.bmp.assign(0x10000, 0);
  const QStringView table(m.table);
  qsizetype units = 0;
  for (qsizetype p = 0; p < table.size(); p += units) {
    const char32_t c = codePointAt(table, p, units);
    std::int32_t* slot = nullptr;
    if (c <= 0xFFFF) {
      slot = &m.bmp[c];
    } else {
      slot = &m.beyondBmp[c];
    }
    if (*slot) continue;  // only the first occurrence counts

    Maps::Entry entry;
    const qsizetype next = p + units;
    entry.firstStart = next;
    if (next < table.size()) codePointAt(table, next, entry.firstLength);
    const qsizetype end = table.indexOf(u'&', next);
    entry.wholeStart = next;
    entry.wholeLength = end < 0 ? 0 : end - next;
    m.entries.push_back(entry);
    *slot = static_cast<std::int32_t>(m.entries.size());
  }
}

StrokeCoder::~StrokeCoder() = default;

bool StrokeCoder::isEmpty() const { return maps_->entries.empty(); }
StrokeCoder::StrokeCoder(StrokeCoder&&) noexcept = default;
StrokeCoder& StrokeCoder::operator=(StrokeCoder&&) noexcept = default;

QString StrokeCoder::StrokeCode(const QString& s) const {
  if (!maps_ || maps_->entries.empty() || s.isEmpty()) return QString();
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
    const Maps::Entry* entry = m.find(codePointAt(text, i, units));
    if (!entry) continue;
    if (shortText && index == characters - 1)
      result += table.mid(entry->wholeStart, entry->wholeLength);
    else
      result += table.mid(entry->firstStart, entry->firstLength);
  }
  return result;
}

}  // namespace text
