// The contour rails: for every contour column, the node on the shape's upper
// edge (xu, yu) and the node on its lower edge (xd, yd), in picture pixels.
// Columns 1..contup are written; column 0 stays zero.
#pragma once

#include <cstdint>
#include <vector>

namespace zefrin {

struct RailColumn {
  int32_t xu = 0;
  int32_t yu = 0;
  int32_t xd = 0;
  int32_t yd = 0;
  bool operator==(const RailColumn&) const = default;
};

using ContourRails = std::vector<RailColumn>;

}  // namespace zefrin
