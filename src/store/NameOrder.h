// The name order of the lists: digits, Latin letters and other ASCII first, then Chinese
// in pinyin order, each run of one class compared by the zh_CN collator. The collation
// registered on every connection and the sort keys below give the same order.
#pragma once

#include <QCollatorSortKey>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QCollator;

namespace store {

// The one collator of the name order (the program has one thread).
QCollator* nameCollator();

// The order of two names, as the collation compares them: below, at or above 0.
int compareNames(QStringView a, QStringView b);

// The order of two names stored as UTF-8, read as Qt's UTF-8 decoder reads them (a
// leading byte order mark kept as a character, a bad byte as U+FFFD): what the
// collation answers.
int compareNameBytes(std::string_view a, std::string_view b);

// A name made ready for sorting: rows sorted by it come in the order that
// "ORDER BY 名称 COLLATE " + kNameCollation gives, without a pass through the collator for
// every pair of rows.
class NameSortKey {
 public:
  explicit NameSortKey(QStringView name);
  int compare(const NameSortKey& other) const;
  bool operator<(const NameSortKey& other) const { return compare(other) < 0; }

 private:
  struct Run {
    bool ascii;
    QCollatorSortKey key;
  };
  std::vector<Run> runs_;
};

// The places in the name order of a fixed set of names, for sorting many rows by those
// names without the collator at every step. The names come in from something already
// in that order (an index made with the collation); each is checked against the one
// before it with the collation, so a set taken in the wrong order is refused rather than
// trusted.
class NameRanks {
 public:
  // The next name in order (UTF-8 as stored); false when it comes before the previous
  // one, which leaves the set unusable.
  bool add(std::string_view name);
  // Makes the set ready for compare(); after it, add() is not called again.
  void finish();
  // The order of two names, as compareNameBytes gives it: by their places when both are
  // in the set, else by the collation.
  int compare(std::string_view a, std::string_view b) const;

 private:
  int32_t rankOf(std::string_view name) const;  // -1 when not in the set

  struct Entry {
    uint64_t hash = 0;
    uint32_t offset = 0;
    uint32_t length = 0;
    int32_t rank = -1;  // -1: a free slot
  };
  std::string bytes_;  // every distinct name, one after the other
  std::vector<Entry> names_;
  std::vector<Entry> slots_;  // open addressing over names_, a power of two in size
  int32_t rank_ = -1;
};

}  // namespace store
