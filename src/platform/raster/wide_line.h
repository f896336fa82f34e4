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
// Widths above 2^24 draw as 2^24. Every span is exact for ends anywhere in
// the 32-bit range: the capsule is the union of the two end discs and the
// band between the end perpendiculars, and each band edge in a row is the
// floor of a linear function of the row, stepped in integers from row to row.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/raster/raster_image.h"
#include "platform/raster/wide_int.h"

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
  // floor((numerator + rows * step) / divisor) for rows = 0, 1, 2 ...,
  // by quotient and remainder, so each row costs a few additions.
  // The 128-bit values are kept as 64-bit halves: the row loop stores them
  // in halves, and a whole 16-byte reload of such a store stalls.
  struct FloorSteps {
    uint64_t quotientLow = 0, stepLow = 0;
    int64_t quotientHigh = 0, stepHigh = 0;
    int64_t remainder = 0, remainderStep = 0, divisor = 1;
    void start(Int128 numerator, Int128 step, int64_t divisorAbove0);
    Int128 quotient() const {
      return Int128{quotientHigh} * (Int128{1} << 64) + Int128{quotientLow};
    }
    void advance() {
      const uint64_t carryIn = remainder + remainderStep >= divisor ? 1 : 0;
      remainder += remainderStep - static_cast<int64_t>(carryIn) * divisor;
      const uint64_t low = quotientLow + stepLow;
      const uint64_t low2 = low + carryIn;
      quotientHigh += stepHigh + static_cast<int64_t>(low < quotientLow) + static_cast<int64_t>(low2 < low);
      quotientLow = low2;
    }
  };

  void startSlab(int64_t rowOffset);  // the slab steps from that row on
  // A row within the radius of an end, at offset vy from ay_: its columns
  // [l, r] clipped to the area, or false when it has none.
  bool endRow(int64_t vy, int64_t& l, int64_t& r);

  // Spine start and direction (dy_ >= 0) and radius in half-pixel units
  // (pixel centres are odd); spans are worked out relative to the start.
  int64_t ax_ = 0, ay_ = 0, dx_ = 0, dy_ = 0, radius_ = 0;
  int64_t vy_ = 0;  // centre of row nextRow_ minus ay_
  // Band |cross| <= radius * length, and the slab between the perpendiculars
  // through the ends, as ranges of the column offset from ax_.
  // The slab and the ends only matter in the rows within the radius of an
  // end; rows between those take the band alone and leave the slab behind.
  FloorSteps bandLow_, bandHigh_, slabLow_, slabHigh_;
  bool slabBehind_ = false;
  int64_t rowEnd_ = 0, colLow_ = 0, colHigh_ = 0;  // columns inclusive
  int64_t nextRow_ = 0;
  int64_t rowLow_ = 0;
  bool empty_ = true;
};

// Inline: most rows lie between the ends and cost a few additions, less
// than a call.
inline bool WideLineRows::next(int32_t& y, int32_t& left, int32_t& right) {
  while (!empty_ && nextRow_ < rowEnd_) {
    const int64_t py = nextRow_++;
    const int64_t vy = vy_;
    vy_ += 2;
    int64_t l = 0, r = 0;
    if (vy > radius_ && vy < dy_ - radius_) {
      // A band point's row lies within the radius of its foot on the spine,
      // so between the ends' rows the whole band row lies in the slab. There
      // the edges' offsets |vx| <= |dx| + reach / dy + 1 stay below 2^58, so
      // their low halves are the whole values.
      const int64_t bandLeft = static_cast<int64_t>(bandLow_.quotientLow);
      const int64_t bandRight = static_cast<int64_t>(bandHigh_.quotientLow);
      bandLow_.advance();
      bandHigh_.advance();
      slabBehind_ = true;
      // Columns p with ax_ + offset = 2p + 1.
      l = std::max(colLow_, -((1 - ax_ - bandLeft) >> 1));
      r = std::min(colHigh_, (ax_ + bandRight - 1) >> 1);
    } else if (!endRow(vy, l, r)) {
      continue;
    }
    if (l > r) continue;
    y = static_cast<int32_t>(py);
    left = static_cast<int32_t>(l);
    right = static_cast<int32_t>(r + 1);
    return true;
  }
  return false;
}

}  // namespace zefrin
