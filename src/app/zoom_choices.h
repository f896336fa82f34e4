// Which zoom levels a picture of a given size may take: small pictures go up
// to 800%, larger ones less, anything over 400 x 280 only 100%.
#pragma once

#include <array>
#include <cstdint>

namespace zefrin {

inline constexpr std::array<int32_t, 5> kZoomPercents{100, 200, 400, 600, 800};

// Index into kZoomPercents of the largest level offered (0 = only 100%).
int32_t largestZoomIndex(int32_t width, int32_t height);

// The choice after the dialog is shown again: a level no longer offered
// falls back to the largest one that is; with only 100% offered, 100%.
int32_t zoomIndexAfterShow(int32_t selectedIndex, int32_t width, int32_t height);

}  // namespace zefrin
