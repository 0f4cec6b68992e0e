// A prescription window that only holds its state and counts its saves and history
// refreshes: the medical-record window's partner where the real one is not wanted.
#pragma once

#include "links/PrescriptionLink.h"
#include "ui/Window.h"

namespace testing_support {

class StandInPrescription : public ui::Window, public links::PrescriptionStateLink {
 public:
  static constexpr const char* kName = "Form2";
  StandInPrescription() : ui::Window(QString::fromLatin1(kName)) {}
  mutable prescription::PrescriptionState state;
  int saves = 0, refreshes = 0;
  QString usage;
  QStringList usages;

  QString herbalUsage() const override { return usage; }
  void replaceHerbalUsages(const QStringList& phrases) override { usages = phrases; }

 protected:
  prescription::PrescriptionState& linkedState() const override { return state; }
  void savePrescription() override { ++saves; }
  void refreshHistory() override { ++refreshes; }
};

}  // namespace testing_support
