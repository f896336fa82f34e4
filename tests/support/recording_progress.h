// Records progress events in the order they came.
#pragma once

#include <string>
#include <vector>

#include "platform/seams/progress_listener.h"

namespace zefrin::testing {

class RecordingProgress final : public ProgressListener {
 public:
  struct Event {
    enum class Kind { Init, Progress, Complete } kind;
    int32_t value;
  };
  void InitProgress(int32_t v) override { events.push_back({Event::Kind::Init, v}); }
  void Progress(int32_t v) override { events.push_back({Event::Kind::Progress, v}); }
  void Complete(int32_t v) override { events.push_back({Event::Kind::Complete, v}); }
  std::vector<Event> events;
};

}  // namespace zefrin::testing
