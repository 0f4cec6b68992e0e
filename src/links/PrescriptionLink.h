// What other windows ask of the prescription window (the medical record, the outpatient log,
// the word lists, the overlay template): the header texts, the prescription number and text,
// the record carried between the windows, the save, and the herbal usage phrases.
#pragma once

#include "prescription/service/PrescriptionState.h"

#include <QString>
#include <QStringList>

namespace links {

class PrescriptionLink {
 public:
  static constexpr const char* kName = "Form2";

  virtual ~PrescriptionLink() = default;

  // The prescription number (PrescriptionSerial), which begins with its creation time.
  virtual QString prescriptionSerial() const = 0;
  // A header box Text5(index) (prescription::header).
  virtual QString headerField(int index) const = 0;
  // The prescription text, CR LF between lines.
  virtual QString prescriptionText() const = 0;
  // True while the window shows its herbal layout.
  virtual bool herbalLayoutShown() const = 0;
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

// The link over the prescription window's state; the window supplies its state, its save
// and its history refresh.
class PrescriptionStateLink : public PrescriptionLink {
 public:
  QString prescriptionSerial() const override { return linkedState().number; }
  QString headerField(int index) const override { return linkedState().header.at(index); }
  QString prescriptionText() const override { return linkedState().text; }
  bool herbalLayoutShown() const override { return linkedState().herbal; }
  QString currentRecordText() const override { return linkedState().medicalRecord; }
  void setCurrentRecordText(const QString& record) override { linkedState().medicalRecord = record; }
  void saveWithRecord() override {
    if (linkedState().herbal) prescription::layOutHerbalText(linkedState());
    savePrescription();
    refreshHistory();
  }

 protected:
  virtual prescription::PrescriptionState& linkedState() const = 0;
  virtual void savePrescription() = 0;  // Command21_Click
  virtual void refreshHistory() = 0;    // Command7_Click
};

}  // namespace links
