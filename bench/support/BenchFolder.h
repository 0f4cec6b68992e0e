// Where a benchmark writes the files it generates. When the environment variable names a
// folder, that folder (made when missing and kept, so a later run may reuse what it
// holds); otherwise a fresh temporary folder of this run, removed when the program ends,
// so that two runs never share or trample each other's files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace bench_support {

inline QString benchFolder(const char* environmentVariable) {
  const QByteArray given = qgetenv(environmentVariable);
  if (!given.isEmpty()) {
    const QString folder = QString::fromLocal8Bit(given);
    QDir().mkpath(folder);
    return folder;
  }
  static QTemporaryDir run(QDir(QDir::tempPath()).filePath(QStringLiteral("tavorin-bench-XXXXXX")));
  if (!run.isValid()) {
    std::fprintf(stderr, "no temporary folder for the generated files; set %s\n", environmentVariable);
    std::exit(1);
  }
  return run.path();
}

}  // namespace bench_support
