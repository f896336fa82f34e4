#include "generator/line_builder.h"

#include <algorithm>
#include <cmath>

#include "platform/numbers.h"

namespace zefrin {

namespace {

constexpr double kPi = 3.14159265359;

float distance(const RoutePoint& p, const RoutePoint& q) {
  const double dx = double(q.x) - p.x;
  const double dy = double(q.y) - p.y;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

}  // namespace

LineBuilder::LineBuilder() : line_(kLineCapacity) {}

std::span<const LinePoint> LineBuilder::line() const {
  if (lastPoint_ < 0) return {};
  return std::span<const LinePoint>(line_.data(), static_cast<size_t>(lastPoint_) + 1);
}

const LinePoint& LineBuilder::pointAt(int32_t i) const {
  static const LinePoint kNone{};
  if (i < 0 || i >= kLineCapacity) return kNone;
  return line_[static_cast<size_t>(i)];
}

void LineBuilder::put(int32_t k, int32_t x, int32_t y, Colour colour) {
  if (k < 0 || k >= kLineCapacity) {
    lineCut_ = true;
    return;
  }
  line_[static_cast<size_t>(k)] = LinePoint{x, y, colour};
}

void LineBuilder::setColour(int32_t k, Colour colour) {
  if (k < 0 || k >= kLineCapacity) {
    lineCut_ = true;
    return;
  }
  line_[static_cast<size_t>(k)].colour = colour;
}

void LineBuilder::finishLine(int32_t last) { lastPoint_ = std::min(last, kLineCapacity - 1); }

void LineBuilder::nextColour() {
  const int32_t nc = colours_->numberofcolors();
  currentColour_ = nc > 0 ? colours_->coli(colourCounter_ % nc) : 0;
  colourCounter_ += 1;
  if (colourCounter_ > kColourCounterWrap) colourCounter_ = 0;
}

int32_t LineBuilder::pieceLength() const { return std::max(params_->linelength, 1); }

int32_t LineBuilder::multicolourVariant() const {
  // The Colours dialog offers variants 0..3; anything else is taken as the first.
  const int32_t v = params_->linecolorfunc;
  const int32_t variant = (v >= 0 && v <= 3) ? v : 0;
  // Pieces need a length of at least one pixel (the splits divide by it).
  // Without one, every segment is a piece of its own colour.
  if ((variant == 0 || variant == 1) && params_->linelength < 1) return 2;
  return variant;
}

void LineBuilder::startCarry(const Route& route) {
  carry_ = 0;
  if (route.size() >= 2) {
    const int32_t first = roundHalfEven(distance(route[0], route[1]));
    if (first < pieceLength()) carry_ = static_cast<float>(first);
  }
}

// A route of the Automatic and Manual modes becomes a line.
void LineBuilder::fromRoute(const Route& route, const GenParams& params, const colorcl& colours) {
  params_ = &params;
  colours_ = &colours;
  lineCut_ = false;
  if (route.empty()) {
    lastPoint_ = -1;
    return;
  }
  const int32_t n = static_cast<int32_t>(route.size()) - 1;
  const Colour connectionColour = route.front().colour;
  const bool multicolour = params_->chlinecol == 1;
  const int32_t variant = multicolourVariant();

  k_ = 0;
  colourCounter_ = 0;
  carry_ = 0;
  nextColour();
  put(0, route[0], currentColour_);
  startCarry(route);
  int32_t last = n;

  for (int32_t i = 0; i <= n; ++i) {
    const RoutePoint& p = route[static_cast<size_t>(i)];
    if (multicolour && (variant == 0 || variant == 1)) {
      if (i < n) {
        split(p, route[static_cast<size_t>(i) + 1]);
      } else {
        last = k_;
      }
    } else if (multicolour) {
      put(i, p, currentColour_);
      nextColour();
    } else {
      if (connectionColour < 0) {
        nextColour();
      } else {
        currentColour_ = connectionColour;
      }
      put(i, p, currentColour_);
    }
    if (lineCut_) break;
  }
  finishLine(lineCut_ ? kLineCapacity - 1 : last);
}

// A built-in outline of the MultiOutline mode becomes a line.
void LineBuilder::fromOutline(const Route& p, const GenParams& params, const colorcl& colours,
                              Colour outlineColour) {
  params_ = &params;
  colours_ = &colours;
  lineCut_ = false;
  currentColour_ = outlineColour;
  const int32_t c = params_->contup;
  if (static_cast<int32_t>(p.size()) < 2 * c + 1) {
    lastPoint_ = -1;
    return;
  }
  auto P = [&](int32_t idx) -> const RoutePoint& { return p[static_cast<size_t>(idx)]; };

  const bool sideColours = params_->obvgradien == 0;
  const bool multicolour = !sideColours && params_->chlinecol == 1;
  const int32_t variant = multicolourVariant();
  const bool splitting = multicolour && (variant == 0 || variant == 1);
  const bool stepping = multicolour && (variant == 2 || variant == 3);
  auto sideOr = [&](Colour side) { return sideColours ? side : currentColour_; };

  // 1. Start.
  k_ = 0;
  carry_ = 0;
  if (multicolour) {
    colourCounter_ = 0;
    nextColour();
  }
  put(0, P(0), currentColour_);
  startCarry(p);

  // 2. Upper side.
  if (params_->chekoutlu == 1) {
    if (splitting) {
      for (int32_t i = 0; i <= c - 2 && !lineCut_; ++i) split(P(i), P(i + 1));
    } else if (stepping) {
      for (int32_t i = 0; i <= c - 2; ++i) {
        k_ = i;
        put(k_, P(i), currentColour_);
        nextColour();
      }
      k_ += 1;
      put(k_, P(c - 1), currentColour_);
      nextColour();
    } else {
      for (int32_t i = 0; i <= c - 2; ++i) {
        k_ = i;
        put(k_, P(i), sideOr(params_->obvcolup));
      }
      k_ += 1;
      put(k_, P(c - 1), sideOr(params_->obvcolright));
    }
  } else {
    setColour(0, kPenUp);
    put(1, P(c - 1), sideOr(params_->obvcolright));
    k_ = 1;
  }

  // 3. Right side.
  if (params_->chekoutlr == 1) {
    if (sideColours) {
      k_ += 1;
      put(k_, P(c), params_->obvcoldown);
    } else if (!multicolour) {
      k_ += 1;
      put(k_, P(c), currentColour_);
    } else if (splitting) {
      split(P(c - 1), P(c));
    } else {
      k_ += 1;
      put(k_, P(c), currentColour_);
      if (variant == 2) nextColour();
    }
  } else {
    setColour(k_, kPenUp);
    k_ += 1;
    put(k_, P(c), currentColour_);
  }
  if (params_->linecolorfunc != 3) colourCounter_ = 0;
  carry_ = 0;

  // 4. Lower side.
  if (params_->chekoutld == 1) {
    if (splitting) {
      for (int32_t i = c; i <= 2 * c - 2 && !lineCut_; ++i) split(P(i), P(i + 1));
    } else if (stepping) {
      for (int32_t i = c; i <= 2 * c - 2; ++i) {
        put(k_, P(i), currentColour_);
        k_ += 1;
        nextColour();
      }
      put(k_, P(2 * c - 1), currentColour_);
      nextColour();
    } else {
      for (int32_t i = c; i <= 2 * c - 2; ++i) {
        put(k_, P(i), sideOr(params_->obvcoldown));
        k_ += 1;
      }
      put(k_, P(2 * c - 1), sideOr(params_->obvcolleft));
    }
  } else {
    setColour(k_, kPenUp);
    k_ += 1;
    put(k_, P(2 * c - 1), sideOr(params_->obvcolleft));
  }

  // 5. Left side.
  if (params_->chekoutll == 1) {
    if (splitting) {
      split(P(2 * c - 1), P(2 * c));
    } else {
      k_ += 1;
      put(k_, P(2 * c), currentColour_);
    }
  } else {
    setColour(k_, kPenUp);
    k_ += 1;
    put(k_, P(2 * c), currentColour_);
  }

  // 6.
  finishLine(k_);
}

// A free-form outline: its points in order, coloured per outline or per point.
void LineBuilder::fromFreeformOutline(const Route& route, const GenParams& params,
                                      const colorcl& colours, int32_t lineIndex) {
  params_ = &params;
  colours_ = &colours;
  lineCut_ = false;
  const int32_t nc = std::max(colours_->numberofcolors(), 1);
  const int32_t m = static_cast<int32_t>(route.size()) - 1;
  if (m < 0) {
    lastPoint_ = -1;
    return;
  }
  const int32_t last = std::min(m, kLineCapacity - 1);
  for (int32_t j = 0; j <= last; ++j) {
    const int32_t entry = params_->chlinecol == 1 ? j : lineIndex - 1;
    put(j, route[static_cast<size_t>(j)], colours_->coli(entry % nc));
  }
  lineCut_ = m > last;
  finishLine(last);
}

void LineBuilder::split(const RoutePoint& p, const RoutePoint& q) {
  if (multicolourVariant() == 1) {
    splitB(p, q);
  } else {
    splitA(p, q);
  }
}

// Split A: pieces of one colour run on across segment ends; the carry is the
// length the current piece has already covered.
void LineBuilder::splitA(const RoutePoint& p, const RoutePoint& q) {
  const int32_t L = pieceLength();
  const float D = distance(p, q);
  if (D < 1.0f) {
    put(++k_, q, currentColour_);
    return;
  }
  const float ux = static_cast<float>(q.x - p.x) / D;
  const float uy = static_cast<float>(q.y - p.y) / D;
  float sx = static_cast<float>(p.x);
  float sy = static_cast<float>(p.y);
  float A = D;
  float& T = carry_;

  if (D >= static_cast<float>(L)) {
    if (T > 0) {
      nextColour();
      const float r = static_cast<float>(L) - T;
      sx = static_cast<float>(p.x) + r * ux;
      sy = static_cast<float>(p.y) + r * uy;
      put(++k_, roundHalfEven(sx), roundHalfEven(sy), currentColour_);
      A = D - r;
    }
    if (A >= 1.0f) {
      const int32_t roundedA = roundHalfEven(A);
      const int32_t m = roundedA / L;
      const int32_t bx = roundHalfEven(double(L) * (double(q.x) - sx)) / roundedA;
      const int32_t by = roundHalfEven(double(L) * (double(q.y) - sy)) / roundedA;
      for (int32_t j = 1; j <= m && !lineCut_; ++j) {
        nextColour();
        put(++k_, roundHalfEven(sx + double(j) * bx), roundHalfEven(sy + double(j) * by),
            currentColour_);
      }
      T = A - static_cast<float>(m) * static_cast<float>(L);
      if (T <= 0) return;
    }
    put(++k_, q, currentColour_);
    return;
  }
  if (T != 0 && D + T <= static_cast<float>(L)) {
    put(++k_, q, currentColour_);
    T = T + D;
    return;
  }
  if (T != 0) {
    const float r = static_cast<float>(L) - T;
    put(++k_, roundHalfEven(p.x + r * ux), roundHalfEven(p.y + r * uy), currentColour_);
    nextColour();
    T = D - r;
    put(++k_, q, currentColour_);
    return;
  }
  nextColour();
  T = D;
  put(++k_, q, currentColour_);
}

// Split B: every segment starts its pieces afresh.
void LineBuilder::splitB(const RoutePoint& p, const RoutePoint& q) {
  const int32_t L = pieceLength();
  const float D = distance(p, q);
  if (D >= 1.0f && D >= static_cast<float>(L)) {
    const int32_t roundedD = roundHalfEven(D);
    const int32_t m = roundedD / L;
    const int32_t bx = roundHalfEven(double(L) * (q.x - p.x)) / roundedD;
    const int32_t by = roundHalfEven(double(L) * (q.y - p.y)) / roundedD;
    for (int32_t j = 1; j <= m && !lineCut_; ++j) {
      nextColour();
      put(++k_, roundHalfEven(p.x + double(j) * bx), roundHalfEven(p.y + double(j) * by),
          currentColour_);
    }
    if (D - static_cast<float>(m) * static_cast<float>(L) <= 0) return;
  }
  if (D >= 1.0f && D < static_cast<float>(L)) nextColour();
  put(++k_, q, currentColour_);
}

// Turns the line about the pattern area's centre; y points down, so a
// positive alpha - 180 turns clockwise on screen.
void LineBuilder::rotate(const GenParams& params) {
  params_ = &params;
  const int32_t cx = roundHalfEven(params_->logicalX / 2.0 + params_->offsetlogicalX);
  const int32_t cy = roundHalfEven(params_->logicalY / 2.0 + params_->offsetlogicalY);
  const float pi = static_cast<float>(kPi);
  const float turn = static_cast<float>((params_->alpha - 180) * kPi / 180.0);
  for (int32_t idx = 0; idx <= lastPoint_; ++idx) {
    LinePoint& pt = line_[static_cast<size_t>(idx)];
    const double dx = double(pt.x) - cx;
    const double dy = double(pt.y) - cy;
    const double r = std::sqrt(dx * dx + dy * dy);
    float theta;
    if (dx == 0) {
      theta = dy > 0 ? pi / 2 : 3 * pi / 2;
    } else if (dy == 0) {
      theta = dx > 0 ? 0.0f : pi;
    } else {
      theta = static_cast<float>(std::atan(dy / dx));
      if (dx < 0) {
        theta += pi;
      } else if (dy < 0) {
        theta += 2 * pi;
      }
    }
    const float phi = turn + theta;
    pt.x = roundHalfEven(cx + r * std::cos(phi));
    pt.y = roundHalfEven(cy + r * std::sin(phi));
  }
}

}  // namespace zefrin
