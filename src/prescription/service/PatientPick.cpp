#include "prescription/service/PatientPick.h"

#include "prescription/service/PrescriptionState.h"

namespace prescription {

std::vector<std::pair<int, QString>> patientPickFields(const store::PatientSuggestion& patient) {
  const std::optional<QString> age = QString::number(patient.age) + QStringLiteral("岁");
  const std::pair<int, const std::optional<QString>*> order[] = {
      {header::kName, &patient.name},       {header::kSex, &patient.sex},
      {header::kAge, &age},                 {header::kFeeCategory, &patient.feeCategory},
      {header::kInsuranceNumber, &patient.insuranceNumber}, {header::kAddress, &patient.address},
      {header::kPhone, &patient.phone},     {header::kAllergy, &patient.allergy},
  };
  std::vector<std::pair<int, QString>> fields;
  for (const auto& [field, value] : order)
    if (*value) fields.emplace_back(field, **value);
  return fields;
}

void applyPatientPick(HeaderTexts& texts, const store::PatientSuggestion& patient) {
  for (const auto& [field, value] : patientPickFields(patient)) texts[field] = value;
}

}  // namespace prescription
