// A temporary folder per test, with the drive roots and host shares laid out inside it.
#pragma once

#include "platform/DriveRoots.h"

#include <QTemporaryDir>

namespace testing_support {

class TempFolder {
 public:
  TempFolder();
  QString path() const { return dir_.path(); }
  QString sub(const QString& relative) const;       // path inside, not created
  QString makeDir(const QString& relative) const;   // created with every level
  void writeFile(const QString& relative, const QByteArray& bytes) const;

  // C: at <tmp>/c, D: absent, shares at <tmp>/shares.
  platform::DriveRoots drives() const;

 private:
  QTemporaryDir dir_;
};

QByteArray readBytes(const QString& path);

}  // namespace testing_support
