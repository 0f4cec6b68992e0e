// Control arrays: controls that share a name and differ by index, such as Text5(0) to
// Text5(18). Each element's objectName() is "Name_index", so tests and accessibility
// tools find it; indices may leave gaps, as designed arrays do.
#pragma once

#include <QString>
#include <QWidget>

#include <map>
#include <stdexcept>

namespace ui {

inline QString elementName(const QString& arrayName, int index) {
  return arrayName + u'_' + QString::number(index);
}

template <class Control>
class ControlArray {
 public:
  explicit ControlArray(QString name) : name_(std::move(name)) {}

  const QString& name() const { return name_; }

  // Creates element `index` as a child of `parent` and names it.
  template <class... Args>
  Control* create(int index, QWidget* parent, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    add(index, control);
    return control;
  }

  // Takes an element made elsewhere and names it.
  void add(int index, Control* control) {
    control->setObjectName(elementName(name_, index));
    elements_[index] = control;
  }

  bool contains(int index) const { return elements_.count(index) != 0; }

  // The element; throws when the array has no element of that index, as a reference to
  // a missing element fails in the designed program too.
  Control* operator[](int index) const {
    const auto it = elements_.find(index);
    if (it == elements_.end())
      throw std::out_of_range(elementName(name_, index).toStdString() + " does not exist");
    return it->second;
  }

  int count() const { return static_cast<int>(elements_.size()); }
  int lowerBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int upperBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

  auto begin() const { return elements_.begin(); }
  auto end() const { return elements_.end(); }

 private:
  QString name_;
  std::map<int, Control*> elements_;
};

}  // namespace ui
