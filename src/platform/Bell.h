// The bell that tells the desk a new prescription has arrived. Playing is asynchronous
// and never fails loudly: without an audio device nothing is heard.
#pragma once

namespace platform {

class Bell {
 public:
  virtual ~Bell() = default;
  // Starts the bell sound and returns at once.
  virtual void ring() = 0;
};

}  // namespace platform
