#include "shapes/shape_catalogue.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/numbers.h"
#include "shapes/shape_primitives.h"

namespace zefrin {

namespace {

// Expressions are worked in double (integer products included, so they
// cannot overflow) and handed to the single-precision primitives.
float line(double x1, double y1, double x2, double y2, double x) {
  return lineval(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                 static_cast<float>(y2), static_cast<float>(x));
}

float arc(double span, double amp, double x, int32_t mode) {
  return arcval(static_cast<float>(span), static_cast<float>(amp), static_cast<float>(x), mode);
}

float depth(double value) { return static_cast<float>(value); }

// a * b / 100 without a 32-bit intermediate.
double pct(double a, double b) { return a * b / 100.0; }

// The column mirrored about the middle.
int32_t mirrored(const ShapeState& s, int32_t i) { return i <= s.H ? i : s.N - i; }

void raiseP2(ShapeState& s) {
  if (s.p2 < 10) s.p2 = 10;
}

// --- 0: rectangle with chamfered corners
float rectUpper(ShapeState& s, int32_t i) {
  const double c = pct(s.p3, s.N);
  if (c > i) return line(0, pct(s.W, double(s.p1) + s.p3), c, pct(s.W, s.p1), i);
  return depth(pct(s.W, s.p1));
}
float rectLower(ShapeState& s, int32_t i) {
  const double c = pct(s.p3, s.N);
  if (c > s.N - i) return line(0, pct(s.W, double(s.p2) + s.p3), c, pct(s.W, s.p2), s.N - i);
  return depth(pct(s.W, s.p2));
}

// --- 1: rhombus with sides bent by p3
float rhombusStraight(const ShapeState& s, double k, int32_t i) {
  if (i <= s.N / 2.0) return line(0, k, s.H, 0, i);
  return line(s.H, 0, s.N, k, i);
}
float rhombusUpper(ShapeState& s, int32_t i) {
  const double k = s.W - pct(s.W, s.p1);
  if (s.p3 < 30) return depth(k - arc(s.N, k, i, 0));
  if (s.p3 < 75) return rhombusStraight(s, k, i);
  return depth(k - arc(s.N, k, i, 1));
}
float rhombusLower(ShapeState& s, int32_t i) {
  const double k = s.W - pct(s.W, s.p2);
  if (s.p3 < 20 || s.p3 > 45) return rhombusStraight(s, k, i);
  return depth(k - arc(s.N, k, i, 1));
}

// --- 2: octagon
float octagon(ShapeState& s, int32_t i) {
  const double c = pct(s.p1, s.N);
  if (c >= i) return line(0, pct(s.W, s.p2), c, 0, i);
  if (i <= s.N - c) return 0.0f;
  return line(s.N - c, 0, s.N, pct(s.W, s.p2), i);
}

// --- 3: ellipse; `flat` flattens the half, p3 moves both halves inwards
float ovalHalf(const ShapeState& s, int32_t flat, int32_t i) {
  const double inset = 2.0 * pct(s.W, s.p3);
  if (flat == 100) return depth(inset);
  const double lead = pct(s.N, flat);
  return depth(s.W / 2.0 + inset - arc(s.N + 2.0 * lead, s.W / 2.0, lead + i, 0));
}
float ovalUpper(ShapeState& s, int32_t i) { return ovalHalf(s, s.p1, i); }
float ovalLower(ShapeState& s, int32_t i) { return ovalHalf(s, s.p2, i); }

// --- 4: triangle, tent on the lower edge
float triangleUpper(ShapeState& s, int32_t i) {
  const int32_t j = mirrored(s, i);
  const double c = pct(s.N, s.p3);
  if (c >= j) return line(0, s.W, c, 0, j);
  return 0.0f;
}
float triangleLower(ShapeState& s, int32_t i) {
  const int32_t j = mirrored(s, i);
  const double c = double(s.N) * s.p2 / 200.0;
  if (c < j) return line(c, 0, s.H, pct(s.N, s.p1), j);
  return 0.0f;
}

// --- 5: cross
float crossEdge(const ShapeState& s, int32_t inset, int32_t i) {
  const double c = pct(s.p3, s.N);
  if (c > i || i > s.N - c) return depth(pct(s.W, inset));
  return 0.0f;
}
float crossUpper(ShapeState& s, int32_t i) { return crossEdge(s, s.p1, i); }
float crossLower(ShapeState& s, int32_t i) { return crossEdge(s, s.p2, i); }

// --- 6: rounded corners
float roundedUpper(ShapeState& s, int32_t i) {
  const double c = pct(s.p1, s.N);
  const double k = pct(s.W, s.p2);
  if (i < c) return depth(k - arc(2.0 * c, k, i, 0));
  if (i > s.N - c) return depth(k - arc(2.0 * c, k, s.N - i, 0));
  return 0.0f;
}
float roundedLower(ShapeState& s, int32_t i) {
  const double c = pct(s.p1, s.N);
  const double k = pct(s.W, s.p2);
  if (i < c) return depth(k - arc(2.0 * c, k, i, 0));
  if (i <= s.N - c) return 0.0f;
  return depth(k - arc(2.0 * c, k, s.N - i, 0));
}

// --- 7: concave corners
float concaveCorners(ShapeState& s, int32_t i) {
  const double f = s.N - pct(s.N, s.p1);
  const double k = s.W - pct(s.W, s.p2);
  if (f == 0) return 0.0f;
  if (i <= f / 2.0) return depth(k - arc(f, k, i, 1));
  if (i <= s.N - f / 2.0) return 0.0f;
  return depth(k - arc(f, k, s.N - i, 1));
}

// --- 8: wavy band
double waveHalfPeriods(int32_t p2) { return 3.0 / 40.0 * p2 + 0.25; }
float waveUpper(ShapeState& s, int32_t i) {
  const double k = kShapePi * waveHalfPeriods(s.p2) / s.N;
  const double a = pct(s.W, s.p1);
  return depth(std::min<double>(s.W, a * (1.0 + std::sin(k * i))));
}
float waveLower(ShapeState& s, int32_t i) {
  const double k = kShapePi * waveHalfPeriods(s.p2) / s.N;
  const double a = pct(s.W, s.p1);
  return depth(std::min<double>(s.W, a * (1.0 + std::sin(k * i + kShapePi * s.p3 / 100.0))));
}

// --- 9: bow tie
float bowTieUpper(ShapeState& s, int32_t i) { return depth(mirrored(s, i) * pct(s.W, s.p1) / s.H); }
float bowTieLower(ShapeState& s, int32_t i) { return depth(mirrored(s, i) * pct(s.W, s.p2) / s.H); }

// --- 10: scallops; arches narrower than 10 % would crowd, so p2 is raised
float scallops(ShapeState& s, int32_t i) {
  raiseP2(s);
  return depth(std::abs(pct(s.W, s.p1) * std::sin(kShapePi * i / pct(s.N, s.p2))));
}

// --- 11: wedges snapping back to the frame
float wedges(ShapeState& s, int32_t i) {
  const int64_t d = roundHalfEven(pct(s.p1, s.N));
  int64_t e = roundHalfEven((1.0 - s.p2 / 100.0) * s.N);
  if (d >= e) e = d + 1;
  if (i <= d) return 0.0f;
  if (i > e || i > s.N) return 0.0f;
  return line(double(d), 0, double(e), pct(s.W, s.p3), i);
}

// --- shared by the right-triangle and quarter-curve variants 12..27
float slopeDownRight(ShapeState& s, int32_t i) {  // U of 12, D of 14
  return line(0, 0, s.N, pct(s.W, 100.0 - s.p1), i);
}
float domeFromP3(ShapeState& s, int32_t i) {  // D of 12
  const int32_t d = roundHalfEven(pct(s.p3, s.N));
  if (i > d) return arc(2.0 * (double(s.N) - d), pct(s.W, s.p2), double(i) - d, 0);
  return 0.0f;
}
float slopeUpRight(ShapeState& s, int32_t i) {  // U of 13
  return line(0, pct(s.W, 100.0 - s.p1), s.N, 0, i);
}
float rampFromP3(ShapeState& s, int32_t i) {  // D of 13, U of 19
  const int32_t d = roundHalfEven(pct(s.W, s.p2));
  const int32_t e = roundHalfEven(pct(s.p3, s.N));
  if (i > e) return line(e, 0, s.N, d, i);
  return 0.0f;
}
float slopeP2ToP3(ShapeState& s, int32_t i) {  // U of 14
  return line(0, roundHalfEven(pct(s.p2, s.W)), s.N, roundHalfEven(pct(s.p3, s.W)), i);
}
float slopeToColumnD(ShapeState& s, int32_t i) {  // D of 15
  const int32_t d = roundHalfEven(pct(100.0 - s.p1, s.N));
  if (i < d) return line(0, s.W, d, 0, i);
  return 0.0f;
}
float quarterArc(const ShapeState& s, int32_t x, int32_t mode) {
  return arc(2.0 * s.N, pct(s.W, 100.0 - s.p1), x, mode);
}
float domeRight(ShapeState& s, int32_t i) { return quarterArc(s, i, 0); }
float domeLeft(ShapeState& s, int32_t i) { return quarterArc(s, s.N - i, 0); }
float cuspRight(ShapeState& s, int32_t i) { return quarterArc(s, i, 1); }
float cuspLeft(ShapeState& s, int32_t i) { return quarterArc(s, s.N - i, 1); }
float fallToColumnE(ShapeState& s, int32_t i) {  // U of 26
  const int32_t d = roundHalfEven(pct(s.W, s.p2));
  const int32_t e = roundHalfEven(pct(s.N, s.p3));
  if (i < e) return line(0, d, e, 0, i);
  return 0.0f;
}

// --- 20: two large arcs from opposite ends
float bigArc(const ShapeState& s, int32_t x) {
  const double d = 0.05 * s.p1;
  const double e = d / (d + 1.0);
  const double rest = 1.0 - e * e;
  // Only a negative p1 gets here with no real arc; it contributes nothing.
  if (!(rest > 0.0) || d + 1.0 == 0.0) return 0.0f;
  return arc(2.0 * s.N * (d + 1.0), s.W / std::sqrt(rest), x, 0);
}
float bigArcUpper(ShapeState& s, int32_t i) { return bigArc(s, s.N - i); }
float bigArcLower(ShapeState& s, int32_t i) { return bigArc(s, i); }

// --- 21: figure eight
float figureEight(ShapeState& s, int32_t i) {
  const int64_t e = roundHalfEven(double(s.p1 - 50.0) * s.N / 100.0);
  const int64_t g = int64_t{roundHalfEven((s.p2 - 50.0) / 100.0 * s.N)} + e + 2 * int64_t{mirrored(s, i)};
  const int64_t span = 2 * e + s.N;
  if (span < g || g < 0) return depth(s.W / 2.0);
  return depth(s.W / 2.0 - arc(double(span), s.W / 2.0, double(g), 0));
}

// --- 22: heart
float heartUpper(ShapeState& s, int32_t i) {
  const int32_t c = roundHalfEven(s.N / 10.0);
  const int32_t d = roundHalfEven(-s.N / 25.0);
  const int32_t j = mirrored(s, i);
  return depth(s.W / 2.0 - arc(s.N + 2.0 * c, s.W / 2.0, c + 2.0 * j + d, 0));
}
float heartLower(ShapeState& s, int32_t i) {
  const int32_t c = roundHalfEven(s.N * 10.0 / 100.0);
  const int32_t f = -roundHalfEven(s.N / 25.0);
  const double span = 2.0 * c + s.N;
  const int32_t j = mirrored(s, i);
  if (s.N * 0.16 >= j) return depth(0.75 * s.W - arc(span, s.W / 2.0, c + 2.0 * j + f, 0));
  const float r = arc(span, s.W / 2.0, 0.32 * s.N + c + f, 0);
  return arc(1.2 * s.N, (0.75 * s.W - r) / std::sqrt(0.8125), s.N / 2.0 - j, 0);
}

// --- 23: parallelogram
float leanUpper(ShapeState& s, int32_t i) {
  float a;
  if (s.p1 < 50) {
    const double l = s.N - s.N * (100.0 - 2.0 * s.p1) / 100.0;
    a = i > l ? line(l, 0, s.N, s.W, i) : 0.0f;
  } else {
    const double g = (2.0 * s.p1 - 100.0) * s.N / 100.0;
    a = i >= g ? 0.0f : line(0, s.W, g, 0, i);
  }
  const float b = s.p2 < 50 ? line(0, 0, s.N, (50.0 - s.p2) * s.W / 50.0, i)
                            : line(s.N, 0, 0, (s.p2 - 50.0) * s.W / 50.0, i);
  return std::max(a, b);
}
float leanLower(ShapeState& s, int32_t i) {
  float a;
  if (s.p1 < 50) {
    const double g = (100.0 - 2.0 * s.p1) * s.N / 100.0;
    a = i > g ? 0.0f : line(0, s.W, g, 0, i);
  } else {
    const double h = s.N - (2.0 * s.p1 - 100.0) * s.N / 100.0;
    a = i >= h ? line(h, 0, s.N, s.W, i) : 0.0f;
  }
  const float b = s.p2 < 50 ? line(s.N, 0, 0, (50.0 - s.p2) * s.W / 50.0, i)
                            : line(s.N, (s.p2 - 50.0) * s.W / 50.0, 0, 0, i);
  return std::max(a, b);
}

// --- 28 and 41: pointed ends, edges bent at columns a and N - a
float pointedEnds(const ShapeState& s, double endDepth, int32_t i) {
  const double a = s.p2 * s.H / 100.0;
  const double k = pct(s.W, s.p1);
  if (a >= i) return line(0, endDepth, a, k, i);
  if (s.N - a > i && i <= s.H) return line(a, k, s.H, 0, i);
  if (s.N - a > i) return line(s.H, 0, s.N - a, k, i);
  return line(s.N - a, k, s.N, endDepth, i);
}
float hexagon(ShapeState& s, int32_t i) { return pointedEnds(s, s.W / 2.0, i); }
float threePointedUpper(ShapeState& s, int32_t i) { return pointedEnds(s, s.W, i); }
float threePointedLower(ShapeState& s, int32_t i) {
  const double k = s.W - pct(s.W, s.p3);
  if (i > s.H) return line(s.H, k, s.N, 0, i);
  return line(0, 0, s.H, k, i);
}

// --- 29: dome of width p3 % in the middle
float middleDome(ShapeState& s, int32_t i) {
  const double f = pct(s.N, s.p3);
  const double g = (s.N - f) / 2.0;
  if (g < i && i < s.N - g) return arc(f, pct(s.W, s.p1), i - g, 0);
  return 0.0f;
}

// --- 30: arched band
float archedUpper(ShapeState& s, int32_t i) {
  if (s.p1 == 100) return 0.0f;
  const double lead = pct(s.N, s.p1);
  const double k = pct(s.W, s.p2);
  return depth(k - arc(s.N + 2.0 * lead, k, lead + i, 0));
}
float archedLower(ShapeState& s, int32_t i) {
  const double k = pct(s.W, s.p2);
  if (s.p3 == 100) return depth(k);
  const double lead = pct(s.N, s.p3);
  return arc(s.N + 2.0 * lead, k, lead + i, 0);
}

// --- 31: zigzag band
float zigzag(const ShapeState& s, double position) {
  const int32_t e = roundHalfEven(position);
  int32_t g = truncMod(e, s.N);
  if (g > s.N / 2.0) g = s.N - g;
  return depth(line(0, 0, s.N / 2.0, s.W / 2.0, g) * s.p1 / 50.0);
}
float zigzagUpper(ShapeState& s, int32_t i) { return zigzag(s, i * waveHalfPeriods(s.p2)); }
float zigzagLower(ShapeState& s, int32_t i) {
  return zigzag(s, i * waveHalfPeriods(s.p2) + pct(s.p3, s.N));
}

// --- 32: wedge
float wedgeUpper(ShapeState& s, int32_t i) {
  const double c = pct(s.p3, s.N);
  if (c > i) return line(0, s.W, c, 0, i);
  return 0.0f;
}
float wedgeLower(ShapeState& s, int32_t i) {
  const double c = pct(s.p1, s.N);
  if (c >= i) return line(0, 0, c, pct(s.W, s.p2), i);
  return line(c, pct(s.W, s.p2), s.N, s.W, i);
}

// --- 33: trapezoid
float trapezoidUpper(ShapeState& s, int32_t i) { return line(0, 0, s.N, pct(s.W, s.p1), i); }
float trapezoidLower(ShapeState& s, int32_t i) { return line(0, 0, s.N, pct(s.W, s.p2), i); }

// --- 35: lower dome of depth p3 %
float fullDome(ShapeState& s, int32_t i) {
  return arc(s.N, pct(s.W, s.p3), i, 0);
}

// --- 36: sail; p1 is an angle in degrees
float sailUpper(ShapeState& s, int32_t i) {
  if (s.p1 >= 90 && i == 0) return 0.0f;
  const double c = s.N * std::cos(s.p1 * 0.01745329252);
  if (i > c) return arc(2.0 * s.N, s.W, i, 1);
  const float o = arc(2.0 * s.N, s.W, c, 1);
  return line(0, s.W, c, o, i);
}
float sailLower(ShapeState& s, int32_t i) {
  const double c = pct(s.p2, s.N);
  const double end = pct(s.p3, s.W);
  if (c > i) {
    return depth(std::max(roundHalfEven(line(0, s.W, c, 0, i)), roundHalfEven(line(s.N, 0, 0, end, i))));
  }
  return line(s.N, 0, 0, end, i);
}

// --- 38: lower edge pointed in the middle
float pointedMiddle(ShapeState& s, int32_t i) {
  const double k = pct(s.W, s.p3);
  if (s.N / 2.0 > i) return line(0, k, s.N / 2.0, 0, i);
  return line(s.N / 2.0, 0, s.N, k, i);
}

// --- 39: upper edge hanging down
float hangingUpper(ShapeState& s, int32_t i) { return depth(s.W - arc(s.N, pct(s.W, s.p2), i, 0)); }

// --- 40: straight lower edge p3 % inside
float flatLower(ShapeState& s, int32_t) { return depth(pct(s.W, s.p3)); }

const std::array<ShapeVariant, kShapeVariantCount> kVariants = {{
    {rectUpper, rectLower, "Rectangle"},       // 0
    {rhombusUpper, rhombusLower, "Rhombus"},   // 1
    {octagon, octagon, "Octagon"},             // 2
    {ovalUpper, ovalLower, "Oval"},            // 3
    {triangleUpper, triangleLower, {}},        // 4
    {crossUpper, crossLower, {}},              // 5
    {roundedUpper, roundedLower, {}},          // 6
    {concaveCorners, concaveCorners, {}},      // 7
    {waveUpper, waveLower, {}},                // 8
    {bowTieUpper, bowTieLower, {}},            // 9
    {scallops, scallops, {}},                  // 10
    {wedges, wedges, {}},                      // 11
    {slopeDownRight, domeFromP3, {}},          // 12
    {slopeUpRight, rampFromP3, {}},            // 13
    {slopeP2ToP3, slopeDownRight, {}},         // 14
    {domeFromP3, slopeToColumnD, {}},          // 15
    {domeRight, domeFromP3, {}},               // 16
    {domeLeft, domeFromP3, {}},                // 17
    {slopeP2ToP3, domeRight, {}},              // 18
    {rampFromP3, domeLeft, {}},                // 19
    {bigArcUpper, bigArcLower, {}},            // 20
    {figureEight, figureEight, {}},            // 21
    {heartUpper, heartLower, {}},              // 22
    {leanUpper, leanLower, {}},                // 23
    {cuspRight, domeFromP3, {}},               // 24
    {cuspLeft, domeFromP3, {}},                // 25
    {fallToColumnE, cuspRight, {}},            // 26
    {slopeP2ToP3, cuspLeft, {}},               // 27
    {hexagon, hexagon, {}},                    // 28
    {waveUpper, middleDome, {}},               // 29
    {archedUpper, archedLower, {}},            // 30
    {zigzagUpper, zigzagLower, {}},            // 31
    {wedgeUpper, wedgeLower, {}},              // 32
    {trapezoidUpper, trapezoidLower, {}},      // 33
    {zigzagUpper, middleDome, {}},             // 34
    {scallops, fullDome, {}},                  // 35
    {sailUpper, sailLower, {}},                // 36
    {figureEight, fullDome, {}},               // 37
    {roundedUpper, pointedMiddle, {}},         // 38
    {hangingUpper, middleDome, {}},            // 39
    {concaveCorners, flatLower, {}},           // 40
    {threePointedUpper, threePointedLower, {}},  // 41
}};

bool known(int32_t variant) { return variant >= 0 && variant < kShapeVariantCount; }

}  // namespace

ShapeState makeShapeState(int32_t contup, int32_t contleft, int32_t p1, int32_t p2, int32_t p3) {
  ShapeState s;
  s.N = std::max(contup, 2) - 1;
  s.W = contleft < std::numeric_limits<int32_t>::max() ? std::max(contleft, 0) + 1 : contleft;
  s.H = s.N / 2.0;
  s.p1 = p1;
  s.p2 = p2;
  s.p3 = p3;
  return s;
}

const std::array<ShapeVariant, kShapeVariantCount>& shapeVariants() { return kVariants; }

float shapeUpper(int32_t variant, ShapeState& state, int32_t i) {
  return known(variant) ? kVariants[static_cast<size_t>(variant)].upper(state, i) : 0.0f;
}

float shapeLower(int32_t variant, ShapeState& state, int32_t i) {
  return known(variant) ? kVariants[static_cast<size_t>(variant)].lower(state, i) : 0.0f;
}

}  // namespace zefrin
