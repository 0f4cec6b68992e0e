// A label that answers a click, as the designed labels do (links, pop-up menu items).
#pragma once

#include <QLabel>

namespace ui {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  explicit ClickLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace ui
