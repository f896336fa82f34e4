// Lets pending user-interface events run at the points where long work
// yields (after each generated line, inside pauses). The desktop program
// pumps the Qt event loop; tests and the command line do nothing.
#pragma once

namespace zefrin {

class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void processPendingEvents() = 0;
};

class NoEventPump final : public EventPump {
 public:
  void processPendingEvents() override {}
};

}  // namespace zefrin
