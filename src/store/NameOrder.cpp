#include "store/NameOrder.h"

#include <QCollator>
#include <QLocale>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace store {
namespace {

bool isAsciiClass(QChar c) { return c.unicode() < 0x80; }

// The end of the run of one class that starts at `from`.
qsizetype runEnd(QStringView s, qsizetype from) {
  const bool ascii = isAsciiClass(s[from]);
  qsizetype end = from;
  while (end < s.size() && isAsciiClass(s[end]) == ascii) ++end;
  return end;
}

// The UTF-8 bytes of a name as UTF-16 in `out` (never more units than bytes), as Qt's
// decoder reads them: a leading byte order mark kept, each bad byte as U+FFFD.
QStringView decodedByQt(std::string_view bytes, QChar* out) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
  const QChar* end = decoder.appendToBuffer(out, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  return QStringView(out, end - out);
}

bool isNonCharacter(char32_t u) { return (u >= 0xFDD0 && u <= 0xFDEF) || (u & 0xFFFE) == 0xFFFE; }

// The same for plain well-formed UTF-8, without the decoder's set-up for every name;
// false for anything else (bad, cut-off or overlong sequences, surrogates,
// noncharacters), which is left to the decoder above.
bool decodedPlain(std::string_view bytes, QChar* out, QStringView& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* const end = p + bytes.size();
  QChar* o = out;
  const auto continuation = [](unsigned char c) { return (c & 0xC0) == 0x80; };
  while (p < end) {
    const unsigned c = *p;
    if (c < 0x80) {
      *o++ = QChar(char16_t(c));
      ++p;
    } else if (c < 0xC2) {
      return false;
    } else if (c < 0xE0) {
      if (end - p < 2 || !continuation(p[1])) return false;
      *o++ = QChar(char16_t(((c & 0x1F) << 6) | (p[1] & 0x3F)));
      p += 2;
    } else if (c < 0xF0) {
      if (end - p < 3 || !continuation(p[1]) || !continuation(p[2])) return false;
      const char32_t u = ((c & 0x0F) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
      if (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF) || isNonCharacter(u)) return false;
      *o++ = QChar(char16_t(u));
      p += 3;
    } else if (c < 0xF5) {
      if (end - p < 4 || !continuation(p[1]) || !continuation(p[2]) || !continuation(p[3])) return false;
      const char32_t u = ((c & 0x07) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
      if (u < 0x10000 || u > 0x10FFFF || isNonCharacter(u)) return false;
      *o++ = QChar::highSurrogate(u);
      *o++ = QChar::lowSurrogate(u);
      p += 4;
    } else {
      return false;
    }
  }
  text = QStringView(out, o - out);
  return true;
}

QStringView decoded(std::string_view bytes, QChar* out) {
  QStringView text;
  return decodedPlain(bytes, out, text) ? text : decodedByQt(bytes, out);
}

// Digits and Latin letters each have one weight of their own in the collator, digits
// before letters, and at the strength used a letter's case makes no difference: a run
// of nothing else orders as the sequence of these weights. 0 for any other character.
int plainWeight(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return 1 + (u - u'0');
  if (u >= u'a' && u <= u'z') return 11 + (u - u'a');
  if (u >= u'A' && u <= u'Z') return 11 + (u - u'A');
  return 0;
}

bool isPlain(QStringView run) {
  for (const QChar c : run)
    if (!plainWeight(c)) return false;
  return true;
}

// Two runs of digits and letters alone, compared without the collator.
int comparePlain(QStringView a, QStringView b) {
  const qsizetype common = std::min(a.size(), b.size());
  for (qsizetype k = 0; k < common; ++k) {
    const int left = plainWeight(a[k]);
    const int right = plainWeight(b[k]);
    if (left != right) return left < right ? -1 : 1;
  }
  return (a.size() > b.size()) - (a.size() < b.size());
}

}  // namespace

QCollator* nameCollator() {
  static QCollator collator = [] {
    QCollator c{QLocale(QLocale::Chinese, QLocale::China)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    return c;
  }();
  return &collator;
}

int compareNames(QStringView a, QStringView b) {
  const QCollator& collator = *nameCollator();
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    const bool asciiA = isAsciiClass(a[i]);
    if (asciiA != isAsciiClass(b[j])) return asciiA ? -1 : 1;
    const qsizetype endA = runEnd(a, i);
    const qsizetype endB = runEnd(b, j);
    const QStringView runA = a.mid(i, endA - i);
    const QStringView runB = b.mid(j, endB - j);
    // The same run is the same to the collator: only differing runs cost a comparison.
    if (runA != runB) {
      const int order = asciiA && isPlain(runA) && isPlain(runB) ? comparePlain(runA, runB) : collator.compare(runA, runB);
      if (order != 0) return order;
    }
    i = endA;
    j = endB;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

int compareNameBytes(std::string_view a, std::string_view b) {
  if (a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0) return 0;
  QVarLengthArray<QChar, 256> left(qsizetype(a.size()));
  QVarLengthArray<QChar, 256> right(qsizetype(b.size()));
  return compareNames(decoded(a, left.data()), decoded(b, right.data()));
}

NameSortKey::NameSortKey(QStringView name) {
  const QCollator& collator = *nameCollator();
  for (qsizetype i = 0; i < name.size();) {
    const qsizetype end = runEnd(name, i);
    runs_.push_back({isAsciiClass(name[i]), collator.sortKey(name.mid(i, end - i).toString())});
    i = end;
  }
}

int NameSortKey::compare(const NameSortKey& other) const {
  const size_t common = std::min(runs_.size(), other.runs_.size());
  for (size_t k = 0; k < common; ++k) {
    if (runs_[k].ascii != other.runs_[k].ascii) return runs_[k].ascii ? -1 : 1;
    if (const int order = runs_[k].key.compare(other.runs_[k].key)) return order;
  }
  if (runs_.size() != other.runs_.size()) return runs_.size() > other.runs_.size() ? 1 : -1;
  return 0;
}

}  // namespace store
