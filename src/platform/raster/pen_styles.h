// Pen styles and the dash patterns of thin (width 1) pens.
//
// Patterns, in pixels along the line's major axis, starting "on":
//   1 dash          18 on, 6 off
//   2 dot            3 on, 3 off
//   3 dash-dot       9 on, 6 off, 3 on, 6 off
//   4 dash-dot-dot   9 on, 3 off, 3 on, 3 off, 3 on, 3 off
// 0 solid and 6 inside-frame draw solid, 5 null draws nothing. Unknown
// styles draw solid. Pens wider than 1 always draw solid.
#pragma once

#include <cstdint>

namespace zefrin {

namespace pen_style {
inline constexpr int32_t kSolid = 0;
inline constexpr int32_t kDash = 1;
inline constexpr int32_t kDot = 2;
inline constexpr int32_t kDashDot = 3;
inline constexpr int32_t kDashDotDot = 4;
inline constexpr int32_t kNull = 5;
inline constexpr int32_t kInsideFrame = 6;
}  // namespace pen_style

struct DashPattern {
  uint32_t onBits = 0;  // bit i set: pixel i of the period is drawn
  int32_t period = 1;
};

// Every period divides this, so a position along a polyline can be kept modulo it.
inline constexpr int32_t kDashCycle = 24;

// The pattern of a thin pen of this style, or nullptr when it draws solid.
const DashPattern* dashPatternOf(int32_t penStyle);

}  // namespace zefrin
