// Conversion between red, green and blue bytes and hue, lightness and
// saturation. Hue is in sextants, not degrees: 0 red, 1 yellow, 2 green,
// 3 cyan, 4 blue, 5 magenta; -1 is magenta as well (red largest, blue above
// green). Saturation and lightness run 0..1. Everything is single precision,
// because callers that round the results depend on it.
#pragma once

#include <cstdint>

namespace zefrin {

struct Hls {
  float h;
  float s;
  float l;
};

// Channels 0..255 each. Greys give h = 0 and s = 0.
Hls HlsFromRgb(int32_t red, int32_t green, int32_t blue);

// Channels rounded from value * 255, halves to even. Hues outside -1..5 give
// channels outside 0..255; callers keep hues in range.
void RgbFromHls(float h, float s, float l, int32_t& red, int32_t& green, int32_t& blue);

}  // namespace zefrin
