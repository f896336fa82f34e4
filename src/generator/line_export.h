// The lines of a run as data: a LineObserver that keeps a copy of every
// drawn line, and writers that turn them into SVG (vector polylines for
// plotters and vector editors) and JSON (machine-readable points).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "generator/line_builder.h"
#include "generator/run_loop.h"
#include "platform/colour.h"

namespace zefrin {

struct DrawnLine {
  int32_t width = 1;
  std::vector<LinePoint> points;
  bool operator==(const DrawnLine&) const = default;
};

// Keeps every line the run loop draws, in drawing order.
class LineCollector final : public LineObserver {
 public:
  void lineDrawn(std::span<const LinePoint> points, int32_t penWidth) override;
  const std::vector<DrawnLine>& lines() const { return lines_; }

 private:
  std::vector<DrawnLine> lines_;
};

// {"lines": [{"width": W, "points": [[x, y, colour], ...]}, ...]} on one
// line, colour as the signed 0x00BBGGRR value (-1 = pen up).
std::string linesToJson(std::span<const DrawnLine> lines);

// An SVG picture of width x height with the background colour behind the
// lines. A segment takes its start point's colour; a pen-up point breaks the
// line; consecutive segments of one colour share one <polyline>.
std::string linesToSvg(std::span<const DrawnLine> lines, int32_t width, int32_t height,
                       Colour background);

// Segments that are drawn (start point not pen up), over all lines.
int64_t drawnSegmentCount(std::span<const DrawnLine> lines);

// "#rrggbb" for a 0x00BBGGRR colour.
std::string htmlColour(Colour colour);

}  // namespace zefrin
