// A clock that only moves when a test moves it.
#pragma once

#include "platform/seams/clock.h"

namespace zefrin::testing {

class FakeClock final : public Clock {
 public:
  int64_t milliseconds() override { return ms; }
  double secondsSinceMidnight() override { return seconds; }
  int64_t ms = 0;
  double seconds = 0;
};

}  // namespace zefrin::testing
