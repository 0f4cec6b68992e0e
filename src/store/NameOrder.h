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

}  // namespace store
