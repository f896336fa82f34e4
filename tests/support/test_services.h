// The engine's seams as tests want them: nothing shown, everything recorded,
// a clock that stands still and a seeded random source.
#pragma once

#include "platform/seams/engine_services.h"
#include "support/fake_clock.h"
#include "support/recording_messenger.h"
#include "support/recording_progress.h"

namespace zefrin::testing {

class CountingEventPump final : public EventPump {
 public:
  void processPendingEvents() override { ++calls; }
  int calls = 0;
};

struct TestServices {
  explicit TestServices(uint64_t seed = 12345) : random(seed) {}
  EngineServices services() { return EngineServices{pump, messenger, progress, clock, random}; }

  CountingEventPump pump;
  RecordingMessenger messenger;
  RecordingProgress progress;
  FakeClock clock;
  MersenneRandom random;
};

}  // namespace zefrin::testing
