// Controls laid out from tables: a window lists its captions and lines as rows of data
// (which control, where, how it looks) and one loop makes them, so that placing a
// window's many controls reads as a table rather than as statements.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Line.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace ui {

// Fills the control's background with the colour (the window's and a box's).
void paint(QWidget* control, const QColor& background);
// Writes the control's text in the colour, whatever kind of control it is.
void setTextColour(QWidget* control, const QColor& colour);

// A frame filled with the background colour, as a panel of a window.
QFrame* makePanel(QWidget* parent, const QString& name, const Place& place, const QColor& background);
// A frameless box without margins, painted by its container's colour.
void flatten(QLineEdit* box);

// A push button as a row: its name, caption and place, and what its click runs.
struct Button {
  const char* name;
  const char16_t* caption;
  Place place;
  std::function<void()> click;
};

// Makes the buttons in the table's order, each connected to its click.
std::vector<QPushButton*> makeButtons(QWidget* window, std::initializer_list<Button> buttons);

// A row of choice buttons, such as categories: the chosen one's caption in bold, the
// others' plain.
template <class Control>
void markChosen(const ControlArray<Control>& buttons, int chosen) {
  for (const auto& [index, button] : buttons) {
    QFont font = button->font();
    font.setBold(index == chosen);
    button->setFont(font);
  }
}

// How a control looks beyond its place. Unset parts keep what the control inherits; a
// table row says only what differs, as Look::font(kHeiTi, 14.25).fitted().
struct Look {
  QString fontFamily;  // empty: the container's font
  double points = 0;
  bool bold = false;
  std::optional<QColor> text;
  std::optional<QColor> background;
  Qt::Alignment alignment = {};
  bool fitToCaption = false;  // sized to its caption in its own font
  bool hidden = false;

  static Look font(const QString& family, double points, bool bold = false) {
    Look look;
    look.fontFamily = family;
    look.points = points;
    look.bold = bold;
    return look;
  }
  Look coloured(const QColor& colour) const { Look l = *this; l.text = colour; return l; }
  Look filled(const QColor& colour) const { Look l = *this; l.background = colour; return l; }
  Look aligned(Qt::Alignment a) const { Look l = *this; l.alignment = a; return l; }
  Look fitted() const { Look l = *this; l.fitToCaption = true; return l; }
  Look hiddenAtFirst() const { Look l = *this; l.hidden = true; return l; }
};

// Sets the font, then the colours and alignment, then the size and visibility.
void applyLook(QWidget* control, const Look& look);

// A label of its own name, made and given its look.
QLabel* makeLabel(QWidget* parent, const QString& name, const Place& place, const QString& caption, const Look& look);

// A caption of a label array: its element, place, text and look.
struct LabelRow {
  int index = 0;
  Place place;
  QString caption;
  Look look;
};

QLabel* makeLabel(ControlArray<QLabel>& array, QWidget* parent, const LabelRow& row);
// Makes the labels in the table's order (a later label lies over an earlier one).
void makeLabels(ControlArray<QLabel>& array, QWidget* parent, std::span<const LabelRow> rows);

// A line of a line array: its element, its ends in twips, its colour and width in pixels.
struct LineRow {
  int index = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  QColor colour = Qt::black;
  int width = 1;
};

// A box and its caption, an element of a label array, as one row.
struct CaptionedBox {
  int captionIndex = 0;
  Place captionPlace;
  QString caption;
  const char* boxName = "";
  Place boxPlace;
  Look captionLook = {};
  Look boxLook = {};
};

// Makes the caption, then the box, and names the box by the caption.
template <class Box = QLineEdit>
Box* makeCaptionedBox(ControlArray<QLabel>& captions, QWidget* parent, const CaptionedBox& row) {
  QLabel* caption = captions.make(row.captionIndex, parent, row.captionPlace, row.caption);
  applyLook(caption, row.captionLook);
  auto* box = make<Box>(parent, QString::fromLatin1(row.boxName), row.boxPlace);
  applyLook(box, row.boxLook);
  setCaption(caption, box);
  return box;
}

Line* makeLine(ControlArray<Line>& array, QWidget* parent, const LineRow& row);
void makeLines(ControlArray<Line>& array, QWidget* parent, std::span<const LineRow> rows);

}  // namespace ui
