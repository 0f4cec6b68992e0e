#include "shell/ProgramIcon.h"

#include "ui/Fonts.h"

#include <QPainter>
#include <QPixmap>

namespace shell {

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(75, 121, 198));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont font = ui::designFont(ui::kHeiTi, 9, true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("方"));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace shell
