// The catalogue of shape components: 42 variants, each a pair of profile
// functions giving the depth of the contour's upper and lower edge at a
// column, in contour units. The border contour adds two components.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zefrin {

// The component being evaluated. Profile functions read it and variants 10
// and 35 raise p2 in it, so the raised value holds for the component's
// remaining columns: keep one state per component pass.
struct ShapeState {
  int32_t N = 1;    // index of the last column (columns 0..N), at least 1
  int32_t W = 1;    // depth of the whole frame, at least 1
  double H = 0.5;   // N / 2
  int32_t p1 = 0;   // the component's parameters, percentages
  int32_t p2 = 0;
  int32_t p3 = 0;
};

// A state for a contour of `contup` columns and depth scale `contleft`.
ShapeState makeShapeState(int32_t contup, int32_t contleft, int32_t p1, int32_t p2, int32_t p3);

using ProfileFunction = float (*)(ShapeState& state, int32_t i);

struct ShapeVariant {
  ProfileFunction upper;
  ProfileFunction lower;
  std::string_view label;  // the option's caption; empty for picture-only variants
};

inline constexpr int32_t kShapeVariantCount = 42;

const std::array<ShapeVariant, kShapeVariantCount>& shapeVariants();

// Depth of the upper (lower) edge of `variant` at column i. Variant numbers
// outside 0..41 give 0.
float shapeUpper(int32_t variant, ShapeState& state, int32_t i);
float shapeLower(int32_t variant, ShapeState& state, int32_t i);

}  // namespace zefrin
