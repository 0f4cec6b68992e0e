#include "prescription/service/PricingGridPacking.h"

namespace prescription {
namespace {

constexpr QChar kCellEnd = u'@';
constexpr QChar kGroupEnd = u'$';

QString storedCell(const QString& cell) {
  QString stored = cell;
  stored.replace(kCellEnd, u'＠');
  stored.replace(kGroupEnd, u'＄');
  return stored;
}

}  // namespace

QString PricingGridPacking(const PricedGrid& grid) {
  int packedRows = 0;
  while (packedRows < kGridRows && rowInUse(grid[packedRows])) ++packedRows;

  QString packing;
  for (int column = 0; column < kGridColumns; ++column) {
    for (int row = 0; row < packedRows; ++row) {
      packing += storedCell(grid[row][column]);
      packing += kCellEnd;
    }
    packing += kGroupEnd;
  }
  return packing;
}

PricedGrid unpackPricingGrid(const QString& packing) {
  PricedGrid grid;
  qsizetype groupStart = 0;
  for (int column = 0; column < kGridColumns; ++column) {
    const qsizetype groupEnd = packing.indexOf(kGroupEnd, groupStart);
    if (groupEnd < 0) break;
    const QStringView group = QStringView(packing).mid(groupStart, groupEnd - groupStart);
    qsizetype cellStart = 0;
    for (int row = 0; row < kGridRows; ++row) {
      const qsizetype cellEnd = group.indexOf(kCellEnd, cellStart);
      if (cellEnd < 0) break;
      grid[row][column] = group.mid(cellStart, cellEnd - cellStart).toString();
      cellStart = cellEnd + 1;
    }
    groupStart = groupEnd + 1;
  }
  return grid;
}

}  // namespace prescription
