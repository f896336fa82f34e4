// The route of one connection: from its ends on the rails through its level
// in every column it passes, left to right.
#include <algorithm>

#include "generator/line_store.h"
#include "platform/numbers.h"

namespace zefrin {

namespace {

// Appends points, dropping the middle of every horizontal run: a point with
// the same y as both its neighbours goes. The first two points always stay.
class StraightRoute {
 public:
  explicit StraightRoute(Route& route) : route_(route) { route_.clear(); }

  void add(int32_t x, int32_t y) {
    const size_t size = route_.size();
    if (size >= 3 && route_[size - 1].y == y && route_[size - 2].y == y) route_.pop_back();
    route_.push_back(RoutePoint{x, y, 0, 0});
  }

 private:
  Route& route_;
};

}  // namespace

void ClGeneral::marsh(int32_t n, const ContourRails& rails, Route& route) const {
  StraightRoute out(route);
  if (n < 1 || n > UboundEntry()) return;
  const Connection& k = general_[static_cast<size_t>(n) - 1];
  const int32_t N = levels_.contup();
  const int32_t u = k.Fup;
  const int32_t d = k.Fdn;

  // Every column the route touches must be a laid-out column with rails.
  auto column = [N](int32_t c) { return c >= 1 && c <= N; };
  const int32_t cls = k.connectionClass;
  if (cls < 1 || cls > 8 || rails.size() <= static_cast<size_t>(std::max(N, 0))) return;
  if (cls <= 7 && !column(u)) return;
  if (cls >= 5 && cls <= 7 && !column(d)) return;

  auto up = [&](int32_t c) { out.add(rails[static_cast<size_t>(c)].xu, rails[static_cast<size_t>(c)].yu); };
  auto down = [&](int32_t c) { out.add(rails[static_cast<size_t>(c)].xd, rails[static_cast<size_t>(c)].yd); };
  // Spread evenly between the up and the down point: integer products,
  // divisions in double precision.
  auto between = [&](int32_t from, int32_t to) {
    for (int32_t c = from; c <= to; ++c) {
      const RailColumn& rail = rails[static_cast<size_t>(c)];
      const int64_t level = levels_.at(c, n);
      const double parts = static_cast<double>(levels_.at(c, 0)) + 1.0;
      const double dx = static_cast<double>((static_cast<int64_t>(rail.xu) - rail.xd) * level) / parts;
      const double dy = static_cast<double>((static_cast<int64_t>(rail.yd) - rail.yu) * level) / parts;
      out.add(roundHalfEven(rail.xu - dx), roundHalfEven(dy + rail.yu));
    }
  };

  switch (k.connectionClass) {
    case 1: between(1, u); up(u); break;
    case 2: between(1, u); down(u); break;
    case 3: up(u); between(u, N); break;
    case 4: down(u); between(u, N); break;
    case 5: up(u); between(u, d); up(d); break;
    case 6: down(u); between(u, d); down(d); break;
    case 7:
      if (u == d) {
        up(u);
        down(u);
      } else if (u < d) {
        up(u);
        between(u, d);
        down(d);
      } else {
        down(d);
        between(d, u);
        up(u);
      }
      break;
    case 8: between(1, N); break;
    default: break;
  }
  if (!route.empty()) {
    route.front().colour = k.colour;
    route.front().width = k.width;
  }
}

}  // namespace zefrin
