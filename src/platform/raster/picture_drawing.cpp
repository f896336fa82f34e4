// The pen and brush primitives of the picture.
#include <algorithm>
#include <cstdlib>

#include "platform/raster/line_rasteriser.h"
#include "platform/raster/pen_styles.h"
#include "platform/raster/picture.h"
#include "platform/raster/picture_targets.h"
#include "platform/raster/rect_ops.h"
#include "platform/raster/span_writer.h"
#include "platform/raster/wide_line.h"

namespace zefrin {

void Picture::moveTo(int32_t x, int32_t y) {
  state_.penPosition = PointI{x, y};
  dashPhase_ = 0;  // a new polyline starts its pattern afresh
}

void Picture::lineTo(int32_t x, int32_t y) {
  const PointI from = state_.penPosition;
  const PointI to{x, y};
  state_.penPosition = to;
  if (state_.penStyle == pen_style::kNull) return;
  if (state_.penWidth > 1) {
    drawWide(from, to);
  } else {
    drawThin(from, to);
  }
}

void Picture::drawThin(PointI from, PointI to) {
  const int64_t length =
      std::max(std::llabs(int64_t{to.x} - from.x), std::llabs(int64_t{to.y} - from.y));
  const int64_t phase = dashPhase_;
  dashPhase_ = static_cast<int32_t>((dashPhase_ + length) % kDashCycle);
  const auto walk = walkThinLine(from, to, drawableArea());
  if (!walk) return;
  const RasterOp op = RasterOp::make(state_.rasterMode, pixelFromColour(state_.penColour));
  const DashPattern* pattern = dashPatternOf(state_.penStyle);
  const Region* clip = clipRegion();
  forEachTarget([&](RasterImage& target) { drawThinLine(target, *walk, op, pattern, phase, clip); });
  markDirty(walk->bounds());
}

void Picture::drawWide(PointI from, PointI to) {
  const WideLineRows rows(from, to, state_.penWidth, drawableArea());
  const RectI bounds = rows.bounds();
  if (bounds.empty()) return;
  const RasterOp op = RasterOp::make(state_.rasterMode, pixelFromColour(state_.penColour));
  const Region* clip = clipRegion();
  forEachTarget([&](RasterImage& target) {
    WideLineRows pass = rows;
    int32_t y = 0, left = 0, right = 0;
    while (pass.next(y, left, right)) {
      forEachClippedSpan(clip, y, left, right,
                         [&](int32_t a, int32_t b) { applyToSpan(target, y, a, b, op); });
    }
  });
  markDirty(bounds);
}

void Picture::fillRect(const RectI& rect, Colour colour) {
  const RectI area = intersectRects(rect, drawableArea());
  if (area.empty()) return;
  const RasterOp op = RasterOp::make(state_.rasterMode, pixelFromColour(colour));
  const Region* clip = clipRegion();
  forEachTarget([&](RasterImage& target) {
    for (int32_t y = area.top; y < area.bottom; ++y) {
      forEachClippedSpan(clip, y, area.left, area.right,
                         [&](int32_t a, int32_t b) { applyToSpan(target, y, a, b, op); });
    }
  });
  markDirty(area);
}

void Picture::fillRegion(const Region& region, Colour colour) {
  const RectI area = intersectRects(region.boundingBox(), drawableArea());
  if (area.empty()) return;
  const RasterOp op = RasterOp::make(state_.rasterMode, pixelFromColour(colour));
  const Region* clip = clipRegion();
  forEachTarget([&](RasterImage& target) {
    for (int32_t y = area.top; y < area.bottom; ++y) {
      for (const Region::Run& run : region.runsOnRow(y)) {
        const int32_t left = std::max(run.start, area.left);
        const int32_t right = std::min(run.end, area.right);
        forEachClippedSpan(clip, y, left, right,
                           [&](int32_t a, int32_t b) { applyToSpan(target, y, a, b, op); });
      }
    }
  });
  markDirty(area);
}

}  // namespace zefrin
