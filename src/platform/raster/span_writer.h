// Writing horizontal spans of pixels through a raster mode, limited to a clip region.
#pragma once

#include <algorithm>

#include "platform/raster/raster_image.h"
#include "platform/raster/raster_op.h"
#include "platform/raster/region.h"

namespace zefrin {

// Calls fn(left, right) for the parts of [left, right) on row y that the
// clip region holds (all of it when there is no clip region).
template <typename Fn>
void forEachClippedSpan(const Region* clip, int32_t y, int32_t left, int32_t right, Fn&& fn) {
  if (!clip) {
    if (left < right) fn(left, right);
    return;
  }
  for (const Region::Run& run : clip->runsOnRow(y)) {
    const int32_t a = std::max(left, run.start);
    const int32_t b = std::min(right, run.end);
    if (a < b) fn(a, b);
  }
}

// Applies op to pixels [left, right) of row y; the span lies inside the image.
inline void applyToSpan(RasterImage& image, int32_t y, int32_t left, int32_t right, RasterOp op) {
  Pixel* pixel = image.row(y) + left;
  Pixel* const end = image.row(y) + right;
  if (op.isCopy()) {
    std::fill(pixel, end, op.flip);
    return;
  }
  for (; pixel != end; ++pixel) *pixel = op.apply(*pixel);
}

}  // namespace zefrin
