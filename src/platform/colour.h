// Colour values as the window system writes them: 0x00BBGGRR, red in the low
// byte. Generated lines also use -1 as "pen up" / "take colours from the set".
// (Colours with alpha, 0xAARRGGBB, get a distinct type where brushes need them.)
#pragma once

#include <cstdint>

namespace zefrin {

using Colour = int32_t;

inline constexpr Colour kPenUp = -1;

constexpr Colour rgb(int32_t red, int32_t green, int32_t blue) {
  return static_cast<Colour>((static_cast<uint32_t>(blue & 0xFF) << 16) |
                             (static_cast<uint32_t>(green & 0xFF) << 8) |
                             static_cast<uint32_t>(red & 0xFF));
}
constexpr int32_t redOf(Colour c) { return c & 0xFF; }
constexpr int32_t greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int32_t blueOf(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace zefrin
