// The prescription sheet as the prescription window lays it out, for the prints: titles,
// the nineteen field panels (five of them hidden), the rules, the herbal dose count and
// usage, and a body, all at their designed positions in twips.
#pragma once

#include "printing/service/MedicalRecordPrint.h"
#include "printing/service/OverlayPrint.h"
#include "printing/service/SheetPrint.h"

namespace testing_support {

// The sheet filled with a sample patient; `herbal` shows the dose count and usage.
printing::SheetSnapshot designedSheet(bool herbal);

// The same prescription as the overlay print takes it.
printing::OverlayRecord overlayRecordOf(const printing::SheetSnapshot& sheet);

// The body box's font.
QFont bodyBoxFont();

// Settings with the given sheet margins in millimetres, portrait or landscape.
printing::PrintSettings sheetSettings(const QString& left, const QString& top, bool portrait = true);

// The overlay template as the inventory file ships it.
printing::OverlayTemplate shippedOverlayTemplate();

// The medical record window's page with a sample patient, 现病史 of four lines with a blank
// one among them, and `treatmentLines` lines "处方1", "处方2", ...; both margins 5 mm, so
// that in portrait the layout's twips are the printable area's.
printing::RecordSheet sampleRecordSheet(int treatmentLines);

}  // namespace testing_support
