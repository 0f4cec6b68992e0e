#include "ui/ControlTable.h"

#include "ui/Fonts.h"

#include <QPalette>

namespace ui {

void paint(QWidget* control, const QColor& background) {
  QPalette p = control->palette();
  p.setColor(QPalette::Window, background);
  p.setColor(QPalette::Base, background);
  control->setPalette(p);
  control->setAutoFillBackground(true);
}

void setTextColour(QWidget* control, const QColor& colour) {
  QPalette p = control->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::Text, colour);
  p.setColor(QPalette::ButtonText, colour);
  control->setPalette(p);
}

QFrame* makePanel(QWidget* parent, const QString& name, const Place& place, const QColor& background) {
  auto* panel = make<QFrame>(parent, name, place);
  paint(panel, background);
  return panel;
}

void flatten(QLineEdit* box) {
  box->setFrame(false);
  box->setTextMargins(0, 0, 0, 0);
}

std::vector<QPushButton*> makeButtons(QWidget* window, std::initializer_list<Button> buttons) {
  std::vector<QPushButton*> made;
  for (const Button& b : buttons) {
    auto* button = make<QPushButton>(window, QString::fromLatin1(b.name), b.place, QString::fromUtf16(b.caption));
    QObject::connect(button, &QPushButton::clicked, window, b.click);
    made.push_back(button);
  }
  return made;
}

void applyLook(QWidget* control, const Look& look) {
  if (!look.fontFamily.isEmpty()) control->setFont(designFont(look.fontFamily, look.points, look.bold));
  if (look.background) paint(control, *look.background);
  if (look.text) setTextColour(control, *look.text);
  if (look.alignment) {
    if (auto* label = qobject_cast<QLabel*>(control)) label->setAlignment(look.alignment);
    else if (auto* box = qobject_cast<QLineEdit*>(control)) box->setAlignment(look.alignment);
  }
  if (look.fitToCaption) control->adjustSize();
  if (look.hidden) control->hide();
}

QLabel* makeLabel(QWidget* parent, const QString& name, const Place& place, const QString& caption, const Look& look) {
  auto* label = make<QLabel>(parent, name, place, caption);
  applyLook(label, look);
  return label;
}

QLabel* makeLabel(ControlArray<QLabel>& array, QWidget* parent, const LabelRow& row) {
  QLabel* label = array.make(row.index, parent, row.place, row.caption);
  applyLook(label, row.look);
  return label;
}

void makeLabels(ControlArray<QLabel>& array, QWidget* parent, std::span<const LabelRow> rows) {
  for (const LabelRow& row : rows) makeLabel(array, parent, row);
}

Line* makeLine(ControlArray<Line>& array, QWidget* parent, const LineRow& row) {
  Line* line = array.make(row.index, parent, {});
  line->setBorderWidth(row.width);
  line->setBorderColor(row.colour);
  line->setEnds(row.x1, row.y1, row.x2, row.y2);
  return line;
}

void makeLines(ControlArray<Line>& array, QWidget* parent, std::span<const LineRow> rows) {
  for (const LineRow& row : rows) makeLine(array, parent, row);
}

}  // namespace ui
