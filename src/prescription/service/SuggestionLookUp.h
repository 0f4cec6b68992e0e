// A look-up of the header fields (HeaderFields) run against the main database: the items
// its list shows, and for the patient list the values each item stands for.
#pragma once

#include "store/KeptConnection.h"

#include "prescription/service/HeaderFields.h"
#include "store/Suggestions.h"

#include <QStringList>

#include <vector>

namespace prescription {

struct Suggestions {
  QStringList items;
  // The patient list only: one entry per item, in the same order; a pick fills the
  // header from the picked entry (applyPatientPick), never from a query run again.
  std::vector<store::PatientSuggestion> patients;
};

// Runs the look-up on the main database at `mainDbPath`. A database that cannot be read
// gives no items, so the list stays hidden and the field keeps what was typed: a
// suggestion list is a help, and a message on every keystroke would stop the typing.
Suggestions lookUpSuggestions(store::Connection main, const LookUp& lookUp, int currentYear);
inline Suggestions lookUpSuggestions(const QString& mainDbPath, const LookUp& lookUp, int currentYear) {
  return lookUpSuggestions(store::Connection(mainDbPath, store::Database::Mode::ReadOnly), lookUp, currentYear);
}

}  // namespace prescription
