#include "ui/PictureToolbar.h"

#include "ui/ControlEvents.h"

#include <QApplication>

namespace ui {

PictureToolbar::PictureToolbar(const QString& boxes, const QString& icons, const QString& captions,
                               const QString& covers)
    : boxes_(boxes), icons_(icons), captions_(captions), covers_(covers) {}

void PictureToolbar::make(QWidget* frame, std::span<const PictureButton> buttons, double top, double height,
                          const Look& captionLook, std::function<void(int index)> released) {
  for (const PictureButton& b : buttons) {
    QFrame* box = boxes_.make(b.index, frame, {b.left, top, b.width, height});
    QLabel* icon = icons_.make(b.index, box, {60, 60, 450, 450});
    icon->setPixmap(icon->style()->standardIcon(b.icon).pixmap(icon->size()));
    icon->setAlignment(Qt::AlignCenter);
    applyLook(captions_.make(b.index, box, {600, 180}, QString::fromUtf16(b.caption)), captionLook);
    QLabel* cover = covers_.make(b.index, box, {0, 0, b.width, height});
    const int index = b.index;
    onPressAndRelease(cover, [this, index] { setPressed(index, true); }, [released, index] { released(index); });
  }
}

void PictureToolbar::setPressed(int index, bool pressed) {
  QFrame* box = boxes_[index];
  if (pressed) {
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    return;
  }
  box->setFrameStyle(QFrame::NoFrame);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  box->setPalette(palette);
  box->setAutoFillBackground(true);
}

}  // namespace ui
