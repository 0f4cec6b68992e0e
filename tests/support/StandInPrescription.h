// A prescription window that only holds its state and counts the record saves it is asked
// for: the medical-record window's partner where the real one is not wanted.
#pragma once

#include "links/PrescriptionLink.h"
#include "prescription/service/PrescriptionState.h"
#include "ui/Window.h"

namespace testing_support {

class StandInPrescription : public ui::Window, public links::PrescriptionLink {
 public:
  static constexpr const char* kName = "Form2";
  StandInPrescription() : ui::Window(QString::fromLatin1(kName)) {}
  prescription::PrescriptionState state;
  int recordSaves = 0;
  QString usage;
  QStringList usages;

  QString prescriptionSerial() const override { return state.number; }
  links::PrescriptionHeader prescriptionHeader() const override {
    namespace header = prescription::header;
    const auto& h = state.header;
    return {h[header::kName],    h[header::kSex],       h[header::kAge],      h[header::kDepartment],
            h[header::kAddress], h[header::kDiagnosis], h[header::kPhysician]};
  }
  QString prescriptionText() const override { return state.text; }
  QString currentRecordText() const override { return state.medicalRecord; }
  void setCurrentRecordText(const QString& record) override { state.medicalRecord = record; }
  void saveWithRecord() override { ++recordSaves; }
  QString herbalUsage() const override { return usage; }
  void replaceHerbalUsages(const QStringList& phrases) override { usages = phrases; }
};

}  // namespace testing_support
