// Waves1 and Waves2: p1 waves of nested up and down arcs along the columns,
// then p2 side-to-side lines.
#include <algorithm>

#include "generator/patterns_context.h"

namespace zefrin::patterns {

namespace {

// The arcs of one wave: arc j of the wave at offset e is the up arc from
// upStart + e - j + 1 to upEnd + e + j - 1 and the down arc likewise.
struct WaveShape {
  int32_t upStart, upEnd, downStart, downEnd, arcs;
};

void layWaves(PatternContext& p, WaveShape (*shapeFor)(int32_t columnsPerWave)) {
  if (p.N < 2) return;
  const int32_t a = std::max(p.p1, 1);
  const int32_t b = std::max(truncDiv(p.N, a), 2);
  const int32_t w = truncDiv(p.N, b);
  const WaveShape shape = shapeFor(b);
  for (int32_t i = 1; i <= w; ++i) {
    const int32_t e = b * (i - 1);
    for (int32_t j = 1; j <= shape.arcs; ++j) {
      p.add(5, shape.upStart + e - j + 1, shape.upEnd + j + e - 1, p.col(0));
      p.add(6, shape.downStart + e - j + 1, shape.downEnd + j + e - 1, p.col(1));
    }
  }
  if (p.N >= p.p2) {
    for (int32_t i = 1; i <= p.p2; ++i) p.add(8, i, i, p.col(2));
  }
}

// Up and down arcs at the same places.
WaveShape waves1Shape(int32_t b) {
  int32_t c = 1;
  int32_t n = 1;
  if (b != 2) {
    const int32_t t = ceil2(b) - 1;
    c = truncDiv(t, 2) + 1;
    n = ceil2(t);
  }
  return {n, c, n, c, n};
}

// The down arcs sit half a wave after the up arcs.
WaveShape waves2Shape(int32_t b) {
  if (b == 2) return {1, 1, 2, 2, 1};
  const int32_t g = ceil2(b);
  const int32_t h = ceil2(b - g) + g;
  const int32_t n = ceil2(g - 1);
  const int32_t f = truncDiv(g - 1, 2) + 1;
  return {n, f, h - 1, h, n};
}

}  // namespace

void waves1(PatternContext& p) { layWaves(p, waves1Shape); }
void waves2(PatternContext& p) { layWaves(p, waves2Shape); }

}  // namespace zefrin::patterns
