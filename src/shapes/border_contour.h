// The border contour: the sum of two shape components, bent by perspective,
// then placed into a pixel rectangle with distortion, orientation and turn.
// borderinst builds the depth profiles once per generation; borderinstal1
// and resul place them as often as needed.
#pragma once

#include <cstdint>
#include <vector>

#include "generator/route.h"
#include "generator/settings.h"
#include "shapes/contour_rails.h"

namespace zefrin {

class bordercl {
 public:
  // Rebuilds the depth profiles from the shape fields of the clamped
  // settings, and keeps the placement fields for the calls below.
  void borderinst(const GenParams& genparams);

  // Rewrites `rails` to columns 0..contup for the rectangle; column k holds
  // the two edge nodes of contour column k - 1, column 0 stays zero.
  void borderinstal1(int32_t logicalX, int32_t logicalY, int32_t beginlogicalX,
                     int32_t beginlogicalY, ContourRails& rails) const;

  // Rewrites `route` to the closed outline of 2 * contup + 1 points: edge A
  // in column order, edge B back again, then the first point repeated.
  // Colour and width stay 0. Reuses the route's capacity.
  void resul(int32_t logicalX, int32_t logicalY, int32_t beginlogicalX, int32_t beginlogicalY,
             Route& route) const;

  // Depths in contour units for columns 0..N: U from the first side of the
  // frame, D from the opposite side.
  const std::vector<float>& upperProfile() const { return upper_; }
  const std::vector<float>& lowerProfile() const { return lower_; }

 private:
  struct Placement;
  Placement placement(int32_t logicalX, int32_t logicalY, int32_t beginlogicalX,
                      int32_t beginlogicalY) const;
  RailColumn nodesAt(const Placement& place, int32_t i) const;

  int32_t n_ = 0;  // contour columns; 0 until borderinst runs
  int32_t W_ = 1;
  int32_t destort_ = 50;
  int32_t orientxy_ = 1;
  int32_t povorxy_ = 1;
  std::vector<float> upper_;
  std::vector<float> lower_;
  std::vector<float> scratchUpper_;  // the second component during borderinst
  std::vector<float> scratchLower_;
};

}  // namespace zefrin
