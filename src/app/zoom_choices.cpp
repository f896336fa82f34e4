#include "app/zoom_choices.h"

#include <algorithm>

namespace zefrin {

int32_t largestZoomIndex(int32_t width, int32_t height) {
  if (width <= 100 && height <= 70) return 4;
  if (width <= 130 && height <= 90) return 3;
  if (width <= 200 && height <= 140) return 2;
  if (width <= 400 && height <= 280) return 1;
  return 0;
}

int32_t zoomIndexAfterShow(int32_t selectedIndex, int32_t width, int32_t height) {
  return std::min(selectedIndex, largestZoomIndex(width, height));
}

}  // namespace zefrin
