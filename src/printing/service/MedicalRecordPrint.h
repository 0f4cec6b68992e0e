// The medical record on paper: the record window's header replayed label by label, 21
// rules 7 mm apart under it, the nine sections on the rows between the rules, and the
// treatment running on to further pages that repeat the header. Every page ends with the
// physician and "第 N 页".
#pragma once

#include "printing/service/PrintSurface.h"
#include "printing/service/SheetPrint.h"

#include <QFont>
#include <QString>

#include <array>

namespace printing {

inline constexpr int kRecordHeaderLabels = 7;  // Label2(0) to Label2(6)
inline constexpr int kRecordSectionCount = 9;
inline constexpr int kRecordRules = 21;
inline constexpr double kRecordRowStep = 396.9;          // 7 mm
inline constexpr int kFirstPageTreatmentLines = 9;       // rows 12 to 20
inline constexpr int kContinuationTreatmentLines = 20;   // rows 1 to 20

// A multi-line section box: the font and the width (screen pixels) at which it wraps.
struct WrappingBox {
  QFont font;
  double width = 0;
};

// The record window at the moment of printing.
struct RecordSheet {
  std::array<SheetText, kRecordHeaderLabels> labels;  // twips inside the header box
  std::array<SheetLine, 2> rules;                     // Line1(0), Line1(1); Line1(1).y1 is the body's base
  std::array<QString, kRecordSectionCount> sections;  // CR LF or "\n" between lines
  std::array<double, kRecordSectionCount> sectionLeft{};
  WrappingBox wideBox;       // 现病史 and 体检
  WrappingBox treatmentBox;  // 处理
  QString physician;
  QString topMargin;   // millimetres as typed
  QString leftMargin;  // millimetres as typed
  bool portrait = true;
};

// The record window's design: header labels and rules where the window places them,
// every section box at 1080, the boxes 5955 twips wide.
RecordSheet designedRecordSheet();

// Prints the record as one document on `surface` (it does not end the document). The
// print sets its own orientation, scale and fonts, whatever an earlier print left.
void printMedicalRecord(PrintSurface& surface, const RecordSheet& sheet);

}  // namespace printing
