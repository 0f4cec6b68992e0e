// Where the drives and host shares of the clinic's machines are found on this system.
#pragma once

#include <QString>

#include <optional>

namespace platform {

// Drive C: is the user's home folder; drive D: has no counterpart here and is absent
// unless a test or the caller sets it. A host share "\\HOST\Corvala数据库\" is the
// folder <sharesRoot>/HOST/Corvala数据库/ (a cifs share mounted there).
struct DriveRoots {
  QString c;
  std::optional<QString> d;
  QString sharesRoot = QStringLiteral("/mnt");

  static DriveRoots system();

  // The folder of a host's data share; empty when the host name cannot name a folder
  // (empty, ".", "..", or holding a path separator).
  QString hostDataFolder(const QString& hostName) const;
};

// Name of the data folder on a drive and of a host's share.
inline const QString kDataFolderName = QStringLiteral("Corvala数据库");

}  // namespace platform
