// Records that a paged grid reads a page at a time instead of holding them all: a list
// that may run to a hundred thousand rows knows how many it has and hands over the few
// that are shown.
#pragma once

#include <QString>

#include <vector>

namespace grid {

struct Record;

class RecordSource {
 public:
  virtual ~RecordSource() = default;
  // How many records the list holds; fixed for the life of the source.
  virtual int count() const = 0;
  // Records `first` .. `first` + `n` − 1 (fewer at the end of the list). A record that
  // cannot be read now comes back with `unreadable` set, and is asked for again later.
  virtual std::vector<Record> fetch(int first, int n) = 0;
};

}  // namespace grid
