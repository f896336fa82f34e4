// Wide pens (width above 1): a solid stroke with round ends, i.e. every
// pixel whose centre lies within width / 2 of the segment (a capsule).
//
// A pen of odd width has a centre pixel, so its spine joins the centres of
// the two end pixels; a pen of even width has none, so its spine joins their
// top-left corners. Either way a horizontal or vertical stroke of width w
// covers exactly w rows or columns. Pixels at exactly width / 2 belong to the
// stroke. A segment of length 0 draws nothing.
//
// The capsule is visited one row at a time as a single span, so each pixel is
// written once per segment (this matters for the XOR-like raster modes).
// Widths above 2^24 draw as 2^24. The pixel test is exact for ends anywhere
// in the 32-bit range; floating point only guesses where each span starts.
#pragma once

#include <cstdint>

#include "platform/raster/raster_image.h"

namespace zefrin {

class WideLineRows {
 public:
  WideLineRows(PointI from, PointI to, int32_t width, const RectI& area);

  // The next row with pixels inside the area: y and the half-open span
  // [left, right). False when no rows are left.
  bool next(int32_t& y, int32_t& left, int32_t& right);

  // Half-open box that holds every span (empty when there are none).
  RectI bounds() const;

 private:
  bool inside(int64_t px, int64_t py) const;  // exact capsule test of a pixel centre
  void estimateRow(int64_t py, double& low, double& high) const;

  // Spine ends and radius in half-pixel units (pixel centres are odd).
  int64_t ax_ = 0, ay_ = 0, bx_ = 0, by_ = 0, radius_ = 0;
  int64_t dx_ = 0, dy_ = 0;  // spine direction
  double length_ = 0.0;      // spine length, for the estimates
  int64_t rowEnd_ = 0, colLow_ = 0, colHigh_ = 0;  // columns inclusive
  int64_t nextRow_ = 0;
  int64_t rowLow_ = 0;
  bool empty_ = true;
};

}  // namespace zefrin
