#include "platform/raster/raster_image.h"

#include <algorithm>

namespace zefrin {

RasterImage::RasterImage(int32_t width, int32_t height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

void RasterImage::fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

}  // namespace zefrin
