// The prescription on the window as plain data: the header fields, the prescription text,
// the infusion card, the symptoms, the herbal extras, the numbers and the priced grid.
// Every multi-line text here uses CR LF between lines, as it is stored; only the window
// kit turns it into "\n" for the boxes. The save, the load, pricing, dispensing and
// printing take this value; the window shows it.
#pragma once

#include "prescription/service/HerbalLayout.h"
#include "prescription/service/PricedGrid.h"

#include "text/Serials.h"

#include <QString>

#include <array>
#include <optional>

namespace prescription {

// The header fields Text5(0) to Text5(18); the index is also the stored column name.
namespace header {
inline constexpr int kCount = 19;
inline constexpr int kName = 0;             // 姓名
inline constexpr int kSex = 1;              // 性别: "男" or "女"
inline constexpr int kAge = 2;              // 年龄
inline constexpr int kDepartment = 3;       // 科别
inline constexpr int kAddress = 4;          // 住址（电话）
inline constexpr int kDate = 5;             // 日期: the visit date, "yyyy-mm-dd"
inline constexpr int kDiagnosis = 6;        // 诊断
inline constexpr int kPhysician = 7;        // 医师
inline constexpr int kDispenser = 8;        // 配药
inline constexpr int kDrugFee = 9;          // 药费: drug sum of the grid
inline constexpr int kChecker = 10;         // 复核
inline constexpr int kPhone = 11;           // 电话 (not shown)
inline constexpr int kRecordNumber = 12;    // 病历号: a TimestampKey (not shown)
inline constexpr int kAllergy = 13;         // 过敏史
inline constexpr int kFeeCategory = 14;     // 费别 (not shown)
inline constexpr int kOtherFee = 15;        // 其他: fee sum of the grid
inline constexpr int kTotal = 16;           // 合计
inline constexpr int kInsuranceNumber = 17; // 医疗证号 (not shown)
inline constexpr int kChineseDate = 18;     // 日期: the visit date, "yyyy年mm月dd日" (not shown)
}  // namespace header

// The names of the two sheet layouts, shown on the sheet and stored as the record's kind.
inline const QString kOrdinarySheet = QStringLiteral("普通");
inline const QString kHerbalSheet = QStringLiteral("中医");
inline QString sheetModeName(bool herbal) { return herbal ? kHerbalSheet : kOrdinarySheet; }

// The dispense mark of a dispensed prescription.
inline const QString kDispensedMark = QStringLiteral("-已发药");
// The dose count a herbal prescription starts with.
inline const QString kDefaultDoses = QStringLiteral("7");

struct PrescriptionState {
  // The window's objectNames are given where a reader needs the trace to the controls.
  std::array<QString, header::kCount> header;  // Text5(0..18), see header::
  QString text;          // R1: the prescription text
  QString infusionCard;  // text9: the infusion-card text
  QString symptoms;      // Text10: the main symptoms
  QString usage;         // C1: the herbal usage phrase (herbal layout only)
  QString doses = kDefaultDoses;  // Text6: the dose count (herbal layout only)
  // The herbal layout. Kept as its own value: the dose box, "共   剂", the usage phrase and
  // the herbal summary are shown exactly while it is set.
  bool herbal = false;
  QString number;        // Label4: the prescription number, PrescriptionSerial
  QString dispenseMark;  // Label5: "" or kDispensedMark
  // The number was loaded or saved by this window (PrescriptionRecord::loadedOrSaved).
  bool numberLoadedOrSaved = false;
  QString medicalRecord;  // CurrentRecordText: the medical record, as stored
  PricedGrid grid;
  QString total;          // Label16: the grid's total, the same as header[header::kTotal] after a recalculation
  QString herbalSummary;  // Label17: the summary of the last herbal layout

  bool dispensed() const { return dispenseMark == kDispensedMark; }
};

// A fresh record number and visit date and a new prescription number, all from one
// reading of the clock; the dispense mark goes, since the new number was never dispensed.
void startNewNumber(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode);

// The switch between the ordinary and the herbal layout that a category button makes when
// the sheet is in the other layout: a new number (startNewNumber), the prescription text
// and the grid's name, quantity, unit, price, amount and stock emptied, and the totals
// worked out again (so they are empty); a herbal sheet starts with the default dose count.
// The patient fields, the symptoms, the medical record and the grid's category, drawer and
// purchase price stay, as the window has always kept them. Does nothing when the sheet is
// already in that layout.
void changeSheetMode(PrescriptionState& state, bool herbal, text::SerialSource& serials,
                     const QString& stationCode);

// The herbal layout of the prescription text (herbalLayout) written back: the text and, when
// there was a herb, the summary. Only a herbal sheet is laid out; on an ordinary sheet the
// text is free and stays as typed, and the result is nullopt. The layout's entries and tail
// are what pricing reads, its caret where the caret goes.
std::optional<HerbalLayout> layOutHerbalText(PrescriptionState& state);

}  // namespace prescription
