// A free-form border: the outline of a freehand selection used as the
// contour in place of the built-in shapes. The outline arrives as text,
// 8-character records of a 4-digit x and a 4-digit y.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/route.h"
#include "shapes/contour_rails.h"

namespace zefrin {

class FreeformBorder {
 public:
  // Column extremes that no traced point reaches read as this value, which
  // puts their rail nodes far above the rectangle.
  static constexpr int32_t kUnset = -10000;
  static constexpr int32_t kMaxRecords = 90001;

  // Reads the points of `sborder`, at most kMaxRecords of them. A short last
  // record reads its missing fields as 0; an empty text gives no points.
  void parse(std::string_view sborder);

  // Closes the outline, scales it into w x h, and writes rails for `contup`
  // columns spread over the rectangle's width: each column's nodes are the
  // outline's highest and lowest point at that x.
  void place(int32_t w, int32_t h, int32_t bx, int32_t by, int32_t contup, ContourRails& rails);

  // The outline points scaled into the rectangle (w, h) at (bx, by), as
  // route points with colour and width 0. Reuses the route's capacity.
  void scaleOutline(int32_t w, int32_t h, int32_t bx, int32_t by, Route& outline) const;

  const std::vector<std::pair<int32_t, int32_t>>& points() const { return points_; }
  int32_t maxX() const { return maxX_; }
  int32_t maxY() const { return maxY_; }

 private:
  std::vector<std::pair<int32_t, int32_t>> points_;
  int32_t maxX_ = -1;
  int32_t maxY_ = -1;
};

}  // namespace zefrin
