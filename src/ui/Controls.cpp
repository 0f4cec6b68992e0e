#include "ui/Controls.h"

namespace ui {

void setControlName(QWidget* control, const QString& name) {
  control->setObjectName(name);
  control->setAccessibleDescription(name);
}

void setPlace(QWidget* control, const Place& place) {
  if (place.width < 0 || place.height < 0) {
    control->adjustSize();
    const QSize own = control->size();
    control->resize(place.width < 0 ? own.width() : px(place.width), place.height < 0 ? own.height() : px(place.height));
  } else {
    control->resize(pxSize(place.width, place.height));
  }
  control->move(pxPoint(place.left, place.top));
}

void setCaption(QLabel* caption, QWidget* box) {
  caption->setBuddy(box);
  box->setAccessibleName(caption->text());
}

QLabel* makeCaption(QWidget* parent, QWidget* box, const QString& caption, double left, double top) {
  auto* label = make<QLabel>(parent, box->objectName() + QStringLiteral("Caption"), {left, top}, caption);
  setCaption(label, box);
  return label;
}

}  // namespace ui
