// The program's private memory as the kernel counts it, for the memory benchmarks.
#pragma once

#include <QByteArray>
#include <QFile>

namespace bench_support {

// The RssAnon line of /proc/self/status, in megabytes.
inline double privateMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("RssAnon:")) return line.mid(8).trimmed().split(' ').first().toDouble() / 1024.0;
  return -1;
}

}  // namespace bench_support
