#include "platform/raster/wide_line.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zefrin {

namespace {

constexpr int64_t kWidestPen = int64_t{1} << 24;

int64_t floorHalf(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }
int64_t ceilHalf(int64_t v) { return -floorHalf(-v); }

// Largest k with k * k <= n, for 0 <= n < 2^120.
Int128 squareRootFloor(Int128 n) {
  Int128 k = static_cast<Int128>(std::sqrt(static_cast<double>(n)));
  // The double guess may be off by 2^6 here; one Newton step brings it within 1.
  if (k > 0 && n >= (Int128{1} << 52)) k = (k + n / k) / 2;
  while (k * k > n) --k;
  while ((k + 1) * (k + 1) <= n) ++k;
  return k;
}

int64_t squareRootFloor(int64_t n) {
  int64_t k = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
  while (k * k > n) --k;
  while ((k + 1) * (k + 1) <= n) ++k;
  return k;
}

constexpr Int128 kNoLimit = Int128{1} << 100;  // beyond any column offset

}  // namespace

void WideLineRows::FloorSteps::start(Int128 numerator, Int128 step, int64_t divisorAbove0) {
  divisor = divisorAbove0;
  const Int128 quotientStart = floorDiv(numerator, divisor);
  remainder = static_cast<int64_t>(numerator - quotientStart * divisor);
  const Int128 quotientStep = floorDiv(step, divisor);
  remainderStep = static_cast<int64_t>(step - quotientStep * divisor);
  quotientLow = static_cast<uint64_t>(quotientStart);
  quotientHigh = static_cast<int64_t>(quotientStart >> 64);
  stepLow = static_cast<uint64_t>(quotientStep);
  stepHigh = static_cast<int64_t>(quotientStep >> 64);
}

WideLineRows::WideLineRows(PointI from, PointI to, int32_t width, const RectI& area) {
  if (area.empty() || from == to) return;
  if (to.y < from.y) std::swap(from, to);  // the capsule is symmetric; rows then run along it
  const int64_t w = std::clamp<int64_t>(width, 2, kWidestPen);
  const int64_t offset = (w % 2 == 1) ? 1 : 0;
  ax_ = 2 * int64_t{from.x} + offset;
  ay_ = 2 * int64_t{from.y} + offset;
  const int64_t bx = 2 * int64_t{to.x} + offset;
  const int64_t by = 2 * int64_t{to.y} + offset;
  radius_ = w;
  dx_ = bx - ax_;
  dy_ = by - ay_;
  // Pixel p has its centre at 2p + 1 half-pixels.
  rowLow_ = std::max<int64_t>(area.top, ceilHalf(ay_ - radius_ - 1));
  rowEnd_ = std::min<int64_t>(area.bottom, floorHalf(by + radius_ - 1) + 1);
  colLow_ = std::max<int64_t>(area.left, ceilHalf(std::min(ax_, bx) - radius_ - 1));
  colHigh_ = std::min<int64_t>(area.right - int64_t{1}, floorHalf(std::max(ax_, bx) + radius_ - 1));
  nextRow_ = rowLow_;
  empty_ = rowLow_ >= rowEnd_ || colLow_ > colHigh_;
  if (empty_) return;

  // For a centre at offset (vx, vy) from the start, cross = vx * dy - vy * dx
  // and along = vx * dx + vy * dy. Both are integers, so |cross| <= r * length
  // holds exactly when |cross| <= floor(r * length).
  vy_ = 2 * rowLow_ + 1 - ay_;
  const Int128 dx = dx_, dy = dy_, vy = vy_;
  const Int128 length2 = dx * dx + dy * dy;
  const Int128 reach = squareRootFloor(Int128{radius_} * radius_ * length2);
  if (dy_ > 0) {  // vx in [ceil((vy dx - reach) / dy), floor((vy dx + reach) / dy)]
    bandLow_.start(vy * dx - reach + dy - 1, 2 * dx, dy_);
    bandHigh_.start(vy * dx + reach, 2 * dx, dy_);
  }
  startSlab(vy_);
}

void WideLineRows::startSlab(int64_t rowOffset) {
  const Int128 dx = dx_, dy = dy_, vy = rowOffset;
  const Int128 length2 = dx * dx + dy * dy;
  if (dx_ > 0) {  // along in [0, length2]
    slabLow_.start(-vy * dy + dx - 1, -2 * dy, dx_);
    slabHigh_.start(length2 - vy * dy, -2 * dy, dx_);
  } else if (dx_ < 0) {
    slabLow_.start(vy * dy - length2 - dx - 1, 2 * dy, -dx_);
    slabHigh_.start(vy * dy, 2 * dy, -dx_);
  }
  slabBehind_ = false;
}

RectI WideLineRows::bounds() const {
  if (empty_) return RectI{};
  return RectI{static_cast<int32_t>(colLow_), static_cast<int32_t>(rowLow_),
               static_cast<int32_t>(colHigh_ + 1), static_cast<int32_t>(rowEnd_)};
}

bool WideLineRows::endRow(int64_t vy, int64_t& l, int64_t& r) {
  if (slabBehind_) startSlab(vy);
  // Column offsets (from ax_) of the band between the end perpendiculars.
  Int128 low = -kNoLimit, high = kNoLimit;
  if (dy_ > 0) {
    low = bandLow_.quotient();
    high = bandHigh_.quotient();
    bandLow_.advance();
    bandHigh_.advance();
  } else if (vy > radius_ || vy < -radius_) {
    low = kNoLimit;
  }
  if (dx_ != 0) {
    low = std::max(low, slabLow_.quotient());
    high = std::min(high, slabHigh_.quotient());
    slabLow_.advance();
    slabHigh_.advance();
  } else if (vy < 0 || vy > dy_) {
    low = kNoLimit;
  }
  // The round ends.
  const int64_t radius = radius_;
  for (const auto& [ex, ey] : {std::pair<int64_t, int64_t>{0, 0}, {dx_, dy_}}) {
    const int64_t d = vy - ey;
    if (d > radius || d < -radius) continue;
    const int64_t h = squareRootFloor(radius * radius - d * d);
    if (low > high) {
      low = ex - h;
      high = ex + h;
    } else {
      low = std::min(low, Int128{ex - h});
      high = std::max(high, Int128{ex + h});
    }
  }
  if (low > high) return false;
  // Columns p with ax_ + low <= 2p + 1 <= ax_ + high, within the area.
  const Int128 lowColumn = -((1 - ax_ - low) >> 1);
  const Int128 highColumn = (ax_ + high - 1) >> 1;
  l = lowColumn < colLow_ ? colLow_ : static_cast<int64_t>(lowColumn);
  r = highColumn > colHigh_ ? colHigh_ : static_cast<int64_t>(highColumn);
  return true;
}

}  // namespace zefrin
