// A plain raster: 32-bit pixels in rows from top to bottom, no padding.
// Pixels are stored as 0xFFRRGGBB so a Qt view can wrap the memory as an
// RGB32 image without converting; colour values (0x00BBGGRR) are converted at
// the edges with pixelFromColour / colourFromPixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace zefrin {

using Pixel = uint32_t;

constexpr Pixel pixelFromColour(Colour c) {
  return 0xFF000000u | (static_cast<uint32_t>(redOf(c)) << 16) |
         (static_cast<uint32_t>(greenOf(c)) << 8) | static_cast<uint32_t>(blueOf(c));
}

constexpr Colour colourFromPixel(Pixel p) {
  return rgb(static_cast<int32_t>((p >> 16) & 0xFF), static_cast<int32_t>((p >> 8) & 0xFF),
             static_cast<int32_t>(p & 0xFF));
}

// A rectangle with its right and bottom edges outside (half-open).
struct RectI {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const RectI&) const = default;
};

struct PointI {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const PointI&) const = default;
};

class RasterImage {
 public:
  RasterImage() = default;
  RasterImage(int32_t width, int32_t height, Pixel fill = 0xFF000000u);

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  bool contains(int32_t x, int32_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }
  RectI bounds() const { return RectI{0, 0, width_, height_}; }

  Pixel* row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  const Pixel* row(int32_t y) const {
    return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
  }
  Pixel at(int32_t x, int32_t y) const { return row(y)[x]; }
  void set(int32_t x, int32_t y, Pixel p) { row(y)[x] = p; }
  void fill(Pixel p);

  Pixel* data() { return pixels_.data(); }
  const Pixel* data() const { return pixels_.data(); }
  size_t byteCount() const { return pixels_.size() * sizeof(Pixel); }

  bool operator==(const RasterImage&) const = default;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace zefrin
