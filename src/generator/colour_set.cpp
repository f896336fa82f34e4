#include "generator/colour_set.h"

#include <array>
#include <cstddef>

namespace zefrin {

namespace {

constexpr std::array<Colour, 8> kColours8 = {0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF,
                                             0x0080FF, 0xFF00FF, 0xFFFF00, 0xC08080};

constexpr std::array<Colour, 16> kColours16 = {
    0x0000FF, 0x0033CC, 0x006699, 0x009966, 0x00CC33, 0x00FF00, 0x33CC00, 0x669900,
    0x996600, 0xCC3300, 0xFF0000, 0xD30733, 0xA70E66, 0x7A1499, 0x4E1BCC, 0x2222FF};

constexpr std::array<Colour, 35> kColours35 = {
    0x0000FF, 0x001AFF, 0x0033FF, 0x004DFF, 0x0066FF, 0x0080FF, 0x0099FF, 0x00B3FF, 0x00CCFF,
    0x00E6FF, 0x00FFFF, 0x00FFCC, 0x00FF99, 0x00FF66, 0x00FF33, 0x00FF00, 0x33FF1A, 0x66FF33,
    0x99FF4D, 0xCCFF66, 0xFFFF80, 0xFFCC66, 0xFF994D, 0xFF6633, 0xFF331A, 0xFF0000, 0xFF001A,
    0xFF0033, 0xFF004D, 0xFF0066, 0xFF0080, 0xCC0099, 0x9900B3, 0x6600CC, 0x3300E6};

}  // namespace

colorcl::colorcl() { redimcolor8(); }

void colorcl::redimcolor1(Colour coll) { colours_.assign(1, coll); }
void colorcl::redimcolor8() { colours_.assign(kColours8.begin(), kColours8.end()); }
void colorcl::redimcolor16() { colours_.assign(kColours16.begin(), kColours16.end()); }
void colorcl::redimcolor35() { colours_.assign(kColours35.begin(), kColours35.end()); }

Colour colorcl::coli(int32_t i) const {
  if (i < 0 || i >= numberofcolors()) return 0;
  return colours_[static_cast<size_t>(i)];
}

}  // namespace zefrin
