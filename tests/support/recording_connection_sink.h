// Records every connection a pattern adds, in order.
#pragma once

#include <ostream>
#include <vector>

#include "generator/connection_sink.h"

namespace zefrin::testing {

struct Added {
  int32_t cls, up, down, nm, colour, width;
  bool operator==(const Added&) const = default;
};

inline void PrintTo(const Added& a, std::ostream* os) {
  *os << "{" << a.cls << ", " << a.up << ", " << a.down << ", colour " << a.colour << ", width " << a.width << "}";
}

struct RecordingSink : ConnectionSink {
  std::vector<Added> calls;
  void Add(int32_t cls, int32_t up, int32_t down, int32_t nm, int32_t colour, int32_t width) override {
    calls.push_back({cls, up, down, nm, colour, width});
  }
};

}  // namespace zefrin::testing
