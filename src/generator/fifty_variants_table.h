// The motifs of "50 Variants" as data: each is laid out K times along the
// columns, K = (N - offset) \ period, shifted by the period each time.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zefrin {

struct MotifConnection {
  int32_t connectionClass;
  int32_t up;      // relative to the repetition's first column
  int32_t down;
  int32_t colour;  // index k of col(k)
  bool mirroredOnOdd = false;  // up and down swap in odd repetitions
};

// A side-to-side line added once after the repetitions, at an absolute slot.
struct MotifSideLine {
  int32_t slot;
  int32_t colour;
  int32_t minimumSlots = 0;  // added only when M reaches this
};

struct Motif {
  int32_t period;
  int32_t offset;  // K = (N - offset) \ period
  std::vector<MotifConnection> connections;
  std::vector<MotifSideLine> sideLines = {};
  // Colour from a counter that rises by one per connection, not from the
  // connection's own index.
  bool runningColour = false;
};

// Variant v is entry v - 1.
const std::array<Motif, 55>& fiftyVariantMotifs();

}  // namespace zefrin
