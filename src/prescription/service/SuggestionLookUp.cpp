#include "prescription/service/SuggestionLookUp.h"

#include "store/DataFile.h"
#include "store/PhraseList.h"

namespace prescription {

Suggestions lookUpSuggestions(store::Connection main, const LookUp& lookUp, int currentYear) {
  Suggestions found;
  try {
    main->use([&](store::Database& db) {
    switch (lookUp.list) {
      case SuggestionList::Patients:
        found.patients = store::patientSuggestions(db, lookUp.contains, currentYear);
        for (const store::PatientSuggestion& patient : found.patients) found.items << patient.item;
        break;
      case SuggestionList::Addresses:
        found.items = store::phraseSuggestions(db, store::PhraseList::Addresses, lookUp.contains);
        break;
      case SuggestionList::Diagnoses:
        found.items = store::phraseSuggestions(db, store::PhraseList::Diagnoses, lookUp.contains);
        break;
      case SuggestionList::Symptoms: found.items = store::symptomSuggestions(db, lookUp.contains); break;
    }
    });
  } catch (const std::exception&) {
    // Suggestions only help the typing: a file that cannot be read now offers none, and
    // what the user types stays as it is.
    return {};
  }
  return found;
}

}  // namespace prescription
