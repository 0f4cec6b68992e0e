// How long a connection waits for another connection's lock: the busy timeout as it
// stands when the wait begins, for connections opened before a change too.
#include "store/Database.h"
#include "support/FileFaults.h"
#include "support/TempFolder.h"

#include <QElapsedTimer>

#include <SQLiteCpp/Exception.h>
#include <gtest/gtest.h>

namespace {

TEST(LockWait, AConnectionOpenedBeforeTheTimeoutChangedWaitsTheNewTime) {
  testing_support::TempFolder folder;
  const QString path = folder.sub(QStringLiteral("lock.mdb"));
  store::Database early(path, store::Database::Mode::Create);
  early.exec(QStringLiteral(R"(CREATE TABLE "行" ("值" INTEGER))"));

  const testing_support::ShortBusyTimeout shortWait{150};
  const testing_support::ExclusiveLock otherWorkstation(path);
  QElapsedTimer waited;
  waited.start();
  EXPECT_THROW(early.exec(QStringLiteral(R"(INSERT INTO "行" VALUES (1))")), SQLite::Exception);
  // The short wait, not the five seconds the connection was opened with (with room for
  // a loaded machine).
  EXPECT_LT(waited.elapsed(), 2500);
}

}  // namespace
