// A saved prescription as one value: the 档案 row by meaning, and the patient register
// row (患者信息) that the save keeps beside it. The reserved columns ("19" to "38", T4,
// T5) are never written or read, so the value does not carry them.
#pragma once

#include "prescription/service/PricedGrid.h"

#include <QString>

#include <array>

namespace prescription {

inline constexpr int kHeaderFieldCount = 19;

struct PrescriptionRecord {
  // Header boxes 0 to 18, stored in the columns "0" to "18".
  static constexpr int kNameField = 0;         // 姓名
  static constexpr int kSexField = 1;          // 性别
  static constexpr int kAgeField = 2;          // 年龄
  static constexpr int kDepartmentField = 3;   // 科别
  static constexpr int kAddressField = 4;      // 住址（电话）
  static constexpr int kVisitDateField = 5;    // 日期, "yyyy-mm-dd"
  static constexpr int kDiagnosisField = 6;    // 诊断
  static constexpr int kPhysicianField = 7;    // 医师
  static constexpr int kDispenserField = 8;    // 配药
  static constexpr int kDrugFeeField = 9;      // 药费
  static constexpr int kCheckerField = 10;     // 复核
  static constexpr int kPhoneField = 11;       // 电话
  static constexpr int kRecordNumberField = 12;  // 病历号
  static constexpr int kAllergyField = 13;     // 过敏史
  static constexpr int kFeeCategoryField = 14;  // 费别
  static constexpr int kOtherFeesField = 15;   // 其他
  static constexpr int kTotalField = 16;       // 合计
  static constexpr int kCardNumberField = 17;  // 医疗证号
  static constexpr int kLongDateField = 18;    // 日期, "yyyy年mm月dd日"

  QString serial;                                   // 序号, the PrescriptionSerial; the key
  std::array<QString, kHeaderFieldCount> header;    // "0" .. "18"
  QString prescriptionText;                         // T1, lines separated by CR LF
  QString infusionCardText;                         // T2
  QString symptoms;                                 // T3, 主要症状
  QString herbalUsage;                              // "39", the herbal usage phrase
  QString nameInitials;                             // "40", NameInitialsKey of the name
  QString kind;                                     // 类别: "中医" or "普通" (older rows: "中", "西")
  QString dispenseMark;                             // 发药: "" or kDispensedMark
  PricedGrid grid;                                  // 计价, kept as PricingGridPacking
  QString medicalRecord;                            // 病历, a MedicalRecordText
  QString doses;                                    // 剂数
};

// The record types the save writes into 类别.
inline const QString kHerbalKind = QStringLiteral("中医");
inline const QString kOrdinaryKind = QStringLiteral("普通");
// 发药 of a dispensed prescription.
inline const QString kDispensedMark = QStringLiteral("-已发药");

// One row of the patient register, as the save writes it.
struct PatientRegisterRow {
  QString key;          // 序号, the PatientKey
  QString name;         // 姓名
  QString sex;          // 性别
  QString birthYear;    // 年龄 holds the birth year, not the age
  QString cardNumber;   // 医疗证号
  QString address;      // 住址
  QString diagnosis;    // 诊断
  QString feeCategory;  // 费别
  QString phone;        // 电话
  QString allergy;      // 过敏史
};

}  // namespace prescription
