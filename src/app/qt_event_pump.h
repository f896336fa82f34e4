// Lets Qt run pending events where the engine yields (after each line,
// inside pauses). Before it does, the views repaint what the engine drew, so
// the lines appear one by one.
#pragma once

#include <functional>

#include "platform/seams/event_pump.h"

namespace zefrin {

class QtEventPump final : public EventPump {
 public:
  // Called before the events run: the main window repaints changed views.
  void setBeforePump(std::function<void()> hook) { beforePump_ = std::move(hook); }
  void processPendingEvents() override;
  // Sleeps until an event arrives or the time is up, so pauses do not spin.
  void waitForEvents(int32_t maxMilliseconds) override;

 private:
  std::function<void()> beforePump_;
};

}  // namespace zefrin
