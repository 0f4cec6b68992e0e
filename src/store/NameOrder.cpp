#include "store/NameOrder.h"

#include <QCollator>
#include <QLocale>

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
    const int order = collator.compare(a.mid(i, endA - i), b.mid(j, endB - j));
    if (order != 0) return order;
    i = endA;
    j = endB;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
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
