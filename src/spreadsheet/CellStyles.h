// Fonts, number formats and the cell styles (XF records) that join them. A workbook has
// the standard font, the fifteen style XFs every reader expects and the standard cell
// XF 15; each other font-and-format pair that a cell or row uses gets one cell XF.
#pragma once

#include "spreadsheet/Workbook.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace spreadsheet::biff {

class CellStyles {
 public:
  // The style index of the pair, adding what it needs on first use.
  std::uint16_t xfFor(const Font& font, const QString& format);

  // FONT, FORMAT, XF and STYLE records, in the order the workbook globals hold them.
  void write(QByteArray& stream) const;

 private:
  std::uint16_t fontIndex(const Font& font);
  std::uint16_t formatIndex(const QString& format);

  struct Xf {
    std::uint16_t font;
    std::uint16_t format;
    bool operator==(const Xf&) const = default;
  };
  QList<Font> fonts_;        // beyond the standard font
  QList<QString> formats_;   // beyond the built-in ones
  QList<Xf> cellXfs_;        // beyond the standard cell XF 15
};

}  // namespace spreadsheet::biff
