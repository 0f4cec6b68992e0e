// What the same-second stress test and its station program share: the number both copies
// of the program start their new prescriptions from, and the file in which each copy lists
// the prescriptions it stored.
#pragma once

#include <QString>

namespace testing_support::same_second_stress {

// One station code, one clock: both copies number their prescriptions from here, round by round.
inline const QString kFirstSerial = QStringLiteral("20261210202802F776");

// The list a copy leaves in the data folder, one "number|patient|mark" line per prescription.
inline QString keptFile(int program) { return QStringLiteral("program%1.txt").arg(program); }

}  // namespace testing_support::same_second_stress
