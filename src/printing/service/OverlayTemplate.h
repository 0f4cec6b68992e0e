// The overlay template: for each of the 24 items of a preprinted prescription form,
// whether it is printed and where, in overlay units of 0.72 mm (40.824 twips) from the
// page origin. The template window's boxes hold it as typed.
#pragma once

#include "store/OverlayTemplateRows.h"

#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace printing {

inline constexpr int kOverlayItemCount = 24;
inline constexpr double kOverlayUnit = 0.72 * 56.7;  // twips

// Items 0 to 16 are the header fields Text5(0) to Text5(16).
enum OverlayItem {
  kOverlaySex = 1,
  kOverlayDate = 5,
  kOverlayDoseLine = 17,
  kOverlayBody = 18,
  kOverlayYear = 19,
  kOverlayMonth = 20,
  kOverlayDay = 21,
  kOverlayFemaleTick = 22,
  kOverlayMaleTick = 23,
};
inline constexpr int kOverlayFieldCount = 17;  // items 0 to 16

// The captions of the items' tick boxes, by item.
extern const std::array<QString, kOverlayItemCount> kOverlayCaptions;
// The items in the order of the template window's rows, top to bottom.
extern const std::array<int, kOverlayItemCount> kOverlayRowOrder;

// One item as the template window holds it: the tick and the two boxes as typed.
struct OverlayItemBoxes {
  bool ticked = false;
  QString x;
  QString y;

  // The position in twips: the leading numbers of the boxes × 40.824 (0 without one).
  QPointF position() const;
  bool operator==(const OverlayItemBoxes&) const = default;
};

using OverlayTemplate = std::array<OverlayItemBoxes, kOverlayItemCount>;

// The template as the window loads it from the stored rows: an item is ticked when the
// whole number of its flag is 1; its boxes show the stored numbers without leading zeros
// or trailing decimal zeros ("0" for a text without a number). Items without a row, or
// whose row holds no value, stay unticked with empty boxes.
OverlayTemplate overlayTemplateFromRows(const std::vector<store::OverlayTemplateRow>& rows);

// The rows a save writes, item 0 first: "1" or "0", and the boxes' numbers normalised
// ("" and "abc" give "0", "007" gives "7", "12ab" gives "12", "1.5" stays "1.5").
std::vector<store::OverlayTemplateRow> overlayRowsFromTemplate(const OverlayTemplate& overlay);

// The stored template of the inventory file, or why it could not be read.
struct OverlayRead {
  std::optional<OverlayTemplate> overlay;
  QString reason;  // empty when it was read
};
OverlayRead readOverlayTemplate(const QString& inventoryDbPath);
// Stores the template in place of the one kept; the reason when the store refused it,
// empty when it was stored.
QString saveOverlayTemplate(const QString& inventoryDbPath, const OverlayTemplate& overlay);

}  // namespace printing
