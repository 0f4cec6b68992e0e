// The priced grid as the one text stored in [档案].[计价]: nine groups, one per column
// 名称 .. 进价, each holding the cells of the packed rows followed by "@", each group
// followed by "$". Rows are packed from row 0 up to the first row without a name.
#pragma once

#include "prescription/service/PricedGrid.h"

#include <QString>

namespace prescription {

// A "@" or "$" typed into a cell is stored as its full-width form ("＠", "＄"), so a
// stored grid can never shift when it is read back.
QString PricingGridPacking(const PricedGrid& grid);

// Reads a stored packing back into a grid. Whatever the text holds, the result is a
// grid: a missing group leaves its column empty, text after a group's last "@" is
// ignored, and cells beyond the last row are dropped.
PricedGrid unpackPricingGrid(const QString& packing);

}  // namespace prescription
