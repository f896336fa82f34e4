// One connection of the line store: which sides its two ends lie on (class
// 1..8), the two end positions, and how it is drawn.
#pragma once

#include <cstdint>

namespace zefrin {

// Classes by the sides of the first end (Fup) and the second end (Fdn):
//   1 up-left   2 down-left   3 up-right   4 down-right
//   5 up-up     6 down-down   7 up-down    8 right-left
// On up and down an end is a column (1..contup); on right and left a slot
// whose order only matters among the ends on that side.
struct Connection {
  int32_t Fnm = 0;  // the caller's number (patterns pass 0)
  int32_t connectionClass = 0;
  int32_t Fup = 0;
  int32_t Fdn = 0;
  int32_t colour = -1;  // -1: colours from the colour set
  int32_t width = 0;
  int32_t group = 0;  // connected group, set by the layout
  bool operator==(const Connection&) const = default;
};

}  // namespace zefrin
