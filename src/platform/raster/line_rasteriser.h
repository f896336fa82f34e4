// Thin (width 1) lines: the Bresenham walk from one point towards another,
// leaving out the end point, cut to a rectangle before walking so a line
// with far-away ends costs only the pixels it draws.
//
// The walk takes one pixel per step along the major axis (the longer of
// |dx| and |dy|; x when they are equal) and, at step i of n, sits
// round(i * minor / n) pixels along the minor axis, halves rounding back
// towards the start. A line of length 0 has no pixels.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/raster/pen_styles.h"
#include "platform/raster/raster_image.h"
#include "platform/raster/raster_op.h"

namespace zefrin {

class Region;

// The part of one line's walk that lies inside a rectangle.
struct ThinLineWalk {
  int64_t firstStep = 0;  // step index of the first pixel inside (0 = the start point)
  int64_t stepCount = 0;  // pixels inside, all consecutive steps
  PointI first{};         // the pixel at firstStep
  PointI last{};          // the pixel at firstStep + stepCount - 1
  // Per step: one move along the major axis, and a minor move whenever the
  // error reaches errorLimit.
  int32_t majorX = 0, majorY = 0, minorX = 0, minorY = 0;
  int64_t error = 0, errorStep = 0, errorLimit = 1;

  RectI bounds() const;  // half-open box of the pixels
};

// The walk from `from` to `to` restricted to `area` (half-open); nothing
// when the line is empty or misses the area.
std::optional<ThinLineWalk> walkThinLine(PointI from, PointI to, const RectI& area);

// Writes the walk through `op`. With a pattern, pixel k of the walk is drawn
// when the pattern is on at `phase + k`, where k counts from the line's start
// point (so cut-off parts keep the pattern in place). With a clip region
// only its pixels are written.
void drawThinLine(RasterImage& target, const ThinLineWalk& walk, RasterOp op,
                  const DashPattern* pattern, int64_t phase, const Region* clip);

}  // namespace zefrin
