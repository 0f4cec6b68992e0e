// The history search's name pieces made complete on a thread of their own after
// start-up, so that the login window comes at once and other workstations read and
// write between the fill's short steps. The search reads the pieces once they are
// complete and answers without them until then.
#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace startup {

class BackgroundNameIndexFill {
 public:
  // Starts the fill of the main file at `mainDbPath`.
  explicit BackgroundNameIndexFill(QString mainDbPath);
  // Stops the fill and waits for it: the step running is interrupted.
  ~BackgroundNameIndexFill();
  BackgroundNameIndexFill(const BackgroundNameIndexFill&) = delete;
  BackgroundNameIndexFill& operator=(const BackgroundNameIndexFill&) = delete;

  // Waits until the fill has ended: done, or given up on a file it cannot write.
  void wait();

  // How long the fill waits before it tries a step again that found the file locked.
  static constexpr int kRetryMs = 500;
  // After each step that wrote, the fill leaves the file to the others as long as the
  // step held it, within these bounds: a workstation that has waited less than 128 ms
  // polls at least every 25 ms.
  static constexpr int kLeastPauseMs = 30;
  static constexpr int kMostPauseMs = 100;

 private:
  void run(const QString& mainDbPath);
  // Waits, or less once the fill is to stop.
  void pause(qint64 milliseconds);

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable stopped_;
  std::thread thread_;
};

}  // namespace startup
