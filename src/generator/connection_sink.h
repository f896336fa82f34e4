// What a pattern needs of the line store: somewhere to put connections.
// Patterns write through this, so they can be tested against a recorder.
#pragma once

#include <cstdint>

namespace zefrin {

class ConnectionSink {
 public:
  virtual ~ConnectionSink() = default;
  // Class 1..8, the two end positions, the caller's number, the colour
  // (-1: from the colour set) and the pen width (0 from the patterns).
  virtual void Add(int32_t connectionClass, int32_t Fup, int32_t Fdn, int32_t Fnm, int32_t colour,
                   int32_t width) = 0;
};

}  // namespace zefrin
