#include "prescription/service/NewPrescriptionBell.h"

#include "platform/Bell.h"
#include "platform/Dialogs.h"
#include "text/Numbers.h"

#include <QFile>
#include <QPromise>

#include <memory>
#include <thread>

namespace prescription {

std::optional<QString> readNotifyLine(const QString& notifyFilePath) {
  QFile file(notifyFilePath);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray line = file.readLine(256);
  if (line.isEmpty()) return std::nullopt;
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  return QString::fromLatin1(line);
}

NewPrescriptionBell::NewPrescriptionBell(QString notifyFilePath, platform::Bell& bell, platform::Dialogs& dialogs,
                                         std::function<void()> showToday, QObject* parent)
    : QObject(parent),
      notifyFilePath_(std::move(notifyFilePath)),
      bell_(bell),
      dialogs_(dialogs),
      showToday_(std::move(showToday)) {
  connect(&read_, &QFutureWatcherBase::finished, this, [this] {
    reading_ = false;
    take(read_.future().result());
    emit polled();
  });
}

void NewPrescriptionBell::poll() {
  if (reading_ || messageOpen_) return;
  reading_ = true;
  auto promise = std::make_shared<QPromise<std::optional<QString>>>();
  read_.setFuture(promise->future());
  promise->start();
  // A detached thread: a read hanging on an unreachable share holds up neither the
  // window nor the end of the program.
  std::thread([promise, path = notifyFilePath_] {
    promise->addResult(readNotifyLine(path));
    promise->finish();
  }).detach();
}

void NewPrescriptionBell::pollNow() {
  if (reading_ || messageOpen_) return;
  take(readNotifyLine(notifyFilePath_));
}

void NewPrescriptionBell::take(const std::optional<QString>& line) {
  if (messageOpen_ || !line) return;
  const bool changed = text::leadingNumber(lastLine_) != text::leadingNumber(*line);
  lastLine_ = *line;
  if (!changed) return;
  bell_.ring();
  messageOpen_ = true;
  dialogs_.message(kNewPrescriptionMessage);
  messageOpen_ = false;
  if (showToday_) showToday_();
}

}  // namespace prescription
