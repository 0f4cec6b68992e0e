// The rows of the prescription records [档案] and the patient register [患者信息] as the
// store reads and writes them. The reserved columns ("19" to "38", T4, T5) are never
// written or read, so the rows do not carry them.
#pragma once

#include <QString>

#include <array>

namespace store {

// The header columns "0" .. "18" of a record.
inline constexpr int kRecordHeaderColumns = 19;

struct RecordRow {
  QString serial;                                    // 序号, the key
  std::array<QString, kRecordHeaderColumns> header;  // "0" .. "18"
  QString prescriptionText;                          // T1
  QString infusionCardText;                          // T2
  QString symptoms;                                  // T3
  QString herbalUsage;                               // "39"
  QString nameInitials;                              // "40"
  QString kind;                                      // 类别
  QString dispenseMark;                              // 发药
  QString pricing;                                   // 计价: the priced grid packed as one text
  QString medicalRecord;                             // 病历
  QString doses;                                     // 剂数
};

// One row of the patient register.
struct PatientRow {
  QString key;          // 序号
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

}  // namespace store
