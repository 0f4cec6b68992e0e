// The bell switch of this workstation: the empty marker file "Lstz.ini" in the local data
// folder. While it exists, this workstation rings for new prescriptions.
#pragma once

#include <QString>

namespace settings {

bool bellMarkerExists(const QString& localDataFolder);

// Creates the marker empty when `on` (emptying one that exists), else removes it.
// False when the file could not be made to match (a folder that cannot be written).
bool setBellMarker(const QString& localDataFolder, bool on);

}  // namespace settings
