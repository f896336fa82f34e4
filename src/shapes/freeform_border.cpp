#include "shapes/freeform_border.h"

#include <algorithm>
#include <limits>

#include "platform/numbers.h"

namespace zefrin {

namespace {

constexpr size_t kRecordLength = 8;
constexpr size_t kFieldLength = 4;

int32_t saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

struct Point64 {
  int64_t x;
  int64_t y;
};

// The upper (smallest) and lower (largest) y of the traced outline, kept
// only for the columns the rails read. Points at other x change nothing a
// caller can see, so memory and time follow the rail count, not the width,
// and points outside the rectangle simply find no column.
class ColumnExtremes {
 public:
  explicit ColumnExtremes(std::vector<int64_t> columns) : columns_(std::move(columns)) {
    std::sort(columns_.begin(), columns_.end());
    columns_.erase(std::unique(columns_.begin(), columns_.end()), columns_.end());
    extremes_.assign(columns_.size(), Extreme{});
    // Column 0 starts set at 0 for both extremes.
    if (!columns_.empty() && columns_.front() == 0) extremes_.front() = Extreme{0, 0, true};
  }

  void add(int64_t x, int64_t y) {
    const auto it = std::lower_bound(columns_.begin(), columns_.end(), x);
    if (it == columns_.end() || *it != x) return;
    update(static_cast<size_t>(it - columns_.begin()), y);
  }

  // Traces the segment from a to b, leaving b itself to the next segment:
  // one point per unit step in x, y interpolated and rounded.
  void addSegment(const Point64& a, const Point64& b) {
    const int64_t dx = b.x - a.x;
    const int64_t steps = dx < 0 ? -dx : dx;
    if (steps <= 1) {
      add(a.x, a.y);
      return;
    }
    const int64_t step = dx > 0 ? 1 : -1;
    const int64_t last = b.x - step;
    const auto first = std::lower_bound(columns_.begin(), columns_.end(), std::min(a.x, last));
    const auto end = std::upper_bound(columns_.begin(), columns_.end(), std::max(a.x, last));
    const double dy = static_cast<double>(b.y - a.y);
    for (auto it = first; it != end; ++it) {
      const int64_t t = (*it - a.x) * step;
      const int32_t y = roundHalfEven(static_cast<double>(a.y) + static_cast<double>(t) * dy /
                                                                     static_cast<double>(steps));
      update(static_cast<size_t>(it - columns_.begin()), y);
    }
  }

  int32_t upper(int64_t column) const { return find(column).upper; }
  int32_t lower(int64_t column) const { return find(column).lower; }

 private:
  struct Extreme {
    int32_t upper = FreeformBorder::kUnset;
    int32_t lower = FreeformBorder::kUnset;
    bool set = false;
  };

  void update(size_t slot, int64_t y) {
    Extreme& e = extremes_[slot];
    const int32_t value = saturate(y);
    if (!e.set || value < e.upper) e.upper = value;
    if (!e.set || value > e.lower) e.lower = value;
    e.set = true;
  }

  const Extreme& find(int64_t column) const {
    const auto it = std::lower_bound(columns_.begin(), columns_.end(), column);
    return extremes_[static_cast<size_t>(it - columns_.begin())];
  }

  std::vector<int64_t> columns_;
  std::vector<Extreme> extremes_;
};

}  // namespace

void FreeformBorder::parse(std::string_view sborder) {
  points_.clear();
  maxX_ = -1;
  maxY_ = -1;
  for (size_t pos = 0; pos < sborder.size() && points_.size() < size_t{kMaxRecords};
       pos += kRecordLength) {
    const std::string_view record = sborder.substr(pos, kRecordLength);
    const int32_t x = leadingInteger(record.substr(0, kFieldLength));
    const int32_t y = record.size() > kFieldLength ? leadingInteger(record.substr(kFieldLength)) : 0;
    points_.emplace_back(x, y);
    maxX_ = std::max(maxX_, x);
    maxY_ = std::max(maxY_, y);
  }
}

void FreeformBorder::place(int32_t w, int32_t h, int32_t bx, int32_t by, int32_t contup,
                           ContourRails& rails) {
  if (!points_.empty() && points_.back() != points_.front()) points_.push_back(points_.front());

  // A maximum of 0 (or a border wholly left of or above the origin) has
  // nothing to stretch: keep the scale 1 rather than divide by it or flip.
  const double fx = maxX_ > 0 ? static_cast<double>(w) / maxX_ : 1.0;
  const double fy = maxY_ > 0 ? static_cast<double>(h) / maxY_ : 1.0;
  std::vector<Point64> scaled;
  scaled.reserve(points_.size());
  for (const auto& [x, y] : points_) {
    scaled.push_back({roundHalfEven(fx * x), roundHalfEven(fy * y)});
  }

  // The columns the rails read: column 1 for the first rail, then the
  // rectangle's width spread over the others. A rectangle narrower than 1
  // keeps them on column 0.
  const int32_t n = std::max(contup, 0);
  const int64_t lastColumn = std::max(w, 0);
  auto railColumn = [&](int32_t k) -> int64_t {
    if (k == 1) return std::min<int64_t>(1, lastColumn);
    const int64_t product = (int64_t{w} - 1) * (k - 1);
    return std::clamp<int64_t>(roundHalfEven(static_cast<double>(product) / (n - 1)), 0, lastColumn);
  };
  std::vector<int64_t> columns;
  columns.reserve(static_cast<size_t>(n));
  for (int32_t k = 1; k <= n; ++k) columns.push_back(railColumn(k));
  ColumnExtremes extremes(columns);

  for (size_t j = 0; j + 1 < scaled.size(); ++j) extremes.addSegment(scaled[j], scaled[j + 1]);
  if (!scaled.empty()) extremes.add(scaled.front().x, scaled.front().y);

  rails.assign(static_cast<size_t>(n) + 1, RailColumn{});
  for (int32_t k = 1; k <= n; ++k) {
    const int64_t v = columns[static_cast<size_t>(k) - 1];
    RailColumn& rail = rails[static_cast<size_t>(k)];
    rail.xu = rail.xd = saturate(int64_t{bx} + (k == 1 ? 0 : v));
    rail.yu = saturate(int64_t{by} + extremes.upper(v));
    rail.yd = saturate(int64_t{by} + extremes.lower(v));
  }
}

void FreeformBorder::scaleOutline(int32_t w, int32_t h, int32_t bx, int32_t by,
                                  Route& outline) const {
  const bool stretch = maxX_ > 0 && maxY_ > 0;
  const double fx = stretch ? static_cast<double>(w) / maxX_ : 1.0;
  const double fy = stretch ? static_cast<double>(h) / maxY_ : 1.0;
  outline.clear();
  for (const auto& [x, y] : points_) {
    outline.push_back({roundHalfEven(bx + fx * x), roundHalfEven(by + fy * y), 0, 0});
  }
}

}  // namespace zefrin
