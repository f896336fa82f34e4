// A route: the polyline through the shape that one generated line follows.
// The line store writes it for a connection; the border model writes one
// closed outline into it. The first point also carries the connection's
// colour (-1 = colours from the colour set) and pen width.
#pragma once

#include <cstdint>
#include <vector>

namespace zefrin {

struct RoutePoint {
  int32_t x = 0;
  int32_t y = 0;
  int32_t colour = 0;
  int32_t width = 0;
  bool operator==(const RoutePoint&) const = default;
};

// Reused from run to run: writers clear() and push_back, so the capacity
// stays and building a line allocates nothing once warmed up.
using Route = std::vector<RoutePoint>;

}  // namespace zefrin
