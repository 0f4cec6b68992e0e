// A saved prescription as one value: the 档案 row by meaning, and the patient register
// row (患者信息) that the save keeps beside it. The reserved columns ("19" to "38", T4,
// T5) are never written or read, so the value does not carry them.
#pragma once

#include "prescription/service/PrescriptionState.h"
#include "prescription/service/PricedGrid.h"
#include "store/RecordRows.h"

#include <QString>

#include <array>

namespace prescription {

struct PrescriptionRecord {
  QString serial;                                   // 序号, the PrescriptionSerial; the key
  std::array<QString, header::kCount> header;       // "0" .. "18", indexed by header::
  QString prescriptionText;                         // T1, lines separated by CR LF
  QString infusionCardText;                         // T2
  QString symptoms;                                 // T3, 主要症状
  QString herbalUsage;                              // "39", the herbal usage phrase
  QString nameInitials;                             // "40", NameInitialsKey of the name
  QString kind;                                     // 类别: kHerbalSheet or kOrdinarySheet (older rows: "中", "西")
  QString dispenseMark;                             // 发药: "" or kDispensedMark
  PricedGrid grid;                                  // 计价, kept as PricingGridPacking
  QString medicalRecord;                            // 病历, a MedicalRecordText
  QString doses;                                    // 剂数

  // Not a column: set when this value was loaded from the record of its serial or saved
  // as it by the window that holds it. Only then may a save rewrite that record; a new
  // prescription whose number another program stored meanwhile takes the next free one.
  bool loadedOrSaved = false;
};

// One row of the patient register, as the save writes it.
using PatientRegisterRow = store::PatientRow;

}  // namespace prescription
