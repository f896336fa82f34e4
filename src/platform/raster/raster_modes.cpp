#include "platform/raster/raster_op.h"
#include "platform/raster/picture.h"

namespace zefrin {

namespace {
constexpr uint32_t kColourBits = 0x00FFFFFFu;
constexpr uint32_t kAlphaBits = 0xFF000000u;
}  // namespace

RasterOp RasterOp::make(int32_t mode, Pixel pen) {
  if (mode < raster_mode::kBlack || mode > raster_mode::kWhite) mode = raster_mode::kCopyPen;
  // mode - 1 is the truth table: bit 3 for P=1,D=1; bit 2 for P=1,D=0;
  // bit 1 for P=0,D=1; bit 0 for P=0,D=0.
  const uint32_t table = static_cast<uint32_t>(mode - 1);
  auto all = [](bool bit) { return bit ? kColourBits : 0u; };
  const uint32_t p = pen & kColourBits;
  const uint32_t np = ~pen & kColourBits;
  // Result where D = 1 (ifSet) and where D = 0 (ifClear), bit by bit.
  const uint32_t ifSet = (p & all(table & 8u)) | (np & all(table & 2u));
  const uint32_t ifClear = (p & all(table & 4u)) | (np & all(table & 1u));
  // result = (D & ifSet) | (~D & ifClear) = ((D & (ifSet ^ ifClear)) ^ ifClear)
  return RasterOp{(ifSet ^ ifClear) & kColourBits, ifClear | kAlphaBits};
}

Pixel applyRasterMode(int32_t mode, Pixel pen, Pixel dest) {
  return RasterOp::make(mode, pen).apply(dest);
}

}  // namespace zefrin
