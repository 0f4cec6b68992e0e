#include "platform/qt/SoundBell.h"

#include <QUrl>

namespace platform {

SoundBell::SoundBell() { effect_.setSource(QUrl(QStringLiteral("qrc:/sounds/bell.wav"))); }

void SoundBell::ring() {
  // A bell still sounding starts again; a missing device or a sound not yet loaded
  // gives silence, never an error.
  effect_.stop();
  effect_.play();
}

}  // namespace platform
