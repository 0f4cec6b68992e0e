// The short per-machine text that ends every prescription number of this workstation.
#pragma once

#include <QString>

namespace platform {

// Four upper-case hex digits derived from the machine's unique id (the host name when
// the system has none); the same on every run of one machine.
QString stationCode();
QString stationCodeFor(const QByteArray& machineId);

}  // namespace platform
