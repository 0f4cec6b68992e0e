// Names as the store compares them: the case of ASCII letters does not count, any other
// character counts as it is.
#pragma once

#include <QHash>
#include <QString>

#include <cstddef>
#include <vector>

namespace text {

// The name with its ASCII capitals made small: two names are the same to the store
// exactly when their keys are equal.
QString asciiCaseKey(const QString& name);

// Groups (one per drug, say) kept under their names as the store tells names apart, in
// the order in which their names first came.
template <class Group>
class NameGroups {
 public:
  // The group of `name`; `make()` gives it when the name is new.
  template <class Make>
  Group& of(const QString& name, Make make) {
    const QString key = asciiCaseKey(name);
    auto found = index_.constFind(key);
    if (found == index_.constEnd()) {
      found = index_.insert(key, groups_.size());
      groups_.push_back(make());
    }
    return groups_[*found];
  }
  const std::vector<Group>& groups() const { return groups_; }

 private:
  std::vector<Group> groups_;
  QHash<QString, std::size_t> index_;
};

}  // namespace text
