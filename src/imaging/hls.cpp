#include "imaging/hls.h"

#include <algorithm>

#include "platform/numbers.h"

namespace zefrin {

Hls HlsFromRgb(int32_t red, int32_t green, int32_t blue) {
  const float r = static_cast<float>(red) / 255.0f;
  const float g = static_cast<float>(green) / 255.0f;
  const float b = static_cast<float>(blue) / 255.0f;
  const float largest = std::max({r, g, b});
  const float smallest = std::min({r, g, b});

  Hls out{0.0f, 0.0f, (largest + smallest) / 2.0f};
  if (largest == smallest) return out;

  const float spread = largest - smallest;
  out.s = out.l <= 0.5f ? spread / (largest + smallest) : spread / (2.0f - largest - smallest);
  // Red is tested first, so a colour with red and blue equal and largest
  // lands at -1 rather than 5.
  if (r == largest) {
    out.h = (g - b) / spread;
  } else if (g == largest) {
    out.h = 2.0f + (b - r) / spread;
  } else {
    out.h = 4.0f + (r - g) / spread;
  }
  return out;
}

void RgbFromHls(float h, float s, float l, int32_t& red, int32_t& green, int32_t& blue) {
  float r = l;
  float g = l;
  float b = l;
  if (s != 0.0f) {
    const float smallest = l <= 0.5f ? l * (1.0f - s) : l - s * (1.0f - l);
    const float largest = 2.0f * l - smallest;
    const float spread = largest - smallest;
    if (h < 1.0f) {
      r = largest;
      if (h < 0.0f) {
        g = smallest;
        b = smallest - h * spread;
      } else {
        b = smallest;
        g = smallest + h * spread;
      }
    } else if (h < 3.0f) {
      g = largest;
      if (h < 2.0f) {
        b = smallest;
        r = smallest - (h - 2.0f) * spread;
      } else {
        r = smallest;
        b = smallest + (h - 2.0f) * spread;
      }
    } else {
      b = largest;
      if (h < 4.0f) {
        r = smallest;
        g = smallest - (h - 4.0f) * spread;
      } else {
        g = smallest;
        r = smallest + (h - 4.0f) * spread;
      }
    }
  }
  red = roundHalfEven(r * 255.0f);
  green = roundHalfEven(g * 255.0f);
  blue = roundHalfEven(b * 255.0f);
}

}  // namespace zefrin
