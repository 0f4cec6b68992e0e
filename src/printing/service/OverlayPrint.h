// Printing onto a preprinted prescription form: only the values, each at its item's
// template position; the form supplies the captions and rules. The template window's
// preview draws a sample prescription the same way.
#pragma once

#include "printing/service/OverlayTemplate.h"
#include "printing/service/PrintSettings.h"
#include "printing/service/PrintSurface.h"
#include "printing/service/SheetPrint.h"

#include <QFont>

#include <array>

namespace printing {

// What the overlay print takes from the prescription window.
struct OverlayRecord {
  std::array<QString, kOverlayFieldCount> fields;  // Text5(0) to Text5(16), printed whatever their panels show
  QString doseCount;                               // Text6, untrimmed
  QString usage;                                   // C1
  bool herbal = false;                             // the dose count is shown
  SheetBody body;                                  // R1
};

inline constexpr double kOverlayFieldSize = 12;

// Draws the record onto one page at the template's positions; the caller ends the
// document. The dose line (item 17) is printed only for a herbal prescription.
void printOverlay(PrintSurface& surface, const OverlayRecord& record, const OverlayTemplate& overlay,
                  const PrintSettings& settings);

// The sample record of the template window's preview, fields 0 to 16.
extern const std::array<QString, kOverlayFieldCount> kPreviewSample;
inline constexpr int kDefaultPreviewBodySize = 12;

// The template window's preview: the sample record at the template's positions in the
// preview box's own face at 10 points, the sex ticks following the prescription on the
// screen (`sexOnScreen`), the dose line with the usage on the screen, and two sample body
// lines at item 18 whether or not it is ticked.
void drawOverlayPreview(PrintSurface& surface, const OverlayTemplate& overlay, const QString& sexOnScreen,
                        const QString& usageOnScreen, const PrintSettings& settings, const QString& boxFace);

}  // namespace printing
