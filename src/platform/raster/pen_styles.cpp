#include "platform/raster/pen_styles.h"

#include <initializer_list>

namespace zefrin {

namespace {

// Builds the bits of a pattern from alternating on/off run lengths.
constexpr DashPattern fromRuns(std::initializer_list<int32_t> runs) {
  DashPattern pattern{0, 0};
  bool on = true;
  for (int32_t length : runs) {
    for (int32_t i = 0; i < length; ++i) {
      if (on) pattern.onBits |= 1u << pattern.period;
      ++pattern.period;
    }
    on = !on;
  }
  return pattern;
}

constexpr DashPattern kDashPattern = fromRuns({18, 6});
constexpr DashPattern kDotPattern = fromRuns({3, 3});
constexpr DashPattern kDashDotPattern = fromRuns({9, 6, 3, 6});
constexpr DashPattern kDashDotDotPattern = fromRuns({9, 3, 3, 3, 3, 3});

static_assert(kDashCycle % kDashPattern.period == 0 && kDashCycle % kDotPattern.period == 0 &&
              kDashCycle % kDashDotPattern.period == 0 && kDashCycle % kDashDotDotPattern.period == 0);

}  // namespace

const DashPattern* dashPatternOf(int32_t penStyle) {
  switch (penStyle) {
    case pen_style::kDash: return &kDashPattern;
    case pen_style::kDot: return &kDotPattern;
    case pen_style::kDashDot: return &kDashDotPattern;
    case pen_style::kDashDotDot: return &kDashDotDotPattern;
    default: return nullptr;
  }
}

}  // namespace zefrin
