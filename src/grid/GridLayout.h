// Where the controls of a paged grid stand, in twips, worked out from the design row 0
// as the window's load builds the other rows: band j at j × H + 225, its cells at
// j × H + 300, the rule under it H lower than the one above, a separator right of
// every array, and the frame sized to the last row.
#pragma once

#include "grid/GridConfig.h"

#include <QRect>

namespace grid {

class GridLayout {
 public:
  explicit GridLayout(const GridConfig& config) : config_(config) {}

  int pitch() const { return config_.geometry.rowPitch; }
  // The rows of a page: those whose band stands whole above the sideways bar, so that
  // every row shown can be read and clicked; all designed rows where there is no bar.
  int pageRows() const;
  int bandTop(int row) const;
  int cellTop(int row) const;
  QRect band(int row) const;
  QRect cell(int row, int column) const;
  int ruleY(int row) const;                  // Ln1(row)
  // Ln2(i) for array Lb(i), i = 1 .. arrays; Ln2(1) closes the band.
  int separatorX(int array) const;
  QRect header(int index) const;

  int surfaceHeight() const;                 // Pt2 as designed, for all rows
  int pageHeight() const;                    // down to the bottom of a page's last row
  int viewportHeight() const;                // Pt1
  QRect viewport() const;
  QRect verticalBar() const;                 // VS1 inside Pt1
  QRect horizontalBar() const;               // HS1 inside Pt1
  // How far the surface reaches past the viewport with the vertical bar beside it.
  int sidewaysOverflow() const;

 private:
  const GridConfig& config_;
};

// The surface's left edge (twips, inside the viewport) for the sideways bar at `value`
// of `max`: 0 at the start, the surface's right edge against the vertical bar at the
// end. Worked in single precision; a bar without range leaves the surface at 0.
int surfaceLeft(int value, int max, int overflow);

}  // namespace grid
