#include "imaging/hls.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zefrin {
namespace {

TEST(HlsFromRgb, GivesSextantHueSaturationAndLightness) {
  struct Case { int32_t red, green, blue; float h, s, l; };
  const Case cases[] = {
      {100, 100, 100, 0.0f, 0.0f, 100.0f / 255.0f},  // grey: no hue, no saturation
      {255, 0, 0, 0.0f, 1.0f, 0.5f},
      {255, 255, 0, 1.0f, 1.0f, 0.5f},
      {0, 255, 0, 2.0f, 1.0f, 0.5f},
      {0, 255, 255, 3.0f, 1.0f, 0.5f},
      {0, 0, 255, 4.0f, 1.0f, 0.5f},
      {255, 0, 255, -1.0f, 1.0f, 0.5f},  // red tested first: (0 - 1) / 1
      {100, 50, 50, 0.0f, 1.0f / 3.0f, 75.0f / 255.0f},     // dark: s over M + m
      {200, 100, 100, 0.0f, 100.0f / 210.0f, 150.0f / 255.0f},  // light: s over 2 - M - m
  };
  for (const auto& c : cases) {
    const Hls hls = HlsFromRgb(c.red, c.green, c.blue);
    SCOPED_TRACE(::testing::Message() << c.red << "," << c.green << "," << c.blue);
    EXPECT_FLOAT_EQ(hls.h, c.h);
    EXPECT_FLOAT_EQ(hls.s, c.s);
    EXPECT_FLOAT_EQ(hls.l, c.l);
  }
}

TEST(RgbFromHls, GivesRoundedChannels) {
  struct Case { float h, s, l; int32_t red, green, blue; };
  const Case cases[] = {
      {2.0f, 1.0f, 0.5f, 0, 255, 0},
      {0.0f, 0.5f, 100.0f / 255.0f, 150, 50, 50},
      {0.0f, 0.0f, 100.0f / 255.0f, 100, 100, 100},
      {-1.0f, 1.0f, 0.5f, 255, 0, 255},
      {5.0f, 1.0f, 0.5f, 255, 0, 255},
      {3.0f, 1.0f, 0.5f, 0, 255, 255},
      {4.0f, 1.0f, 0.75f, 128, 128, 255},  // light: m = l - s(1 - l); 127.5 rounds to 128
      {1.5f, 1.0f, 0.5f, 128, 255, 0},
      {0.0f, 0.0f, 2.5f / 255.0f, 2, 2, 2},        // 2.5 rounds to even
      {0.0f, 0.0f, 126.5f / 255.0f, 126, 126, 126},
  };
  for (const auto& c : cases) {
    int32_t red = -1, green = -1, blue = -1;
    RgbFromHls(c.h, c.s, c.l, red, green, blue);
    SCOPED_TRACE(::testing::Message() << c.h << "," << c.s << "," << c.l);
    EXPECT_EQ(red, c.red);
    EXPECT_EQ(green, c.green);
    EXPECT_EQ(blue, c.blue);
  }
}

// Every byte triple of the grid (0, 3, ..., 255 on each channel) comes back
// exactly, not merely within one step.
TEST(HlsRoundTrip, GivesBackTheSameBytes) {
  int mismatches = 0;
  for (int32_t r = 0; r <= 255; r += 3) {
    for (int32_t g = 0; g <= 255; g += 3) {
      for (int32_t b = 0; b <= 255; b += 3) {
        const Hls hls = HlsFromRgb(r, g, b);
        int32_t red = 0, green = 0, blue = 0;
        RgbFromHls(hls.h, hls.s, hls.l, red, green, blue);
        if (red != r || green != g || blue != b) {
          if (++mismatches <= 5) {
            ADD_FAILURE() << r << "," << g << "," << b << " -> " << red << "," << green << "," << blue;
          }
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace zefrin
