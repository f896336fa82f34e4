#include <gtest/gtest.h>

#include <functional>

#include "platform/raster/picture.h"
#include "platform/raster/ascii_picture.h"

namespace zefrin {
namespace {

// Each mode written out as its own formula, checked on every pen/destination
// pair of a few bit patterns.
TEST(RasterModes, EveryModeMatchesItsFormulaBitByBit) {
  using Op = std::function<uint32_t(uint32_t, uint32_t)>;
  const Op formulas[16] = {
      [](uint32_t, uint32_t) { return 0u; },
      [](uint32_t p, uint32_t d) { return ~(p | d); },
      [](uint32_t p, uint32_t d) { return ~p & d; },
      [](uint32_t p, uint32_t) { return ~p; },
      [](uint32_t p, uint32_t d) { return p & ~d; },
      [](uint32_t, uint32_t d) { return ~d; },
      [](uint32_t p, uint32_t d) { return p ^ d; },
      [](uint32_t p, uint32_t d) { return ~(p & d); },
      [](uint32_t p, uint32_t d) { return p & d; },
      [](uint32_t p, uint32_t d) { return ~(p ^ d); },
      [](uint32_t, uint32_t d) { return d; },
      [](uint32_t p, uint32_t d) { return ~p | d; },
      [](uint32_t p, uint32_t) { return p; },
      [](uint32_t p, uint32_t d) { return p | ~d; },
      [](uint32_t p, uint32_t d) { return p | d; },
      [](uint32_t, uint32_t) { return 0xFFFFFFFFu; },
  };
  // 0x00 and 0xFF in every channel combination, plus mixed bit patterns.
  const Pixel values[] = {0xFF000000u, 0xFFFFFFFFu, 0xFF0F0F0Fu, 0xFFF0F0F0u, 0xFF00FF00u, 0xFF123456u};
  for (int32_t mode = 1; mode <= 16; ++mode) {
    for (Pixel pen : values) {
      for (Pixel dest : values) {
        const Pixel expected = 0xFF000000u | (formulas[mode - 1](pen, dest) & 0x00FFFFFFu);
        EXPECT_EQ(applyRasterMode(mode, pen, dest), expected)
            << "mode " << mode << " pen " << std::hex << pen << " dest " << dest;
      }
    }
  }
}

TEST(RasterModes, IgnoresAlphaBytesAndTreatsUnknownModesAsCopy) {
  EXPECT_EQ(applyRasterMode(raster_mode::kXorPen, 0x00FFFFFFu, 0x00000000u), 0xFFFFFFFFu);
  EXPECT_EQ(applyRasterMode(raster_mode::kNop, 0x12345678u, 0x00ABCDEFu), 0xFFABCDEFu);
  for (int32_t mode : {0, -1, 17, 1000}) {
    EXPECT_EQ(applyRasterMode(mode, 0xFF123456u, 0xFFABCDEFu), 0xFF123456u) << mode;
  }
}

TEST(RasterModes, LinesAndFillsGoThroughTheMode) {
  Picture picture = test::whitePicture(6, 3);
  picture.state().rasterMode = raster_mode::kXorPen;
  picture.state().penColour = test::kWhite;  // white XOR white = black
  picture.moveTo(0, 0);
  picture.lineTo(6, 0);
  picture.fillRect(RectI{0, 1, 3, 3}, test::kWhite);
  picture.fillRegion(Region::rectangle(RectI{2, 2, 5, 3}), test::kWhite);
  // The region overlaps the rectangle at (2, 2): two XORs give white again.
  EXPECT_EQ(test::asciiArt(picture), test::rows({
                                         "######",
                                         "###...",
                                         "##.##.",
                                     }));
}

}  // namespace
}  // namespace zefrin
