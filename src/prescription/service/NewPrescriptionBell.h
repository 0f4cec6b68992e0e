// The new-prescription bell: every save rewrites "Kqtz.ini" with today's number of
// prescriptions; a workstation whose bell is on polls that file (Timer1, every 3 s) and,
// when the number differs from the one it read last, rings and shows "有新处方到！".
// Answering the message lists today's prescriptions.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace platform {
class Bell;
class Dialogs;
}  // namespace platform

namespace prescription {

inline const QString kNewPrescriptionMessage = QStringLiteral("有新处方到！");

// The first line of the counter file without its line break; nullopt when the file is
// missing, cannot be read or is empty.
std::optional<QString> readNotifyLine(const QString& notifyFilePath);

class NewPrescriptionBell : public QObject {
  Q_OBJECT

 public:
  // `showToday` lists today's prescriptions (Command2_Click) once the message is answered.
  NewPrescriptionBell(QString notifyFilePath, platform::Bell& bell, platform::Dialogs& dialogs,
                      std::function<void()> showToday, QObject* parent = nullptr);

  // Timer1_Timer: reads the file off the calling thread, so a dead network share never
  // holds up the window, and takes the line when the read ends. Does nothing while the
  // previous read is still under way or the message is open.
  void poll();
  // The same poll with the file read on the calling thread.
  void pollNow();

  // What a poll does with the line it read: rings and announces a changed count once.
  // The count is remembered before the message shows, and a poll that arrives while
  // the message is open does nothing.
  void take(const std::optional<QString>& line);

  bool reading() const { return reading_; }
  QString lastLine() const { return lastLine_; }

 signals:
  // A read started by poll() has been taken.
  void polled();

 private:
  QString notifyFilePath_;
  platform::Bell& bell_;
  platform::Dialogs& dialogs_;
  std::function<void()> showToday_;
  QString lastLine_;  // empty at the window's load, which counts as 0
  bool messageOpen_ = false;
  bool reading_ = false;
  QFutureWatcher<std::optional<QString>> read_;
};

}  // namespace prescription
