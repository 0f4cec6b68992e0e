#include "grid/GridLayout.h"

namespace grid {

int GridLayout::bandTop(int row) const {
  return row == 0 ? config_.geometry.bandTop : row * pitch() + 225;
}

int GridLayout::cellTop(int row) const {
  return row == 0 ? config_.geometry.cellTop : row * pitch() + 300;
}

QRect GridLayout::band(int row) const {
  const Geometry& g = config_.geometry;
  return QRect(g.bandLeft, bandTop(row), g.bandWidth, g.rowPitch);
}

QRect GridLayout::cell(int row, int column) const {
  const Column& c = config_.columns.at(column);
  return QRect(c.left, cellTop(row), c.width, config_.geometry.cellHeight);
}

int GridLayout::pageRows() const {
  int rows = config_.rows;
  if (config_.sideways == SidewaysBar::None) return rows;
  const int barTop = horizontalBar().top();
  while (rows > 0 && bandTop(rows - 1) + pitch() > barTop) --rows;
  return rows;
}

int GridLayout::ruleY(int row) const { return config_.geometry.ruleY + row * pitch(); }

int GridLayout::separatorX(int array) const {
  if (array == 1) return config_.geometry.bandLeft + config_.geometry.bandWidth + 30;
  const Column& c = config_.columns.at(array - 2);
  return c.left + c.width + 30;
}

QRect GridLayout::header(int index) const {
  const Header& h = config_.headers.at(index);
  return QRect(h.left, config_.geometry.headerTop, h.width, config_.geometry.headerHeight);
}

int GridLayout::surfaceHeight() const { return bandTop(config_.rows - 1) + pitch(); }

int GridLayout::pageHeight() const { return bandTop(pageRows() - 1) + pitch(); }

int GridLayout::viewportHeight() const { return surfaceHeight() + 60; }

QRect GridLayout::viewport() const {
  const Geometry& g = config_.geometry;
  return QRect(g.viewportLeft, g.viewportTop, g.viewportWidth, viewportHeight());
}

QRect GridLayout::verticalBar() const {
  const Geometry& g = config_.geometry;
  return QRect(g.viewportWidth - g.barWidth - 60, 0, g.barWidth, surfaceHeight() + g.barExtraHeight);
}

QRect GridLayout::horizontalBar() const {
  const Geometry& g = config_.geometry;
  return QRect(g.hsLeft, viewportHeight() - g.hsHeight - 60, g.hsWidth, g.hsHeight);
}

int GridLayout::sidewaysOverflow() const {
  const Geometry& g = config_.geometry;
  return g.barWidth + g.surfaceWidth - g.viewportWidth;
}

int surfaceLeft(int value, int max, int overflow) {
  if (max <= 0 || overflow <= 0) return 0;
  const float left = -static_cast<float>(overflow) * static_cast<float>(value) / static_cast<float>(max);
  return static_cast<int>(left);
}

}  // namespace grid
