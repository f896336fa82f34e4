// Hyperbola1 and Hyperbola2: q columns at each end bent towards the sides,
// a straight middle column for an odd count, and side-to-side lines.
#include <algorithm>

#include "generator/patterns_context.h"

namespace zefrin::patterns {

namespace {
// A negative p1 would put the side lines at slots 0 and below; it bends no
// columns instead.
int32_t bentColumns(const PatternContext& p) { return std::max(0, std::min(p.p1, truncDiv(p.N, 2))); }
}  // namespace

void hyperbola1(PatternContext& p) {
  const int32_t N = p.N;
  const int32_t q = bentColumns(p);
  const Colour z = p.colourCount() > 4 ? p.col(4) : kPenUp;  // -1: colours from the set
  if (truncMod(N, 2) != 0) p.add(7, truncDiv(N, 2) + 1, truncDiv(N, 2) + 1, z);
  const double x = std::max(p.M, N) / 2.0 - q;
  const int32_t n = p.p2 <= x ? p.p2 : roundHalfEven(x);
  for (int32_t i = 1; i <= n; ++i) p.add(8, i + 2 * q, i + 2 * q, z);
  for (int32_t i = 1; i <= q; ++i) {
    p.add(1, i, i, p.col(0));
    p.add(2, i, q + i, p.col(1));
    p.add(3, N - i + 1, i, p.col(3));
    p.add(4, N - i + 1, q + i, p.col(2));
  }
}

void hyperbola2(PatternContext& p) {
  const int32_t N = p.N;
  const int32_t q = bentColumns(p);
  if (truncMod(N, 2) != 0) p.add(7, truncDiv(N, 2) + 1, truncDiv(N, 2) + 1, p.col(0));
  const int32_t n = std::min(truncDiv(std::max(p.M, N), 2) - q, p.p2);
  for (int32_t i = 1; i <= q; ++i) {
    const Colour c = p.col(i - 1);
    p.add(1, i, i, c);
    p.add(2, i, q + i, c);
    p.add(3, N - i + 1, i, c);
    p.add(4, N - i + 1, q + i, c);
  }
  const Colour c = p.col(q);
  for (int32_t j = 1; j <= n; ++j) p.add(8, j + 2 * q, j + 2 * q, c);
}

}  // namespace zefrin::patterns
