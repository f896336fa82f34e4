#include "imaging/dib_section.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

#include "imaging/dib_resample.h"
#include "platform/numbers.h"

namespace zefrin {

namespace {

// The part of a block transfer that lies inside both rasters along one axis:
// offsets i in [first, last) with 0 <= i < length, destStart + i inside the
// destination and sourceStart + i inside the source. Worked in 64 bits so no
// offset can overflow.
struct ClippedSpan {
  int32_t first = 0;
  int32_t last = 0;
  bool empty() const { return last <= first; }
};

ClippedSpan clipSpan(int32_t length, int32_t destStart, int32_t destSize, int32_t sourceStart,
                     int32_t sourceSize) {
  const int64_t first = std::max({int64_t{0}, -int64_t{destStart}, -int64_t{sourceStart}});
  const int64_t last = std::min({int64_t{length}, int64_t{destSize} - destStart,
                                 int64_t{sourceSize} - sourceStart});
  if (last <= first) return {};
  return {static_cast<int32_t>(first), static_cast<int32_t>(last)};
}

}  // namespace

bool cDIBSection::Create(int32_t lWidth, int32_t lHeight) {
  ClearUp();
  // Until memory exists the buffer reports no size, so a caller that goes on
  // after a failure walks no rows.
  header_ = DibInfoHeader{};
  if (lWidth <= 0 || lHeight <= 0 || lWidth > kMaxDibDimension || lHeight > kMaxDibDimension) {
    return false;
  }
  const size_t stride = static_cast<size_t>(dibBytesPerScanLine(lWidth));
  if (static_cast<size_t>(lHeight) > std::numeric_limits<size_t>::max() / stride) return false;
  const size_t byteCount = stride * static_cast<size_t>(lHeight);
  // calloc: zeroed pixels and padding, and no exception when memory runs out.
  bits_.reset(static_cast<uint8_t*>(std::calloc(byteCount, 1)));
  if (!bits_) return false;
  header_.width = lWidth;
  header_.height = lHeight;
  header_.imageSize = static_cast<uint32_t>(byteCount);
  return true;
}

void cDIBSection::CreateFromPicture(const RasterImage& picture) {
  if (Create(picture.width(), picture.height())) LoadPictureBlt(picture, 0, 0);
}

void cDIBSection::LoadPictureBlt(const RasterImage& src, int32_t lSrcLeft, int32_t lSrcTop,
                                 int32_t lSrcWidth, int32_t lSrcHeight) {
  if (!hasRaster()) return;
  const int32_t w = lSrcWidth < 0 ? width() : lSrcWidth;
  const int32_t h = lSrcHeight < 0 ? height() : lSrcHeight;
  const ClippedSpan xs = clipSpan(w, 0, width(), lSrcLeft, src.width());
  const ClippedSpan ys = clipSpan(h, 0, height(), lSrcTop, src.height());
  if (xs.empty() || ys.empty()) return;
  const size_t stride = static_cast<size_t>(BytesPerScanLine());
  for (int32_t i = ys.first; i < ys.last; ++i) {
    const Pixel* from = src.row(lSrcTop + i) + lSrcLeft;
    uint8_t* to = bits_.get() + static_cast<size_t>(height() - 1 - i) * stride;
    for (int32_t x = xs.first; x < xs.last; ++x) {
      const Pixel p = from[x];
      uint8_t* bytes = to + 3 * static_cast<size_t>(x);
      bytes[0] = static_cast<uint8_t>(p);
      bytes[1] = static_cast<uint8_t>(p >> 8);
      bytes[2] = static_cast<uint8_t>(p >> 16);
    }
  }
}

void cDIBSection::PaintPicture(RasterImage& dst, int32_t lDestLeft, int32_t lDestTop,
                               int32_t lDestWidth, int32_t lDestHeight, int32_t lSrcLeft,
                               int32_t lSrcTop) const {
  if (!hasRaster()) return;
  const int32_t w = lDestWidth < 0 ? width() : lDestWidth;
  const int32_t h = lDestHeight < 0 ? height() : lDestHeight;
  const ClippedSpan xs = clipSpan(w, lDestLeft, dst.width(), lSrcLeft, width());
  const ClippedSpan ys = clipSpan(h, lDestTop, dst.height(), lSrcTop, height());
  if (xs.empty() || ys.empty()) return;
  const size_t stride = static_cast<size_t>(BytesPerScanLine());
  for (int32_t i = ys.first; i < ys.last; ++i) {
    const uint8_t* from =
        bits_.get() + static_cast<size_t>(height() - 1 - (lSrcTop + i)) * stride;
    Pixel* to = dst.row(lDestTop + i);
    for (int32_t x = xs.first; x < xs.last; ++x) {
      const uint8_t* bytes = from + 3 * static_cast<size_t>(lSrcLeft + x);
      to[lDestLeft + x] = 0xFF000000u | (static_cast<Pixel>(bytes[2]) << 16) |
                          (static_cast<Pixel>(bytes[1]) << 8) | static_cast<Pixel>(bytes[0]);
    }
  }
}

std::unique_ptr<cDIBSection> cDIBSection::Resample(int32_t lNewHeight, int32_t lNewWidth) const {
  if (!hasRaster()) return nullptr;
  auto result = std::make_unique<cDIBSection>();
  if (!result->Create(lNewWidth, lNewHeight)) return nullptr;
  if (lNewWidth == width() && lNewHeight == height()) {
    copyDibPixels(*this, *result);
  } else {
    resampleBilinear(*this, *result);
  }
  return result;
}

bool cDIBSection::CopyToClipboard(bool bAsDIB, ClipboardSink& clipboard,
                                  Messenger& messenger) const {
  if (bAsDIB) {
    messenger.information(kDibClipboardMessage);
    return false;
  }
  if (!hasRaster()) return false;
  try {
    RasterImage picture(width(), height());
    PaintPicture(picture);
    return clipboard.putBitmap(picture);
  } catch (const std::bad_alloc&) {
    return false;  // no memory for the bitmap: nothing was put
  }
}

void cDIBSection::RandomiseBits(bool bGray, RandomSource& random) {
  random.reseedFromClock();
  if (!hasRaster()) return;
  auto draw = [&random] {
    return static_cast<uint8_t>(roundHalfEven(static_cast<double>(random.uniform()) * 255.0));
  };
  const size_t stride = static_cast<size_t>(BytesPerScanLine());
  uint8_t* bits = bits_.get();
  if (bGray) {
    for (int32_t r = 0; r < height(); ++r) {
      uint8_t* row = bits + static_cast<size_t>(r) * stride;
      for (int32_t p = 0; p < width(); ++p) {
        const uint8_t value = draw();
        std::memset(row + 3 * static_cast<size_t>(p), value, 3);
      }
    }
    return;
  }
  for (int32_t p = 0; p < width(); ++p) {
    for (int32_t r = 0; r < height(); ++r) {
      uint8_t* bytes = bits + static_cast<size_t>(r) * stride + 3 * static_cast<size_t>(p);
      bytes[0] = 0;
      bytes[1] = draw();
      bytes[2] = draw();
    }
  }
}

void cDIBSection::ClearUp() { bits_.reset(); }

}  // namespace zefrin
