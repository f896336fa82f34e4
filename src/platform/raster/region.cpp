#include "platform/raster/region.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/raster/wide_int.h"

namespace zefrin {

namespace {

// Polygon regions keep rows -2^20 .. 2^20 - 1 at most: far beyond any
// picture, and a wild outline cannot ask for billions of rows.
constexpr int64_t kRowLimit = int64_t{1} << 20;

// A polygon edge crossing the centre line of a row: pixels from `column` on
// have their centre at or right of it; `winding` is +1 downwards, -1 upwards.
struct Crossing {
  int32_t column;
  int32_t winding;
};

// Turns the crossings of one row into the runs where the winding number is
// not zero. Pixels whose centre lies exactly on an edge count as right of it.
void windingRuns(std::span<Crossing> crossings, std::vector<Region::Run>& runs) {
  std::sort(crossings.begin(), crossings.end(),
            [](const Crossing& a, const Crossing& b) { return a.column < b.column; });
  int32_t winding = 0;
  int32_t runStart = 0;
  for (size_t i = 0; i < crossings.size();) {
    const int32_t column = crossings[i].column;
    const int32_t before = winding;
    for (; i < crossings.size() && crossings[i].column == column; ++i) winding += crossings[i].winding;
    if (before == 0 && winding != 0) runStart = column;
    if (before != 0 && winding == 0 && column > runStart) runs.push_back({runStart, column});
  }
}

}  // namespace

Region Region::rectangle(const RectI& rect) {
  Region region;
  if (rect.empty()) return region;
  region.box_ = rect;
  region.rectangleRun_ = Run{rect.left, rect.right};
  return region;
}

Region Region::polygon(std::span<const PointI> points) {
  Region region;
  if (points.size() < 3) return region;
  int64_t minY = std::numeric_limits<int64_t>::max();
  int64_t maxY = std::numeric_limits<int64_t>::min();
  for (const PointI& p : points) {
    minY = std::min<int64_t>(minY, p.y);
    maxY = std::max<int64_t>(maxY, p.y);
  }
  // Row y is sampled at y + 0.5, which never meets a vertex: rows minY .. maxY - 1.
  minY = std::max(minY, -kRowLimit);
  maxY = std::min(maxY, kRowLimit);
  if (maxY <= minY) return region;
  const size_t rowCount = static_cast<size_t>(maxY - minY);
  // The rows an edge crosses: [first, end) relative to minY, empty when flat.
  auto edgeRows = [&](PointI a, PointI b) {
    const int64_t top = std::max<int64_t>(std::min(a.y, b.y), minY);
    const int64_t end = std::min<int64_t>(std::max(a.y, b.y), maxY);
    return std::pair<size_t, size_t>{static_cast<size_t>(top - minY),
                                     static_cast<size_t>(std::max(top, end) - minY)};
  };
  // Crossings of all rows in one array, row after row (a counting sort by row).
  std::vector<size_t> rowStart(rowCount + 1, 0);
  for (size_t i = 0; i < points.size(); ++i) {
    const auto [first, end] = edgeRows(points[i], points[(i + 1) % points.size()]);
    if (first == end) continue;
    ++rowStart[first];
    --rowStart[end];  // unsigned, so this wraps; the prefix sum below comes out exact
  }
  for (size_t r = 0, running = 0, total = 0; r <= rowCount; ++r) {
    running += rowStart[r];
    rowStart[r] = total;
    total += running;
  }
  std::vector<Crossing> crossings(rowStart[rowCount]);
  std::vector<size_t> fill(rowStart.begin(), rowStart.end() - 1);
  for (size_t i = 0; i < points.size(); ++i) {
    const PointI a = points[i];
    const PointI b = points[(i + 1) % points.size()];  // closed implicitly
    const auto [first, end] = edgeRows(a, b);
    if (first == end) continue;
    const int32_t winding = b.y > a.y ? 1 : -1;
    const PointI top = b.y > a.y ? a : b;
    const PointI bottom = b.y > a.y ? b : a;
    const Int128 height = int64_t{bottom.y} - top.y;
    const Int128 run = int64_t{bottom.x} - top.x;
    for (size_t r = first; r < end; ++r) {
      const int64_t y = minY + static_cast<int64_t>(r);
      // Edge x at y + 0.5 is top.x + (y + 0.5 - top.y) * run / height; the
      // first pixel p with p + 0.5 >= that x is ceil(x - 0.5).
      const Int128 numerator = Int128{2} * top.x * height + (2 * (y - top.y) + 1) * run - height;
      const Int128 column = std::clamp<Int128>(ceilDiv(numerator, 2 * height),
                                               std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max());
      crossings[fill[r]++] = Crossing{static_cast<int32_t>(column), winding};
    }
  }
  region.rows_.resize(rowCount);
  int32_t left = std::numeric_limits<int32_t>::max();
  int32_t right = std::numeric_limits<int32_t>::min();
  size_t firstRow = rowCount, lastRow = 0;
  for (size_t r = 0; r < rowCount; ++r) {
    windingRuns(std::span<Crossing>(crossings).subspan(rowStart[r], rowStart[r + 1] - rowStart[r]),
                region.rows_[r]);
    if (region.rows_[r].empty()) continue;
    firstRow = std::min(firstRow, r);
    lastRow = r;
    left = std::min(left, region.rows_[r].front().start);
    right = std::max(right, region.rows_[r].back().end);
  }
  if (firstRow == rowCount) return Region{};
  region.rows_.erase(region.rows_.begin() + static_cast<ptrdiff_t>(lastRow) + 1, region.rows_.end());
  region.rows_.erase(region.rows_.begin(), region.rows_.begin() + static_cast<ptrdiff_t>(firstRow));
  region.box_ = RectI{left, static_cast<int32_t>(minY + static_cast<int64_t>(firstRow)), right,
                      static_cast<int32_t>(minY + static_cast<int64_t>(lastRow) + 1)};
  return region;
}

bool Region::empty() const { return box_.empty(); }

RectI Region::boundingBox() const { return box_; }

std::span<const Region::Run> Region::runsOnRow(int32_t y) const {
  if (y < box_.top || y >= box_.bottom) return {};
  if (rows_.empty()) return {&rectangleRun_, 1};
  return rows_[static_cast<size_t>(int64_t{y} - box_.top)];
}

bool Region::contains(int32_t x, int32_t y) const {
  if (!box_.contains(x, y)) return false;
  for (const Run& run : runsOnRow(y)) {
    if (x < run.start) return false;
    if (x < run.end) return true;
  }
  return false;
}

}  // namespace zefrin
