// A toolbar of picture buttons: each button is a box with an icon and a caption, under a
// transparent label that takes the mouse. Any mouse button going down shows the box
// pressed; its release, wherever the pointer then is, goes to the window, which shows the
// box raised again (setPressed) when it acts on the release.
#pragma once

#include "ui/ControlArray.h"
#include "ui/ControlTable.h"

#include <QFrame>
#include <QLabel>
#include <QStyle>

#include <functional>
#include <span>

namespace ui {

// A button as a row: its index in the arrays, caption, left and width on the toolbar, and
// its icon from the style's own pictures.
struct PictureButton {
  int index;
  const char16_t* caption;
  double left;
  double width;
  QStyle::StandardPixmap icon;
};

class PictureToolbar {
 public:
  // The names of the arrays of boxes, icons, captions and the labels over the boxes.
  PictureToolbar(const QString& boxes, const QString& icons, const QString& captions, const QString& covers);

  // Makes the buttons on `frame`, `height` high at `top`; the icons 450 twips square,
  // the captions in `captionLook`. A release gives `released` the button's index.
  void make(QWidget* frame, std::span<const PictureButton> buttons, double top, double height,
            const Look& captionLook, std::function<void(int index)> released);
  // Sunken while pressed; flat on the button face's colour once released.
  void setPressed(int index, bool pressed);
  QString caption(int index) const { return captions_[index]->text(); }

 private:
  ControlArray<QFrame> boxes_;
  ControlArray<QLabel> icons_;
  ControlArray<QLabel> captions_;
  ControlArray<QLabel> covers_;
};

}  // namespace ui
