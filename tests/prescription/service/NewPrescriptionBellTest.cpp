// The new-prescription bell: which polls of the counter file ring, with a counting bell.
#include "prescription/service/NewPrescriptionBell.h"
#include "platform/Bell.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace {

using prescription::NewPrescriptionBell;
using testing_support::ScriptedDialogs;
using testing_support::TempFolder;

struct CountingBell : platform::Bell {
  void ring() override { ++rings; }
  int rings = 0;
};

class BellTest : public ::testing::Test {
 protected:
  // nullopt removes the file; a text is written as the save writes it.
  void counterSays(const std::optional<QByteArray>& bytes) {
    QFile::remove(path);
    if (bytes) folder.writeFile("Kqtz.ini", *bytes);
  }

  TempFolder folder;
  QString path = folder.sub("Kqtz.ini");
  CountingBell bell;
  ScriptedDialogs dialogs;
  int todayShown = 0;
  NewPrescriptionBell poller{path, bell, dialogs, [this] { ++todayShown; }};
};

TEST_F(BellTest, RingsOncePerChangeOfTheCount) {
  struct Poll {
    std::optional<QByteArray> file;
    int rings;  // after this poll, counted from the window's load
  };
  const Poll polls[] = {
      {" 3 \r\n", 1},   // the window loaded while the file says 3: the first poll rings
      {" 5 \r\n", 2},
      {" 6 \r\n", 3},   // 5 -> 6 rings once
      {" 6 \r\n", 3},   // 6 -> 6 silent
      {std::nullopt, 3},  // missing: silent, the last count is kept
      {" 6 \r\n", 3},   // compared with the 6 read before it went missing
      {"", 3},          // empty: silent
      {" 0 \r\n", 4},   // 6 -> 0 (a new day) rings
      {"abc\r\n", 4},   // not a number counts as 0
      {" 12 ", 5},      // without its line break
  };
  for (const Poll& poll : polls) {
    counterSays(poll.file);
    poller.pollNow();
    EXPECT_EQ(bell.rings, poll.rings) << (poll.file ? poll.file->toStdString() : "<missing>");
    EXPECT_EQ(dialogs.messages.size(), poll.rings);
    EXPECT_EQ(todayShown, poll.rings) << "answering the message lists today's prescriptions";
  }
  for (const auto& shown : dialogs.messages) {
    EXPECT_EQ(shown.text, QStringLiteral("有新处方到！"));
    EXPECT_EQ(shown.title, QStringLiteral("提示"));
  }
}

TEST_F(BellTest, APollWhileTheMessageIsOpenDoesNothing) {
  counterSays(" 5 \r\n");
  dialogs.onMessage = [&](const QString&) {
    // Other saves arrive while the desk has not answered yet.
    counterSays(" 7 \r\n");
    poller.pollNow();
    poller.take(QStringLiteral(" 8 "));
  };
  poller.pollNow();
  EXPECT_EQ(bell.rings, 1);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(poller.lastLine(), QStringLiteral(" 5 ")) << "the count is remembered before the message shows";

  dialogs.onMessage = nullptr;
  poller.pollNow();  // 5 -> 7: the change made during the message is announced once now
  EXPECT_EQ(bell.rings, 2);
  poller.pollNow();
  EXPECT_EQ(bell.rings, 2);
}

TEST_F(BellTest, ThePollReadsOffTheWindowThreadOneReadAtATime) {
  counterSays(" 4 \r\n");
  int polled = 0;
  QObject::connect(&poller, &NewPrescriptionBell::polled, [&] { ++polled; });
  poller.poll();
  EXPECT_TRUE(poller.reading());
  poller.poll();  // still reading: no second read
  const QDeadlineTimer deadline(5000);
  while (polled == 0 && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(polled, 1);
  EXPECT_FALSE(poller.reading());
  EXPECT_EQ(bell.rings, 1);
  EXPECT_EQ(poller.lastLine(), QStringLiteral(" 4 "));
}

TEST_F(BellTest, AnUnreachableCounterFileIsSilent) {
  NewPrescriptionBell unreachable{folder.sub("host/share/Kqtz.ini"), bell, dialogs, [] {}};
  unreachable.pollNow();
  EXPECT_EQ(bell.rings, 0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
