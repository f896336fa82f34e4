// A set of pixels: a rectangle or a polygon filled by the winding rule.
// Pixel (x, y) belongs to a polygon region when its centre (x + 0.5, y + 0.5)
// lies inside; the bounding box is half-open (right and bottom outside).
// Polygon regions hold rows -2^20 .. 2^20 - 1 only; memory grows with the
// number of rows the region spans.
#pragma once

#include <span>
#include <vector>

#include "platform/raster/raster_image.h"

namespace zefrin {

class Region {
 public:
  Region() = default;  // empty
  static Region rectangle(const RectI& rect);
  static Region polygon(std::span<const PointI> points);  // winding rule

  bool empty() const;
  bool contains(int32_t x, int32_t y) const;
  RectI boundingBox() const;

  // The region's pixels on row y as half-open [start, end) runs, left to right.
  struct Run {
    int32_t start;
    int32_t end;
  };
  std::span<const Run> runsOnRow(int32_t y) const;

 private:
  RectI box_{};
  std::vector<std::vector<Run>> rows_;  // one list per row of box_; empty for a rectangle
  Run rectangleRun_{};                   // a rectangle's one run, shared by all its rows
};

}  // namespace zefrin
