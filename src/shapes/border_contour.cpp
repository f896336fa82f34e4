#include "shapes/border_contour.h"

#include <cmath>
#include <cstdlib>

#include "platform/numbers.h"
#include "shapes/shape_catalogue.h"

namespace zefrin {

namespace {

void evaluateComponent(int32_t variant, ShapeState state, std::vector<float>& upper,
                       std::vector<float>& lower) {
  // The upper function of a column runs before its lower one: variants that
  // raise a parameter do it in the upper pass and the lower pass sees it.
  for (int32_t i = 0; i <= state.N; ++i) {
    upper[static_cast<size_t>(i)] = shapeUpper(variant, state, i);
    lower[static_cast<size_t>(i)] = shapeLower(variant, state, i);
  }
}

}  // namespace

struct bordercl::Placement {
  double lx, ly, bx, by;
  int32_t logicalY;
  double span, shiftA, shiftB;
};

void bordercl::borderinst(const GenParams& g) {
  // Clamped settings keep contup >= 2 and contleft >= 0; the state builder
  // enforces both again so no input can divide by zero.
  const ShapeState second = makeShapeState(g.contup, g.contleft, g.shpar1, g.shpar2, g.shpar3);
  const ShapeState first = makeShapeState(g.contup, g.contleft, g.shpparam1, g.shpparam2, g.shpparam3);
  const int32_t N = first.N;
  n_ = N + 1;
  W_ = first.W;
  destort_ = g.destort;
  orientxy_ = g.orientxy;
  povorxy_ = g.povorxy;

  const size_t columns = static_cast<size_t>(n_);
  upper_.assign(columns, 0.0f);
  lower_.assign(columns, 0.0f);
  scratchUpper_.assign(columns, 0.0f);
  scratchLower_.assign(columns, 0.0f);
  evaluateComponent(g.shapes1, second, scratchUpper_, scratchLower_);
  evaluateComponent(g.shapes, first, upper_, lower_);

  // Sum of the components, cut to the frame, then perspective pulls both
  // depths of a column towards the middle line by the factor v.
  const bool farEnd = g.prospect > 50;
  const float c0 = farEnd ? static_cast<float>((g.prospect - 50) / 50.0)
                          : static_cast<float>((50 - g.prospect) / 50.0);
  const float u = static_cast<float>(W_ / 2.0);
  const float frame = static_cast<float>(W_);
  for (int32_t i = 0; i <= N; ++i) {
    const double f = farEnd ? double(c0) * i / N : double(c0) * (N - i) / N;
    const float v = static_cast<float>(1.0 - f);
    const size_t k = static_cast<size_t>(i);
    float up = upper_[k] + scratchUpper_[k];
    if (up > frame) up = frame;
    upper_[k] = u - (u - up) * v;
    float down = lower_[k] + scratchLower_[k];
    if (down > frame) down = frame;
    lower_[k] = u - (u - down) * v;
  }
}

bordercl::Placement bordercl::placement(int32_t logicalX, int32_t logicalY, int32_t beginlogicalX,
                                        int32_t beginlogicalY) const {
  // Distortion shears the two edges against each other by h * lx.
  const float h = static_cast<float>(std::abs(50 - destort_) / 100.0);
  Placement p{};
  p.lx = logicalX;
  p.ly = logicalY;
  p.bx = beginlogicalX;
  p.by = beginlogicalY;
  p.logicalY = logicalY;
  p.span = (1.0 - double(h)) * logicalX;
  const double shift = double(h) * logicalX;
  p.shiftA = 50 - destort_ > 0 ? 0.0 : shift;
  p.shiftB = 50 - destort_ > 0 ? shift : 0.0;
  return p;
}

RailColumn bordercl::nodesAt(const Placement& p, int32_t i) const {
  const int32_t N = n_ - 1;
  const bool mirror = povorxy_ == 2 || povorxy_ == 4;
  const bool swapEdges = povorxy_ == 3 || povorxy_ == 4;
  const size_t j = static_cast<size_t>(mirror ? N - i : i);
  const double U = upper_[j];
  const double D = lower_[j];
  const double W = W_;
  RailColumn c;
  if (orientxy_ == 1) {
    c.xu = roundHalfEven(p.bx + p.shiftA + p.span * i / N);
    c.xd = roundHalfEven(p.bx + p.shiftB + p.span * i / N);
    c.yu = roundHalfEven(p.by + p.ly * (swapEdges ? D : U) / W);
    c.yd = roundHalfEven(p.by + p.ly * (W - (swapEdges ? U : D)) / W);
  } else {
    // ly * i can pass 2^31 for tall rectangles with many columns: 64 bits.
    const int64_t rowProduct = int64_t{p.logicalY} * i;
    c.yu = c.yd = roundHalfEven(p.by + static_cast<double>(rowProduct) / N);
    if (swapEdges) {
      c.xu = roundHalfEven(p.bx + p.shiftA + p.span - p.span * U / W);
      c.xd = roundHalfEven(p.bx + p.shiftB + p.span - p.span * (W - D) / W);
    } else {
      c.xu = roundHalfEven(p.bx + p.shiftA + p.span * U / W);
      c.xd = roundHalfEven(p.bx + p.shiftB + p.span * (W - D) / W);
    }
  }
  return c;
}

void bordercl::borderinstal1(int32_t logicalX, int32_t logicalY, int32_t beginlogicalX,
                             int32_t beginlogicalY, ContourRails& rails) const {
  const Placement p = placement(logicalX, logicalY, beginlogicalX, beginlogicalY);
  rails.assign(static_cast<size_t>(n_) + 1, RailColumn{});
  for (int32_t i = 0; i < n_; ++i) rails[static_cast<size_t>(i) + 1] = nodesAt(p, i);
}

void bordercl::resul(int32_t logicalX, int32_t logicalY, int32_t beginlogicalX,
                     int32_t beginlogicalY, Route& route) const {
  const Placement p = placement(logicalX, logicalY, beginlogicalX, beginlogicalY);
  const size_t n = static_cast<size_t>(n_);
  route.assign(2 * n + 1, RoutePoint{});  // assign keeps the capacity
  for (int32_t i = 0; i < n_; ++i) {
    const RailColumn c = nodesAt(p, i);
    const size_t k = static_cast<size_t>(i);
    route[k].x = c.xu;
    route[k].y = c.yu;
    route[2 * n - 1 - k].x = c.xd;
    route[2 * n - 1 - k].y = c.yd;
  }
  route[2 * n].x = route[0].x;
  route[2 * n].y = route[0].y;
}

}  // namespace zefrin
