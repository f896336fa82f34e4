// Patterns made of straight strokes: across the shape (class 7), between
// the side slots (class 8) and from the columns to the sides (classes 1-4).
#include <algorithm>

#include "generator/patterns_context.h"

namespace zefrin::patterns {

void horizontal(PatternContext& p) {
  for (int32_t i = 1; i <= p.M; ++i) p.add(8, i, i, p.col(i - 1));
}

void vertical(PatternContext& p) {
  // p1 and p2 are the percentages of columns filled from the left and from
  // the right; the columns in between stay empty.
  const int32_t a = roundHalfEven(static_cast<double>(p.p1) * p.N / 100.0);
  const int32_t b = roundHalfEven((100.0 - p.p2) * p.N / 100.0);
  for (int32_t i = 1; i <= p.N; ++i) {
    if (a < i && i <= b) continue;
    p.add(7, i, i, p.col(i - 1));
  }
}

void diagonal(PatternContext& p) {
  const int32_t N = p.N;
  // Variants 1..4: per column i one connection of the first class and one of
  // the second, at column i or N - i + 1, both in colour i - 1.
  struct CornerPair {
    int32_t firstClass;
    bool firstFromTheRight;
    int32_t secondClass;
  };
  static constexpr CornerPair kCornerPairs[] = {{3, false, 2}, {3, true, 2}, {1, false, 4}, {1, true, 4}};
  switch (p.p1) {
    case 1:
    case 2:
    case 3:
    case 4: {
      const CornerPair& pair = kCornerPairs[p.p1 - 1];
      for (int32_t i = 1; i <= N; ++i) {
        const int32_t first = pair.firstFromTheRight ? N - i + 1 : i;
        p.add(pair.firstClass, first, first, p.col(i - 1));
        p.add(pair.secondClass, N - i + 1, N - i + 1, p.col(i - 1));
      }
      break;
    }
    case 5: {
      const int32_t h = roundHalfEven((N - 1) / 2.0);
      for (int32_t j = 1; j <= h; ++j) {
        p.add(7, j, h + j, p.col(0));
        p.add(2, j, j, p.col(1));
        p.add(3, h + j, j, p.col(2));
      }
      break;
    }
    case 6: {
      const int32_t h = roundHalfEven((N - 1) / 2.0);
      for (int32_t j = 1; j <= h; ++j) {
        p.add(7, h + j, j, p.col(0));
        p.add(1, j, j, p.col(1));
        p.add(4, h + j, j, p.col(2));
      }
      break;
    }
    default:
      break;
  }
}

void corner(PatternContext& p) {
  for (int32_t i = 1; i <= p.N; ++i) p.add(3, i, i, p.col(i - 1));
}

void baloon(PatternContext& p) {
  const int32_t h = truncDiv(p.N, 2);
  for (int32_t i = 1; i <= h; ++i) p.add(7, i, i + h, p.col(i - 1));
}

void net(PatternContext& p) {
  for (int32_t i = 1; i <= p.N; ++i) p.add(7, i, i, p.col(0));
  for (int32_t i = 1; i <= p.M; ++i) p.add(8, i, i, p.col(1));
}

void iks(PatternContext& p) {
  const int32_t h = truncDiv(p.N, 2);
  const Colour second = p.colourCount() > 1 ? p.col(1) : p.col(0);
  for (int32_t i = 1; i <= h; ++i) {
    p.add(7, i, h + i, p.col(0));
    p.add(7, h + i, i, second);
  }
}

void propeller(PatternContext& p) {
  for (int32_t i = 1; i <= p.N; ++i) p.add(7, i, p.N - i + 1, p.col(i - 1));
}

void bouquet(PatternContext& p) {
  for (int32_t i = 1; i <= p.N; ++i) {
    const Colour x = p.p2 < 1 ? p.col(i - 1) : p.col(0);
    const Colour y = p.p2 < 1 ? p.col(i - 1) : p.col(1);
    p.add(3, i, i, x);
    p.add(4, i, i, y);
  }
  const int32_t sideLines = std::min(p.M, p.p1);
  for (int32_t j = 1; j <= sideLines; ++j) p.add(8, j, j, p.col(2));
}

void turn(PatternContext& p) {
  const int32_t q = roundHalfEven((p.N - 1) / 2.0);
  for (int32_t i = 0; i <= q; ++i) {
    p.add(1, i + 1, p.N - i, p.col(0));
    p.add(4, p.N - i, i + 1, p.col(1));
  }
}

void crossing(PatternContext& p) {
  const int32_t N = p.N;
  const int32_t h = truncDiv(N, 2);
  for (int32_t i = 1; i <= h; ++i) {
    p.add(3, i, i, p.col(0));
    p.add(1, N - i, i, p.col(1));
    p.add(4, i, i + h, p.col(2));
    p.add(2, N - i, i + h, p.col(3));
  }
}

}  // namespace zefrin::patterns
