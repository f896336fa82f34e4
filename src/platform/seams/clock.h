// Time as the engine needs it: a millisecond counter for measuring work and
// the seconds since midnight that pauses count in.
#pragma once

#include <cstdint>

namespace zefrin {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary start; only differences mean anything.
  virtual int64_t milliseconds() = 0;
  // Seconds since local midnight, with a fractional part; wraps at 86400.
  virtual double secondsSinceMidnight() = 0;
};

class SystemClock final : public Clock {
 public:
  int64_t milliseconds() override;
  double secondsSinceMidnight() override;
};

}  // namespace zefrin
