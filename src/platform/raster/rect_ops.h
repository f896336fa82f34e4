// Set operations on half-open rectangles.
#pragma once

#include <algorithm>

#include "platform/raster/raster_image.h"

namespace zefrin {

inline RectI intersectRects(const RectI& a, const RectI& b) {
  const RectI r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
  return r.empty() ? RectI{} : r;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
inline RectI uniteRects(const RectI& a, const RectI& b) {
  if (a.empty()) return b.empty() ? RectI{} : b;
  if (b.empty()) return a;
  return RectI{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom)};
}

}  // namespace zefrin
