// A raster mode bound to one pen colour, reduced to `dest = (dest & keep) ^ flip`.
//
// Every binary raster operation is a per-bit truth table over pen bit P and
// destination bit D. With P fixed the result is either D, NOT D, 0 or 1 in
// each bit, which the two masks express; so the inner loops of lines and
// fills do one AND and one XOR per pixel whatever the mode.
#pragma once

#include <cstdint>

#include "platform/raster/raster_image.h"

namespace zefrin {

struct RasterOp {
  uint32_t keep = 0;  // bits taken from the destination
  uint32_t flip = 0;  // bits inverted afterwards; the alpha byte always ends 0xFF

  // Modes outside 1..16 act as 13, the plain copy of the pen.
  static RasterOp make(int32_t mode, Pixel pen);

  Pixel apply(Pixel dest) const { return (dest & keep) ^ flip; }
  bool isCopy() const { return keep == 0; }
};

}  // namespace zefrin
