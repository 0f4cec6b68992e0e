// The infusion and injection card "输液注射卡": a title, the patient's particulars and a
// ruled table whose rows carry the card lines, laid out in millimetres and shifted as a
// whole by the card margins.
#pragma once

#include "printing/service/PrintSettings.h"
#include "printing/service/PrintSurface.h"

#include <QString>

#include <optional>

namespace printing {

// What the card takes from the prescription window, each text unchanged.
struct InfusionCard {
  QString date;       // Text5(5)
  QString name;       // Text5(0)
  QString sex;        // Text5(1)
  QString age;        // Text5(2)
  QString diagnosis;  // Text5(6)
  QString lines;      // text9, CR LF between lines
};

// Draws the card onto one page; the caller ends the document. Card lines beyond the
// table's twenty rows run on below it at the same pitch, on the same page. Returns the
// number (from 1) of the first card line with text that is not wholly above the
// printable area's bottom edge, from which on the card did not reach the paper; none
// when every line fits or the device cannot tell.
std::optional<int> printInfusionCard(PrintSurface& surface, const InfusionCard& card, const PrintSettings& settings);

// What the nurse is told after such a card has been printed.
QString infusionCardCutMessage(int firstLineOffPage);

}  // namespace printing
