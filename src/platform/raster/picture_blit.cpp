// Copies and blends of rasters into the picture. Blits ignore the raster
// mode and the clip region.
#include <algorithm>
#include <vector>

#include "platform/raster/picture.h"
#include "platform/raster/picture_targets.h"
#include "platform/raster/rect_ops.h"
#include "platform/raster/wide_int.h"

namespace zefrin {

namespace {

// Nearest-pixel mapping of destination pixels onto source pixels: pixel i of
// a destination extent of `dstSize` takes the source pixel under its centre,
// floor((i + 0.5) * srcSize / dstSize). Enlarging by a whole factor k thus
// repeats each source pixel exactly k times.
int64_t sourceIndex(int64_t i, int64_t srcSize, int64_t dstSize) {
  return static_cast<int64_t>(floorDiv((Int128{2} * i + 1) * srcSize, Int128{2} * dstSize));
}

// For each destination pixel of `area` (inside dstRect and the target), the
// source pixel it takes, or -1 where srcRect reaches outside the source.
struct BlitMap {
  RectI area{};
  std::vector<int32_t> sourceColumns;
  std::vector<int32_t> sourceRows;
};

BlitMap mapBlit(const RasterImage& src, const RectI& srcRect, const RectI& dstRect, const RectI& target) {
  BlitMap map;
  const int64_t srcWidth = int64_t{srcRect.right} - srcRect.left;
  const int64_t srcHeight = int64_t{srcRect.bottom} - srcRect.top;
  const int64_t dstWidth = int64_t{dstRect.right} - dstRect.left;
  const int64_t dstHeight = int64_t{dstRect.bottom} - dstRect.top;
  if (srcWidth <= 0 || srcHeight <= 0 || dstWidth <= 0 || dstHeight <= 0 || src.empty()) return map;
  map.area = intersectRects(dstRect, target);
  if (map.area.empty()) return map;
  auto build = [](std::vector<int32_t>& out, int32_t from, int32_t to, int32_t dstStart, int64_t dstSize,
                  int32_t srcStart, int64_t srcSize, int32_t srcLimit) {
    out.reserve(static_cast<size_t>(to - from));
    for (int32_t d = from; d < to; ++d) {
      const int64_t s = srcStart + sourceIndex(int64_t{d} - dstStart, srcSize, dstSize);
      out.push_back(s >= 0 && s < srcLimit ? static_cast<int32_t>(s) : -1);
    }
  };
  build(map.sourceColumns, map.area.left, map.area.right, dstRect.left, dstWidth, srcRect.left, srcWidth,
        src.width());
  build(map.sourceRows, map.area.top, map.area.bottom, dstRect.top, dstHeight, srcRect.top, srcHeight,
        src.height());
  return map;
}

template <typename Combine>
void blit(RasterImage& target, const RasterImage& src, const BlitMap& map, Combine&& combine) {
  for (int32_t y = map.area.top; y < map.area.bottom; ++y) {
    const int32_t sy = map.sourceRows[static_cast<size_t>(y - map.area.top)];
    if (sy < 0) continue;
    const Pixel* srcRow = src.row(sy);
    Pixel* dstRow = target.row(y);
    for (int32_t x = map.area.left; x < map.area.right; ++x) {
      const int32_t sx = map.sourceColumns[static_cast<size_t>(x - map.area.left)];
      if (sx >= 0) dstRow[x] = combine(srcRow[sx], dstRow[x]);
    }
  }
}

// Rounds to nearest: a sum over 255 never ends in exactly one half.
uint32_t blendChannel(uint32_t src, uint32_t dst, uint32_t alpha) {
  return (src * alpha + dst * (255u - alpha) + 127u) / 255u;
}

}  // namespace

void Picture::stretchFrom(const RasterImage& src, const RectI& srcRect, const RectI& dstRect) {
  const BlitMap map = mapBlit(src, srcRect, dstRect, persistent_.bounds());
  if (map.area.empty()) return;
  // Copying a picture onto itself reads the pixels as they were before.
  const bool aliased = &src == &persistent_ || (screen_ && &src == &*screen_);
  const RasterImage snapshot = aliased ? src : RasterImage{};
  const RasterImage& source = aliased ? snapshot : src;
  forEachTarget([&](RasterImage& target) {
    blit(target, source, map, [](Pixel s, Pixel) { return s | 0xFF000000u; });
  });
  markDirty(map.area);
}

void Picture::alphaBlendFrom(const RasterImage& src, const RectI& srcRect, const RectI& dstRect,
                             int32_t opacity) {
  const BlitMap map = mapBlit(src, srcRect, dstRect, persistent_.bounds());
  if (map.area.empty()) return;
  const uint32_t alpha = static_cast<uint32_t>(std::clamp(opacity, 0, 255));
  const bool aliased = &src == &persistent_ || (screen_ && &src == &*screen_);
  const RasterImage snapshot = aliased ? src : RasterImage{};
  const RasterImage& source = aliased ? snapshot : src;
  forEachTarget([&](RasterImage& target) {
    blit(target, source, map, [alpha](Pixel s, Pixel d) {
      const uint32_t r = blendChannel((s >> 16) & 0xFFu, (d >> 16) & 0xFFu, alpha);
      const uint32_t g = blendChannel((s >> 8) & 0xFFu, (d >> 8) & 0xFFu, alpha);
      const uint32_t b = blendChannel(s & 0xFFu, d & 0xFFu, alpha);
      return 0xFF000000u | (r << 16) | (g << 8) | b;
    });
  });
  markDirty(map.area);
}

}  // namespace zefrin
