// Lets pending user-interface events run at the points where long work
// yields (after each generated line, inside pauses). The desktop program
// pumps the Qt event loop; tests and the command line do nothing.
#pragma once

#include <cstdint>

namespace zefrin {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void processPendingEvents() = 0;
  // Inside pauses: lets events run and may sleep up to maxMilliseconds waiting
  // for one, so a pause does not spin the processor. By default it only
  // processes what is pending.
  virtual void waitForEvents(int32_t maxMilliseconds) {
    (void)maxMilliseconds;
    processPendingEvents();
  }
};

class NoEventPump final : public EventPump {
 public:
  void processPendingEvents() override {}
};

}  // namespace zefrin
