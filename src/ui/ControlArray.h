// Control arrays: controls that share a name and differ by index, such as Text5(0) to
// Text5(18). Each element's objectName() is "Name_index", so tests and accessibility
// tools find it; indices may leave gaps, as designed arrays do. An array is built from a
// table of elements (index, place, caption), so that a window's many controls are data.
#pragma once

#include "ui/Controls.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace ui {

inline QString elementName(const QString& arrayName, int index) {
  return arrayName + u'_' + QString::number(index);
}

// One element of a control array as data.
struct Element {
  int index = 0;
  Place place;
  QString caption;
};

// Elements first to last whose places follow from their index, such as the cells of one
// grid column, row under row.
inline std::vector<Element> elementRun(int first, int last, const std::function<Place(int)>& placeOf,
                                       const QString& caption = {}) {
  std::vector<Element> run;
  for (int index = first; index <= last; ++index) run.push_back({index, placeOf(index), caption});
  return run;
}

template <class Control>
class ControlArray {
 public:
  explicit ControlArray(QString name) : name_(std::move(name)) {}

  const QString& name() const { return name_; }

  // Makes element `index` as a child of `parent`, named and placed (see ui::make).
  // An index made twice is a fault in the window's table and throws.
  template <class... Args>
  Control* make(int index, QWidget* parent, const Place& place, Args&&... args) {
    return makeAs<Control>(index, parent, place, std::forward<Args>(args)...);
  }

  // Makes element `index` as a Kind, a special sort of the array's control, such as a
  // one-line box in an array of text boxes.
  template <class Kind, class... Args>
  Kind* makeAs(int index, QWidget* parent, const Place& place, Args&&... args) {
    static_assert(std::is_base_of_v<Control, Kind>);
    if (contains(index)) throw std::logic_error(elementName(name_, index).toStdString() + " is made twice");
    auto* control = ui::make<Kind>(parent, elementName(name_, index), place, std::forward<Args>(args)...);
    elements_[index] = control;
    return control;
  }

  // Makes one element per row of the table, in its order; a caption is the element's
  // text when the control takes one at construction. `finish` then sets up each element.
  void makeAll(QWidget* parent, std::span<const Element> elements,
               const std::function<void(Control*, const Element&)>& finish = {}) {
    for (const Element& e : elements) {
      Control* control = nullptr;
      if constexpr (std::is_constructible_v<Control, QString, QWidget*>)
        control = make(e.index, parent, e.place, e.caption);
      else
        control = make(e.index, parent, e.place);
      if (finish) finish(control, e);
    }
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
