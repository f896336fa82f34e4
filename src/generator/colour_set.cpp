#include "generator/colour_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "imaging/hls.h"
#include "platform/numbers.h"
#include "platform/seams/random_source.h"

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

// A random set never holds more colours than a gradient can reach, so a
// mistyped count cannot exhaust memory.
constexpr int64_t kMaxRandomColours = colorcl::kGradientLimit + 1;

enum GradientStyle : int32_t {
  kSinusoid = 0,
  kTriangle = 1,
  kDoubleExponent = 2,
  kHls = 3,
  kLinear = 4,
  kExponent = 5,
};

// Rounded channel values, kept within a byte so float noise at the ends of a
// curve can never wrap into another channel.
Colour packChannels(double red, double green, double blue) {
  auto channel = [](double value) { return std::clamp(roundHalfEven(value), 0, 255); };
  return rgb(channel(red), channel(green), channel(blue));
}

// A component moving from b (d = 0) to a (d = c) along a logarithmic curve.
double logCurve(double a, double b, int32_t c, int32_t d) {
  constexpr double e = 2.718282;
  if (c == 0) return b;
  const double g1 = std::log(b * e / 255.0 + 1.0);
  const double g2 = std::log(a * e / 255.0 + 1.0);
  return (std::exp(g1 + (g2 - g1) * d / c) - 1.0) * 255.0 / e;
}

}  // namespace

colorcl::colorcl() { redimcolor8(); }

void colorcl::redimcolor1(Colour coll) { colours_.assign(1, coll); }
void colorcl::redimcolor8() { colours_.assign(kColours8.begin(), kColours8.end()); }
void colorcl::redimcolor16() { colours_.assign(kColours16.begin(), kColours16.end()); }
void colorcl::redimcolor35() { colours_.assign(kColours35.begin(), kColours35.end()); }

void colorcl::redimcolors(int32_t n, RandomSource& random) {
  const int64_t count = std::clamp<int64_t>(int64_t{n} + 1, 1, kMaxRandomColours);
  colours_.resize(static_cast<size_t>(count));
  for (Colour& colour : colours_) {
    // Drawn one after the other: red, green, blue.
    const int32_t red = roundHalfEven(255.0 * random.uniform());
    const int32_t green = roundHalfEven(255.0 * random.uniform());
    const int32_t blue = roundHalfEven(255.0 * random.uniform());
    colour = rgb(red, green, blue);
  }
}

void colorcl::adddelcolors(Colour rab, int32_t index, bool addel) {
  if (index < 0) return;
  const auto position = static_cast<size_t>(index);
  if (addel) {
    const size_t at = std::min(position, colours_.size());  // beyond the end appends
    colours_.insert(colours_.begin() + static_cast<std::ptrdiff_t>(at), rab);
    return;
  }
  // Callers take i mod numberofcolors, so the last colour stays.
  if (position >= colours_.size() || colours_.size() == 1) return;
  colours_.erase(colours_.begin() + static_cast<std::ptrdiff_t>(position));
}

void colorcl::colorgrad(Colour lbl13, Colour lbl14, int32_t flag, int32_t Fcolor, int32_t scolor) {
  if (Fcolor < 1 || scolor < 1) return;
  if (flag < kSinusoid || flag > kExponent) return;

  int32_t lo = std::min(Fcolor, scolor) - 1;
  int32_t hi = std::max(Fcolor, scolor) - 1;
  lo = std::min(lo, numberofcolors());  // a start past the end begins right after it
  hi = std::min(hi, kGradientLimit);
  const int32_t L = hi - lo;
  if (L < 1) return;  // checked before growing: a range that paints nothing adds nothing
  if (hi >= numberofcolors()) colours_.resize(static_cast<size_t>(hi) + 1, 0);

  const int32_t first[3] = {redOf(lbl13), greenOf(lbl13), blueOf(lbl13)};
  const int32_t last[3] = {redOf(lbl14), greenOf(lbl14), blueOf(lbl14)};
  const int32_t h = L % 2 + L / 2;  // ceil(L / 2), at least 1 since L >= 1
  auto put = [this](int32_t position, Colour colour) { colours_[static_cast<size_t>(position)] = colour; };
  // A colour whose every channel comes from component(start, end).
  auto each = [&](auto&& component) {
    return packChannels(component(first[0], last[0]), component(first[1], last[1]),
                        component(first[2], last[2]));
  };

  switch (flag) {
    case kSinusoid:
      for (int32_t i = 0; i <= L; ++i) {
        const double wave = std::sin(i * 3.1416 / L);
        put(lo + i, each([&](int32_t x1, int32_t x2) { return (x2 - x1) * wave + x1; }));
      }
      break;
    case kTriangle:
      for (int32_t i = 0; i <= h; ++i) {
        const Colour c = each([&](int32_t x1, int32_t x2) {
          return static_cast<double>((x2 - x1) * i) / h + x1;
        });
        put(lo + i, c);
        put(hi - i, c);
      }
      break;
    case kDoubleExponent:
      for (int32_t i = 0; i <= h; ++i) {
        const Colour c = each([&](int32_t x1, int32_t x2) { return logCurve(x2, x1, h, i); });
        put(lo + i, c);
        put(hi - i, c);
      }
      break;
    case kHls: {
      const Hls a = HlsFromRgb(first[0], first[1], first[2]);
      const Hls b = HlsFromRgb(last[0], last[1], last[2]);
      const auto steps = static_cast<float>(L);
      for (int32_t i = 0; i <= L; ++i) {
        // Hue moves as a plain number, without wrapping round the circle.
        const auto step = static_cast<float>(i);
        int32_t red = 0;
        int32_t green = 0;
        int32_t blue = 0;
        RgbFromHls(a.h + (b.h - a.h) * step / steps, a.s + (b.s - a.s) * step / steps,
                   a.l + (b.l - a.l) * step / steps, red, green, blue);
        put(lo + i, packChannels(red, green, blue));
      }
      break;
    }
    case kLinear:
      for (int32_t i = 0; i <= L; ++i) {
        put(lo + i, each([&](int32_t x1, int32_t x2) {
              return static_cast<double>((x2 - x1) * i) / L + x1;
            }));
      }
      break;
    case kExponent:
      for (int32_t i = 0; i <= L; ++i) {
        put(lo + i, each([&](int32_t x1, int32_t x2) { return logCurve(x2, x1, L, i); }));
      }
      break;
  }
}

Colour colorcl::coli(int32_t i) const {
  if (i < 0 || i >= numberofcolors()) return 0;
  return colours_[static_cast<size_t>(i)];
}

}  // namespace zefrin
