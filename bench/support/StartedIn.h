// Start-up as the benchmarks run it: the C: drive a folder of the run, no D:, host shares
// beside it, and a station code of the benchmark's own.
#pragma once

#include "startup/Main.h"

#include <QString>

namespace bench_support {

inline startup::StartupEnvironment environmentIn(const QString& root, const QString& stationCode) {
  startup::StartupEnvironment env;
  env.drives.c = root;
  env.drives.sharesRoot = root + "/shares";
  env.stationCode = stationCode;
  return env;
}

}  // namespace bench_support
