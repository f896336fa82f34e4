#include "platform/raster/line_rasteriser.h"

#include <algorithm>
#include <cstdlib>

#include "platform/raster/region.h"
#include "platform/raster/wide_int.h"

namespace zefrin {

namespace {

// Minor-axis offset at step i for a line of `major` steps rising `minor`.
Int128 minorAt(Int128 step, int64_t major, int64_t minor) {
  return floorDiv(2 * step * minor + major - 1, Int128{2} * major);
}

// Step range [lo, hi] whose coordinate start + sign * step lies in [low, high].
void limitSteps(int64_t start, int32_t sign, int64_t low, int64_t high, Int128& lo, Int128& hi) {
  if (sign > 0) {
    lo = std::max<Int128>(lo, low - start);
    hi = std::min<Int128>(hi, high - start);
  } else {
    lo = std::max<Int128>(lo, start - high);
    hi = std::min<Int128>(hi, start - low);
  }
}

}  // namespace

RectI ThinLineWalk::bounds() const {
  return RectI{std::min(first.x, last.x), std::min(first.y, last.y), std::max(first.x, last.x) + 1,
               std::max(first.y, last.y) + 1};
}

std::optional<ThinLineWalk> walkThinLine(PointI from, PointI to, const RectI& area) {
  if (area.empty()) return std::nullopt;
  const int64_t dx = int64_t{to.x} - from.x;
  const int64_t dy = int64_t{to.y} - from.y;
  const int64_t adx = std::llabs(dx);
  const int64_t ady = std::llabs(dy);
  if (adx == 0 && ady == 0) return std::nullopt;
  const int32_t sx = dx < 0 ? -1 : 1;
  const int32_t sy = dy < 0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const int64_t major = xMajor ? adx : ady;
  const int64_t minor = xMajor ? ady : adx;
  const int64_t majorStart = xMajor ? from.x : from.y;
  const int64_t minorStart = xMajor ? from.y : from.x;
  const int32_t majorSign = xMajor ? sx : sy;
  const int32_t minorSign = xMajor ? sy : sx;
  const int64_t majorLow = xMajor ? area.left : area.top;
  const int64_t majorHigh = (xMajor ? area.right : area.bottom) - int64_t{1};
  const int64_t minorLow = xMajor ? area.top : area.left;
  const int64_t minorHigh = (xMajor ? area.bottom : area.right) - int64_t{1};

  Int128 lo = 0;
  Int128 hi = major - 1;
  limitSteps(majorStart, majorSign, majorLow, majorHigh, lo, hi);
  // Offsets along the minor axis that stay inside: [offLow, offHigh].
  Int128 offLow = 0;
  Int128 offHigh = 0;
  {
    Int128 a = -(Int128{1} << 80);
    Int128 b = Int128{1} << 80;
    limitSteps(minorStart, minorSign, minorLow, minorHigh, a, b);
    offLow = a;
    offHigh = b;
  }
  if (minor == 0) {
    if (offLow > 0 || offHigh < 0) return std::nullopt;
  } else {
    // minorAt(i) >= offLow  <=>  2*i*minor + major - 1 >= 2*major*offLow
    lo = std::max(lo, ceilDiv(2 * major * offLow - major + 1, Int128{2} * minor));
    // minorAt(i) <= offHigh  <=>  2*i*minor <= 2*major*(offHigh + 1) - major
    hi = std::min(hi, floorDiv(2 * major * (offHigh + 1) - major, Int128{2} * minor));
  }
  if (lo > hi) return std::nullopt;

  ThinLineWalk walk;
  walk.firstStep = static_cast<int64_t>(lo);
  walk.stepCount = static_cast<int64_t>(hi - lo + 1);
  auto pixelAt = [&](Int128 step) {
    const int64_t along = majorStart + majorSign * static_cast<int64_t>(step);
    const int64_t across = minorStart + minorSign * static_cast<int64_t>(minorAt(step, major, minor));
    return xMajor ? PointI{static_cast<int32_t>(along), static_cast<int32_t>(across)}
                  : PointI{static_cast<int32_t>(across), static_cast<int32_t>(along)};
  };
  walk.first = pixelAt(lo);
  walk.last = pixelAt(hi);
  walk.majorX = xMajor ? sx : 0;
  walk.majorY = xMajor ? 0 : sy;
  walk.minorX = xMajor ? 0 : sx;
  walk.minorY = xMajor ? sy : 0;
  walk.errorLimit = 2 * major;
  walk.errorStep = 2 * minor;
  const Int128 numerator = 2 * lo * minor + major - 1;
  walk.error = static_cast<int64_t>(numerator - floorDiv(numerator, walk.errorLimit) * walk.errorLimit);
  return walk;
}

void drawThinLine(RasterImage& target, const ThinLineWalk& walk, RasterOp op,
                  const DashPattern* pattern, int64_t phase, const Region* clip) {
  const ptrdiff_t stride = target.width();
  const ptrdiff_t majorOffset = walk.majorX + walk.majorY * stride;
  const ptrdiff_t minorOffset = walk.minorX + walk.minorY * stride;
  Pixel* pixel = target.row(walk.first.y) + walk.first.x;
  int32_t x = walk.first.x;
  int32_t y = walk.first.y;
  int64_t error = walk.error;
  int32_t patternPos = pattern ? static_cast<int32_t>((phase + walk.firstStep) % pattern->period) : 0;
  for (int64_t k = 0; k < walk.stepCount; ++k) {
    const bool on = !pattern || ((pattern->onBits >> patternPos) & 1u);
    if (on && (!clip || clip->contains(x, y))) *pixel = op.apply(*pixel);
    if (k + 1 == walk.stepCount) break;  // never step past the last pixel
    if (pattern && ++patternPos == pattern->period) patternPos = 0;
    pixel += majorOffset;
    x += walk.majorX;
    y += walk.majorY;
    error += walk.errorStep;
    if (error >= walk.errorLimit) {
      error -= walk.errorLimit;
      pixel += minorOffset;
      x += walk.minorX;
      y += walk.minorY;
    }
  }
}

}  // namespace zefrin
