#include "ui/ScrollMark.h"

#include "ui/Controls.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace ui {
namespace {

constexpr int kMarkWidth = 3;  // px

class ScrollMark : public QWidget {
 public:
  explicit ScrollMark(QAbstractScrollArea* box) : QWidget(box), box_(box) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QScrollBar* bar = box->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this] { follow(); });
    connect(bar, &QScrollBar::valueChanged, this, [this] { update(); });
    box->installEventFilter(this);
    follow();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) follow();
    return false;
  }

  void paintEvent(QPaintEvent*) override {
    const QScrollBar* bar = box_->verticalScrollBar();
    const double whole = bar->maximum() - bar->minimum() + bar->pageStep();
    if (whole <= 0) return;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(225, 225, 225));
    const int top = static_cast<int>(height() * (bar->value() - bar->minimum()) / whole);
    const int length = std::max(6, static_cast<int>(height() * bar->pageStep() / whole));
    painter.fillRect(QRect(0, std::min(top, height() - length), width(), length), QColor(128, 128, 128));
  }

 private:
  // Over the right edge of the box's page, shown only while there is more to see.
  void follow() {
    const QRect page = box_->viewport()->geometry();
    setGeometry(page.right() + 1 - kMarkWidth, page.top(), kMarkWidth, page.height());
    const QScrollBar* bar = box_->verticalScrollBar();
    setVisible(bar->maximum() > bar->minimum());
    raise();
    update();
  }

  QAbstractScrollArea* box_;
};

}  // namespace

QWidget* markHiddenText(QAbstractScrollArea* box) {
  auto* mark = new ScrollMark(box);
  setControlName(mark, box->objectName() + QStringLiteral("Scroll"));
  return mark;
}

}  // namespace ui
