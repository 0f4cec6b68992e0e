// A pick from the patient list: the header fields it fills, from the values the picked
// item remembered when it was listed.
#pragma once

#include "prescription/service/HeaderFields.h"
#include "store/Suggestions.h"

#include <utility>
#include <vector>

namespace prescription {

// The fields to fill, in the order the window writes them (its busy flag set, so that no
// look-up starts): 姓名, 性别, 年龄 ("N岁"), 费别, 医疗证号, 住址（电话）, 电话, 过敏史. A column
// that had no value is left out, and its field keeps its text. The other fields (科别,
// the dates, 诊断, the physicians, the fees, 病历号) are not touched. The window then
// hides the patient list and gives the diagnosis field the focus, caret at the end; its
// focus handling lists the diagnoses.
std::vector<std::pair<int, QString>> patientPickFields(const store::PatientSuggestion& patient);

// The same fields written into the texts.
void applyPatientPick(HeaderTexts& texts, const store::PatientSuggestion& patient);

}  // namespace prescription
