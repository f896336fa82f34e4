// Bays: nested arcs in the two outer quarters, strokes to the sides, and a
// fan of cross strokes with bays of down arcs between them.
#include "generator/patterns_context.h"

namespace zefrin::patterns {

void bays(PatternContext& p) {
  const int32_t h = p.N;
  if (h == 2) {
    p.add(5, 1, 2, p.col(0));
    p.add(6, 1, 2, p.col(1));
    return;
  }
  const int32_t l = ceil2(h);
  const int32_t m = truncDiv(l, 2);
  const int32_t q1 = ceil2(m - 1);
  const int32_t q2 = truncDiv(l - m, 2);
  const int32_t n = l - m - q2;
  for (int32_t i = 1; i <= q1; ++i) {
    p.add(5, i + 1, m - i + 1, p.col(0));
    p.add(5, h + i - m, h - i, p.col(1));
  }
  for (int32_t j = 1; j <= q2; ++j) {
    p.add(1, m + j, j, p.col(2));
    p.add(3, h - m - j + 1, j + 1, p.col(3));
  }
  p.add(7, m + q2 + 1, 2, p.col(4));
  p.add(7, h - m - q2, h - 1, p.col(4));
  int32_t s = 0;
  if (n >= 2) {  // keeps the step's divisor n - 1 above 0
    s = truncDiv(l - 2, n - 1);
    for (int32_t j = 1; j <= n - 1; ++j) {
      p.add(7, m + q2 + j + 1, s * j + 2, p.col(4));
      p.add(7, h - m - q2 - j, h - s * j - 1, p.col(4));
      const int32_t t = s * (j - 1);
      for (int32_t k = 1; k <= s - 1; ++k) p.add(6, t + k + 2, h - t - k - 1, p.col(5));
    }
  }
  const int32_t t = (n - 1) * s + 3;
  for (int32_t j = 1; j <= l - t + 1; ++j) p.add(6, t + j - 1, h - t - j + 2, p.col(6));
}

}  // namespace zefrin::patterns
