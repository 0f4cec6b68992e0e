#include "spreadsheet/ColumnWidths.h"

#include "text/Gbk.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {
namespace {
constexpr double kDigitPixels = 8.0;
constexpr double kMarginPixels = 5.0;
constexpr double kMaxCharacters = 255.0;
}  // namespace

double fittedWidth(const Sheet& sheet, int column) {
  double widest = 0.0;
  for (const Row& row : sheet.rows) {
    if (column >= row.cells.size()) continue;
    const QString shown = row.cells[column].shownText();
    if (shown.isEmpty()) continue;
    widest = std::max(widest, text::displayWidth(shown) * row.font.size() / kDefaultFontPoints);
  }
  return widest > 0.0 ? std::min(kMaxCharacters, std::ceil(widest) + 1.0) : 0.0;
}

std::uint16_t widthUnits(double characters) {
  const double clamped = std::clamp(characters, 0.0, kMaxCharacters);
  return static_cast<std::uint16_t>(std::lround((clamped * kDigitPixels + kMarginPixels) / kDigitPixels * 256.0));
}

double rowHeightPoints(const Row& row) {
  if (row.heightPoints > 0.0) return std::min(row.heightPoints, 409.0);
  return row.font.size() * 19.0 / 16.0;  // 14.25 points for the standard 12-point font
}

}  // namespace spreadsheet
