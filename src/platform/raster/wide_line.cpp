#include "platform/raster/wide_line.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "platform/raster/wide_int.h"

namespace zefrin {

namespace {

constexpr int64_t kWidestPen = int64_t{1} << 24;
constexpr double kSlack = 1e-3;  // half-pixels; the exact test trims what this admits

int64_t floorHalf(int64_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }
int64_t ceilHalf(int64_t v) { return -floorHalf(-v); }

}  // namespace

WideLineRows::WideLineRows(PointI from, PointI to, int32_t width, const RectI& area) {
  if (area.empty() || from == to) return;
  const int64_t w = std::clamp<int64_t>(width, 2, kWidestPen);
  const int64_t offset = (w % 2 == 1) ? 1 : 0;
  ax_ = 2 * int64_t{from.x} + offset;
  ay_ = 2 * int64_t{from.y} + offset;
  bx_ = 2 * int64_t{to.x} + offset;
  by_ = 2 * int64_t{to.y} + offset;
  radius_ = w;
  dx_ = bx_ - ax_;
  dy_ = by_ - ay_;
  length_ = std::hypot(static_cast<double>(dx_), static_cast<double>(dy_));
  // Pixel p has its centre at 2p + 1 half-pixels.
  rowLow_ = std::max<int64_t>(area.top, ceilHalf(std::min(ay_, by_) - radius_ - 1));
  rowEnd_ = std::min<int64_t>(area.bottom, floorHalf(std::max(ay_, by_) + radius_ - 1) + 1);
  colLow_ = std::max<int64_t>(area.left, ceilHalf(std::min(ax_, bx_) - radius_ - 1));
  colHigh_ = std::min<int64_t>(area.right - int64_t{1}, floorHalf(std::max(ax_, bx_) + radius_ - 1));
  nextRow_ = rowLow_;
  empty_ = rowLow_ >= rowEnd_ || colLow_ > colHigh_;
}

RectI WideLineRows::bounds() const {
  if (empty_) return RectI{};
  return RectI{static_cast<int32_t>(colLow_), static_cast<int32_t>(rowLow_),
               static_cast<int32_t>(colHigh_ + 1), static_cast<int32_t>(rowEnd_)};
}

bool WideLineRows::inside(int64_t px, int64_t py) const {
  const int64_t x = 2 * px + 1, y = 2 * py + 1;
  const Int128 dx = dx_, dy = dy_;
  const Int128 vx = x - ax_, vy = y - ay_;
  const Int128 r2 = Int128{radius_} * radius_;
  const Int128 along = vx * dx + vy * dy;
  const Int128 length2 = dx * dx + dy * dy;
  if (along <= 0) return vx * vx + vy * vy <= r2;
  if (along >= length2) {
    const Int128 ux = x - bx_, uy = y - by_;
    return ux * ux + uy * uy <= r2;
  }
  // Ends anywhere in the 32-bit range keep every product below 2^70; only
  // the square of a far pixel's distance could overflow, and such a pixel
  // is outside whatever the radius (radius * length < 2^62).
  const Int128 cross = vx * dy - vy * dx;
  if (cross >= (Int128{1} << 62) || cross <= -(Int128{1} << 62)) return false;
  return cross * cross <= r2 * length2;
}

void WideLineRows::estimateRow(int64_t py, double& low, double& high) const {
  const double y = 2.0 * static_cast<double>(py) + 1.0;
  const double r = static_cast<double>(radius_);
  const double ax = static_cast<double>(ax_), ay = static_cast<double>(ay_);
  const double bx = static_cast<double>(bx_), by = static_cast<double>(by_);
  low = std::numeric_limits<double>::infinity();
  high = -low;
  auto add = [&](double a, double b) {
    if (a > b) return;
    low = std::min(low, a);
    high = std::max(high, b);
  };
  // The two round ends.
  for (const auto& [ex, ey] : {std::pair{ax, ay}, std::pair{bx, by}}) {
    const double d = y - ey;
    if (d * d <= r * r) {
      const double h = std::sqrt(r * r - d * d);
      add(ex - h, ex + h);
    }
  }
  // The band along the segment.
  const double dx = static_cast<double>(dx_), dy = static_cast<double>(dy_);
  if (dy == 0.0) {
    if (std::abs(y - ay) <= r) add(std::min(ax, bx), std::max(ax, bx));
    return;
  }
  const double length = length_;
  const double centre = ax + dx * (y - ay) / dy;
  const double halfWidth = r * length / std::abs(dy);
  double a = centre - halfWidth, b = centre + halfWidth;
  const double projected = (y - ay) * dy;  // projection onto the segment, times its length
  if (dx == 0.0) {
    if (projected < 0.0 || projected > length * length) return;
  } else {
    const double x1 = ax - projected / dx;
    const double x2 = ax + (length * length - projected) / dx;
    a = std::max(a, std::min(x1, x2));
    b = std::min(b, std::max(x1, x2));
  }
  add(a, b);
}

bool WideLineRows::next(int32_t& y, int32_t& left, int32_t& right) {
  while (!empty_ && nextRow_ < rowEnd_) {
    const int64_t py = nextRow_++;
    double low = 0.0, high = 0.0;
    estimateRow(py, low, high);
    if (!(low <= high)) continue;
    // Columns whose centre 2p + 1 lies in [low, high]. The estimate is only
    // trusted where no pixel centre lies within kSlack of its ends; near one,
    // the exact test decides.
    const double lowColumn = (low - 1.0) / 2.0;
    const double highColumn = (high - 1.0) / 2.0;
    int64_t l = static_cast<int64_t>(std::ceil(lowColumn));
    int64_t r = static_cast<int64_t>(std::floor(highColumn));
    const bool leftClear = static_cast<double>(l) - lowColumn > kSlack &&
                           lowColumn - static_cast<double>(l - 1) > kSlack;
    const bool rightClear = highColumn - static_cast<double>(r) > kSlack &&
                            static_cast<double>(r + 1) - highColumn > kSlack;
    if (!leftClear) l = static_cast<int64_t>(std::ceil((low - kSlack - 1.0) / 2.0));
    if (!rightClear) r = static_cast<int64_t>(std::floor((high + kSlack - 1.0) / 2.0));
    l = std::max(l, colLow_);
    r = std::min(r, colHigh_);
    if (l > r && leftClear && rightClear) continue;
    if (!leftClear) {
      l = std::min(l, r + 1);
      while (l > colLow_ && inside(l - 1, py)) --l;
      while (l <= r && !inside(l, py)) ++l;
    }
    if (!rightClear) {
      while (r < colHigh_ && inside(r + 1, py)) ++r;
      while (r >= l && !inside(r, py)) --r;
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
