#include <algorithm>

#include "generator/patterns_context.h"

namespace zefrin::patterns {

namespace {

// Int(range * r + 1) in single precision. For the largest draw the float sum
// can round up to range + 1 (8 * (1 - 2^-24) + 1 rounds to 9), so the result
// is held to the range; a range of 0 still gives 1.
int32_t drawPosition(int32_t range, RandomSource& random) {
  const float scaled = static_cast<float>(range) * random.uniform();
  const float shifted = scaled + 1.0f;
  return std::min(floorInt(shifted), std::max(range, 1));
}

}  // namespace

void randomPattern(PatternContext& p, RandomSource& random) {
  random.reseedFromClock();
  // A run holds at most 32,767 lines, so more connections are never drawn.
  const int32_t count = std::min(p.p1, kMaxRandomConnections);
  for (int32_t k = 0; k < count; ++k) {
    const int32_t connectionClass = drawPosition(8, random);
    int32_t up = 0;
    int32_t down = 0;
    if (connectionClass <= 4) {
      up = drawPosition(p.N, random);
      down = drawPosition(p.M, random);
    } else if (connectionClass <= 6) {
      const int32_t a = drawPosition(p.N, random);
      const int32_t g = drawPosition(p.N - 1, random);
      // Two different columns: g skips over a.
      if (g < a) {
        up = g;
        down = a;
      } else {
        up = a;
        down = g + 1;
      }
    } else if (connectionClass == 7) {
      up = drawPosition(p.N, random);
      down = drawPosition(p.N, random);
    } else {
      up = drawPosition(p.M, random);
      down = drawPosition(p.M, random);
    }
    p.add(connectionClass, up, down, p.col(k));
  }
}

}  // namespace zefrin::patterns
