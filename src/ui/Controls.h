// Making a control: every control of a window is created here, named, placed in twips
// and given its name as its accessible description, so that tests and accessibility
// tools can tell every control apart. A box with a caption is its label's buddy and takes
// the caption as its accessible name.
#pragma once

#include "ui/Twips.h"
#include "ui/TypedText.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QString>
#include <QWidget>

#include <type_traits>
#include <utility>

namespace ui {

// A control's place in its container, in twips. A negative width or height leaves that
// size to the control, as a label sized to its caption.
struct Place {
  double left = 0;
  double top = 0;
  double width = -1;
  double height = -1;
};

// The control's objectName() and accessible description.
void setControlName(QWidget* control, const QString& name);
// Moves the control; sizes it when the place gives a size, else lets it size itself.
void setPlace(QWidget* control, const Place& place);

// The class a box is made as: a multi-line box that drops the characters no box takes.
template <class W>
struct MadeAs {
  using type = W;
};
template <>
struct MadeAs<QPlainTextEdit> {
  using type = PlainTextBox;
};

// Creates a W as a child of `parent` (further constructor arguments go before the
// parent, as in QLabel(text, parent)), names it and places it. A box drops from what is
// typed or pasted the characters that no box takes; Tab and Shift+Tab leave a multi-line
// box for the next or previous control, as they leave a line box.
template <class W, class... Args>
W* make(QWidget* parent, const QString& name, const Place& place, Args&&... args) {
  using Made = typename MadeAs<W>::type;
  static_assert(!std::is_base_of_v<QPlainTextEdit, W> || std::is_base_of_v<PlainTextBox, Made>,
                "a multi-line box must be a ui::PlainTextBox, which drops what no box takes");
  static_assert(!std::is_base_of_v<QTextEdit, W>, "the kit has no rich-text box that drops what no box takes");
  auto* control = new Made(std::forward<Args>(args)..., parent);
  setControlName(control, name);
  setPlace(control, place);
  if constexpr (std::is_base_of_v<QLineEdit, W>) dropUntypableCharacters(control);
  if constexpr (std::is_base_of_v<QPlainTextEdit, W>) control->setTabChangesFocus(true);
  return control;
}

// The caption names the box: the box becomes the label's buddy (a click on the caption
// gives it the focus) and takes the caption as its accessible name.
void setCaption(QLabel* caption, QWidget* box);

// A caption label that the design leaves unnamed: made at (left, top), sized to its
// caption, named after its box ("Text8Caption") and set as the box's caption.
QLabel* makeCaption(QWidget* parent, QWidget* box, const QString& caption, double left, double top);

}  // namespace ui
