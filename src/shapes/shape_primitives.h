// The two curves every shape variant is built from: a straight line through
// two points and an elliptic arc over an interval. Both work in single
// precision; the shape depths downstream are stored as floats.
#pragma once

#include <cstdint>

namespace zefrin {

// Pi as the contour code uses it (not the full double constant).
inline constexpr double kShapePi = 3.14159265359;

// The value at x of the line through (x1, y1) and (x2, y2), extrapolating
// beyond the two points. A vertical or horizontal line gives y1.
float lineval(float x1, float y1, float x2, float y2, float x);

// An elliptic arc over 0..span, 0 at both ends and amp in the middle,
// symmetric about span / 2. Mode 0 is a dome (steep ends, flat top), mode 1
// a cusp (two concave arcs meeting in a point). An empty span gives 0.
float arcval(float span, float amp, float x, int32_t mode);

}  // namespace zefrin
