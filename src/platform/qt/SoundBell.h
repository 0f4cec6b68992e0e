// The bell played through the audio output: the program's own one-second bell, a PCM
// WAV carried as a resource. Silent when there is no audio device.
#pragma once

#include "platform/Bell.h"

#include <QSoundEffect>

namespace platform {

class SoundBell : public Bell {
 public:
  SoundBell();
  void ring() override;

 private:
  QSoundEffect effect_;
};

}  // namespace platform
