// Turns a route into a line of coloured points: single-colour lines, the four
// multicolour variants (pieces of a fixed length, continuing across segments
// or restarting at each; a new colour per segment), the MultiOutline outlines
// with their side colours and skipped sides, and the final rotation.
//
// One buffer of kLineCapacity points is allocated once and reused, so a run
// of thousands of lines allocates nothing per line. A line that would need
// more points stops at the limit and says so (wasCut).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "generator/colour_set.h"
#include "generator/route.h"
#include "generator/settings.h"

namespace zefrin {

// One point of a line; the segment from it to the next point has its colour
// (kPenUp: no segment). The last point's colour means nothing.
struct LinePoint {
  int32_t x = 0;
  int32_t y = 0;
  int32_t colour = 0;
  bool operator==(const LinePoint&) const = default;
};

class LineBuilder {
 public:
  static constexpr int32_t kLineCapacity = 20001;
  static constexpr int32_t kColourCounterWrap = 300000;

  LineBuilder();

  // A connection's route (Automatic and Manual modes). Its first point
  // carries the connection's colour, -1 for colours from the set.
  void fromRoute(const Route& route, const GenParams& params, const colorcl& colours);
  // A built-in outline of 2 * contup + 1 points (MultiOutline); outlineColour
  // is the outline's colour when it is one colour from the set.
  void fromOutline(const Route& outline, const GenParams& params, const colorcl& colours,
                   Colour outlineColour);
  // A free-form outline: its points, coloured per outline (line lineIndex)
  // or, for multicolour lines, per point.
  void fromFreeformOutline(const Route& outline, const GenParams& params, const colorcl& colours,
                           int32_t lineIndex);
  // Turns the current line by alpha - 180 degrees about the pattern area's centre.
  void rotate(const GenParams& params);

  void clear() { lastPoint_ = -1; lineCut_ = false; }
  int32_t lastPoint() const { return lastPoint_; }
  std::span<const LinePoint> line() const;
  const LinePoint& pointAt(int32_t i) const;
  bool wasCut() const { return lineCut_; }

 private:
  void splitA(const RoutePoint& p, const RoutePoint& q);
  void splitB(const RoutePoint& p, const RoutePoint& q);
  void split(const RoutePoint& p, const RoutePoint& q);
  // Writes point k; points past the buffer are dropped and the line is cut.
  void put(int32_t k, int32_t x, int32_t y, Colour colour);
  void put(int32_t k, const RoutePoint& p, Colour colour) { put(k, p.x, p.y, colour); }
  void setColour(int32_t k, Colour colour);
  void finishLine(int32_t last);
  void nextColour();
  void startCarry(const Route& route);
  int32_t pieceLength() const;
  int32_t multicolourVariant() const;

  const GenParams* params_ = nullptr;
  const colorcl* colours_ = nullptr;
  std::vector<LinePoint> line_;
  int32_t lastPoint_ = -1;
  bool lineCut_ = false;
  int32_t k_ = 0;  // output index while building
  Colour currentColour_ = 0;
  int32_t colourCounter_ = 0;
  float carry_ = 0;  // length the current colour piece has covered
};

}  // namespace zefrin
