// What the station programs share: how long a run is, and how a run is started and
// reported (exit 0 when nothing failed; 1 with each failure on its own line of standard
// output; 2 when called wrongly).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>

namespace testing_support::stations {

// Rounds per station: a short run by default; TAVORIN_STRESS_ROUNDS asks for a longer one.
inline int roundsPerStation() {
  bool ok = false;
  const int rounds = qEnvironmentVariableIntValue("TAVORIN_STRESS_ROUNDS", &ok);
  return ok && rounds > 0 ? rounds : 100;
}

// The program's main: `<data folder> <number>` handed to `run`, which answers what failed.
inline int stationMain(int argc, char** argv, const char* usage,
                       const std::function<QStringList(const QString& folder, unsigned number)>& run) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  bool numbered = false;
  const unsigned number = arguments.value(2).toUInt(&numbered);
  if (arguments.size() != 3 || !numbered) {
    std::fprintf(stderr, "usage: %s\n", usage);
    return 2;
  }
  const QStringList failures = run(arguments[1], number);
  for (const QString& failure : failures) std::printf("%s\n", failure.toUtf8().constData());
  return failures.isEmpty() ? 0 : 1;
}

}  // namespace testing_support::stations
