// Patterns built mostly from arcs that leave and return to the same side
// (classes 5 and 6).
#include <algorithm>
#include <cstdlib>

#include "generator/patterns_context.h"

namespace zefrin::patterns {

namespace {
// Half the columns, rounded up, plus one more for an odd count.
int32_t eightHalf(int32_t N) { return roundHalfEven(N / 2.0 + truncMod(N, 2)); }
}  // namespace

void eight(PatternContext& p) {
  const int32_t h = eightHalf(p.N);
  for (int32_t i = 1; i <= h; ++i) {
    p.add(5, i, p.N - i + 1, p.col(i));
    p.add(6, i, p.N - i + 1, p.col(i));
  }
  const int32_t sideLines = std::min(p.p1, p.M);
  for (int32_t i = 1; i <= sideLines; ++i) p.add(8, i, i, p.col(0));
}

void forages(PatternContext& p) {
  const int32_t h = eightHalf(p.N);
  for (int32_t i = 1; i <= h; ++i) p.add(5, i, p.N - i + 1, p.col(i - 1));
}

void screw(PatternContext& p) {
  int32_t q = truncDiv(p.N - 1, 4);
  const int32_t r = truncMod(p.N - 1, 4);
  if (r == 3) q += 1;
  const int32_t s = (r == 0 || r == 3) ? 1 : 0;
  for (int32_t i = 1; i <= q; ++i) {
    p.add(5, 4 * i - 3, 4 * i, p.col(0));
    p.add(6, 4 * i - 3, 4 * i, p.col(2));
  }
  for (int32_t i = 1; i <= q - s; ++i) {
    p.add(5, 4 * i - 1, 4 * i + 2, p.col(1));
    p.add(6, 4 * i - 1, 4 * i + 2, p.col(3));
  }
  const int32_t sideLines = std::min(p.N, p.p1);
  for (int32_t i = 1; i <= sideLines; ++i) p.add(8, i, i, p.col(4));
}

void spider(PatternContext& p) {
  const int32_t h = truncDiv(p.N, 2);
  const int32_t b = truncMod(p.N, 2);
  for (int32_t i = 1; i <= h; ++i) {
    p.add(7, i, h + i + b, p.col(0));
    p.add(6, i, h + b - i + 1, p.col(1));
    p.add(5, h + i, p.N - i + 1, p.col(2));
  }
}

void buterfly(PatternContext& p) {
  const int32_t N = p.N;
  // A negative p1 would give a negative step and ends outside the columns;
  // its size is taken as the density instead.
  int32_t a = std::abs(truncMod(p.p1, 9));
  if (a == 0) a = 4;
  const int32_t b = ceil2(N);
  const int32_t q = truncDiv(b, a);
  for (int32_t j = 1; j <= q; ++j) {
    p.add(7, j, a * j, p.col(0));
    p.add(7, N - j + 1, N - a * j + 1, p.col(1));
  }
  p.add(7, q + 1, b, p.col(2));
  p.add(7, N - q, b - truncMod(N, 2) + 1, p.col(2));
  if (p.p2 >= 1) {
    for (int32_t i = q + 2; i <= b; ++i) p.add(5, i, N - i + 1, p.col(3));
  }
}

void labyrinth(PatternContext& p) {
  const int32_t N = p.N;
  const auto b = static_cast<int32_t>((10LL * N) / 100);
  const int32_t q = truncDiv(N, 4);
  const int32_t c = b + q + 1;
  const int32_t e = N - 2 * b - 2 * q;
  const int32_t n = ceil2(q + e);
  for (int32_t i = 1; i <= q; ++i) {
    p.add(3, b + i, i, p.col(0));
    p.add(2, b + q + e + i, i, p.col(1));
  }
  for (int32_t i = 1; i <= n; ++i) {
    p.add(5, c + i - 1, N - b - i + 1, p.col(2));
    p.add(6, b + i, b + q + e - i + 1, p.col(3));
  }
}

void chains(PatternContext& p) {
  const int32_t N = p.N;
  const int32_t h = truncDiv(N, 2);
  for (int32_t i = 1; i <= h; ++i) {
    p.add(5, i, i + h, p.col(0));
    p.add(6, N - i + 1, h - i + 1, p.col(1));
  }
  const int32_t sideLines = std::min(N, p.p1);
  for (int32_t j = 1; j <= sideLines; ++j) p.add(8, j, j, p.col(2));
}

}  // namespace zefrin::patterns
