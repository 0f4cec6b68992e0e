// The other workstation of the stale-page catalogue test, run as a process of its own:
//   tavorin-stale-page-station <main database> <stock database> <notify file>
// While the test's catalogue page is open it dispenses one 阿莫西林 and books a receipt of
// ten at new prices. It prints what failed and exits with 0 when nothing did, 1 when
// something did, 2 when called wrongly.
#include "stations/StalePageStation.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  if (arguments.size() != 4) {
    std::fprintf(stderr, "usage: tavorin-stale-page-station <main database> <stock database> <notify file>\n");
    return 2;
  }
  const QString failure = testing_support::stale_page::otherStationWrites(arguments[1], arguments[2], arguments[3]);
  if (failure.isEmpty()) return 0;
  std::printf("%s\n", failure.toUtf8().constData());
  return 1;
}
