// The seams the engine is handed at construction: nothing in the engine
// reaches for a global event loop, message box, clock or random source.
#pragma once

#include "platform/seams/clock.h"
#include "platform/seams/event_pump.h"
#include "platform/seams/messenger.h"
#include "platform/seams/progress_listener.h"
#include "platform/seams/random_source.h"

namespace zefrin {

struct EngineServices {
  EventPump& pump;
  Messenger& messenger;
  ProgressListener& progress;
  Clock& clock;
  RandomSource& random;
};

}  // namespace zefrin
