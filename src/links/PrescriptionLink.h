// What other windows ask of the prescription window (the medical record, the outpatient log,
// the word lists, the overlay template): the header texts, the prescription number and text,
// the record carried between the windows, the save, and the herbal usage phrases.
#pragma once

#include <QString>
#include <QStringList>

namespace links {

// The header boxes of the prescription that other windows show or print.
struct PrescriptionHeader {
  QString name;        // 姓名
  QString sex;         // 性别
  QString age;         // 年龄
  QString department;  // 科别
  QString address;     // 住址（电话）
  QString diagnosis;   // 诊断
  QString physician;   // 医师
};

// The prescription window implements it over its model; every answer is read from the
// prescription as it stands, and every change goes through the model.
class PrescriptionLink {
 public:
  static constexpr const char* kName = "Form2";

  virtual ~PrescriptionLink() = default;

  // The prescription number (PrescriptionSerial), which begins with its creation time.
  virtual QString prescriptionSerial() const = 0;
  virtual PrescriptionHeader prescriptionHeader() const = 0;
  // The prescription text, CR LF between lines.
  virtual QString prescriptionText() const = 0;
  // CurrentRecordText: the medical record of the visit being written.
  virtual QString currentRecordText() const = 0;
  virtual void setCurrentRecordText(const QString& record) = 0;
  // The record window's save: lays a herbal text out again, saves the prescription (which
  // stores CurrentRecordText with it, or says why it cannot) and refreshes the history list.
  virtual void saveWithRecord() = 0;
  // The herbal usage phrase chosen on the sheet, and the phrases its drop-down offers.
  virtual QString herbalUsage() const = 0;
  virtual void replaceHerbalUsages(const QStringList& phrases) = 0;
};

}  // namespace links
