#include "shapes/shape_primitives.h"

#include <cmath>

namespace zefrin {

float lineval(float x1, float y1, float x2, float y2, float x) {
  if (y1 == y2 || x1 == x2) return y1;
  if (x1 > x2) return (y1 - y2) * (x - x2) / (x1 - x2) + y2;
  return (x - x1) * (y2 - y1) / (x2 - x1) + y1;
}

float arcval(float span, float amp, float x, int32_t mode) {
  // A zero span has no interior: the arc is its two end points, both 0.
  if (span == 0.0f) return 0.0f;
  const float half = span / 2.0f;
  if (x > half) x = span - x;
  float m = mode == 0 ? (span - 2.0f * x) / span : 2.0f * x / span;
  // Outside the interval (or with a negative span) m can leave -1..1; keep
  // it there so the root below stays real.
  if (m > 1.0f) m = 1.0f;
  if (m < -1.0f) m = -1.0f;
  const float r = static_cast<float>(std::sqrt(static_cast<double>(1.0f - m * m)));
  // At the ends r is 0; arctan(100000) stands in, which leaves a tiny
  // non-zero value (about 1e-5 * amp) at x = 0 of the dome.
  const double slope = r == 0.0f ? std::atan(100000.0) : std::atan(static_cast<double>(-m / r));
  const float t = static_cast<float>(kShapePi / 2.0 + slope);
  const float s = static_cast<float>(std::sin(static_cast<double>(t)));
  return mode == 0 ? s * amp : (1.0f - s) * amp;
}

}  // namespace zefrin
