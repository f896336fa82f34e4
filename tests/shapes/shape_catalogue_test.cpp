#include "shapes/shape_catalogue.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "shapes/shape_primitives.h"

namespace zefrin {
namespace {

// The upper and lower profile of one component over columns 0..N, evaluated
// in column order on one working state, upper before lower.
struct Profiles {
  std::vector<float> upper, lower;
};

Profiles evaluate(int32_t variant, int32_t contup, int32_t contleft, int32_t p1, int32_t p2,
                  int32_t p3) {
  ShapeState state = makeShapeState(contup, contleft, p1, p2, p3);
  Profiles out;
  for (int32_t i = 0; i <= state.N; ++i) {
    out.upper.push_back(shapeUpper(variant, state, i));
    out.lower.push_back(shapeLower(variant, state, i));
  }
  return out;
}

// N = 40, W = 13 throughout unless a test says otherwise.
constexpr int32_t kContup = 41;
constexpr int32_t kContleft = 12;

TEST(ShapeCatalogue, RectangleWithNoInsetIsTheWholeFrame) {
  const Profiles p = evaluate(0, kContup, kContleft, 0, 0, 0);
  for (size_t i = 0; i < p.upper.size(); ++i) {
    EXPECT_EQ(p.upper[i], 0.0f);
    EXPECT_EQ(p.lower[i], 0.0f);
  }
}

TEST(ShapeCatalogue, RectangleChamfersUpperLeftAndLowerRight) {
  const Profiles p = evaluate(0, kContup, kContleft, 20, 40, 25);  // chamfer over 10 columns
  EXPECT_FLOAT_EQ(p.upper[0], 13 * 0.45f);
  EXPECT_FLOAT_EQ(p.upper[10], 13 * 0.2f);
  EXPECT_FLOAT_EQ(p.upper[40], 13 * 0.2f);
  EXPECT_FLOAT_EQ(p.lower[40], 13 * 0.65f);
  EXPECT_FLOAT_EQ(p.lower[0], 13 * 0.4f);
}

TEST(ShapeCatalogue, RhombusStraightSides) {
  const Profiles p = evaluate(1, kContup, kContleft, 50, 50, 50);
  EXPECT_FLOAT_EQ(p.upper[0], 6.5f);
  EXPECT_FLOAT_EQ(p.upper[10], 3.25f);
  EXPECT_FLOAT_EQ(p.upper[20], 0.0f);
  EXPECT_FLOAT_EQ(p.upper[30], 3.25f);
  EXPECT_FLOAT_EQ(p.lower[10], 3.25f);  // p3 50 is straight for the lower edge too
}

TEST(ShapeCatalogue, OctagonChamfersAllCorners) {
  const Profiles p = evaluate(2, kContup, kContleft, 20, 30, 0);
  EXPECT_FLOAT_EQ(p.upper[0], 13 * 0.3f);
  EXPECT_FLOAT_EQ(p.upper[8], 0.0f);
  EXPECT_FLOAT_EQ(p.upper[20], 0.0f);
  EXPECT_FLOAT_EQ(p.upper[40], 13 * 0.3f);
  EXPECT_EQ(p.lower, p.upper);
}

TEST(ShapeCatalogue, OvalHalves) {
  const Profiles p = evaluate(3, kContup, kContleft, 0, 0, 0);
  EXPECT_NEAR(p.upper[20], 0.0f, 1e-6f);
  EXPECT_NEAR(p.upper[10], 0.8708f, 1e-4f);
  EXPECT_NEAR(p.upper[30], 0.8708f, 1e-4f);
  EXPECT_NEAR(p.upper[0], 6.49994f, 1e-4f);
  EXPECT_NEAR(p.upper[40], 6.49994f, 1e-4f);

  const Profiles flat = evaluate(3, kContup, kContleft, 100, 0, 10);
  for (float u : flat.upper) EXPECT_FLOAT_EQ(u, 2 * 13 * 0.1f);
  EXPECT_NE(flat.lower[0], flat.lower[20]);  // p2 keeps the lower half curved
}

TEST(ShapeCatalogue, ConcaveCornersVanishWhenTheyMeet) {
  const Profiles p = evaluate(7, kContup, kContleft, 100, 30, 0);
  for (size_t i = 0; i < p.upper.size(); ++i) {
    EXPECT_EQ(p.upper[i], 0.0f);
    EXPECT_EQ(p.lower[i], 0.0f);
  }
}

TEST(ShapeCatalogue, ScallopsRaiseANarrowArchWidthForTheWholePass) {
  const Profiles raised = evaluate(10, kContup, kContleft, 60, 0, 0);
  const Profiles ten = evaluate(10, kContup, kContleft, 60, 10, 0);
  EXPECT_EQ(raised.upper, ten.upper);
  EXPECT_EQ(raised.lower, ten.lower);
  EXPECT_GT(ten.upper[2], 0.0f);

  ShapeState state = makeShapeState(kContup, kContleft, 60, 3, 0);
  shapeUpper(10, state, 0);
  EXPECT_EQ(state.p2, 10);
  ShapeState lowerFirst = makeShapeState(kContup, kContleft, 60, 3, 0);
  shapeUpper(35, lowerFirst, 0);
  EXPECT_EQ(lowerFirst.p2, 10);
}

TEST(ShapeCatalogue, WedgeEndMovesPastItsStart) {
  // d = round(0.6 * 40) = 24 is past e = round(0.4 * 40) = 16, so e becomes 25.
  const Profiles p = evaluate(11, kContup, kContleft, 60, 60, 50);
  EXPECT_EQ(p.upper[24], 0.0f);
  EXPECT_FLOAT_EQ(p.upper[25], 6.5f);
  EXPECT_EQ(p.upper[26], 0.0f);
  EXPECT_EQ(p.lower, p.upper);
}

TEST(ShapeCatalogue, LargeArcsWithNoFlatteningHaveFrameAmplitude) {
  const Profiles p = evaluate(20, kContup, kContleft, 0, 0, 0);
  for (int32_t i = 0; i <= 40; ++i) {
    EXPECT_FLOAT_EQ(p.upper[static_cast<size_t>(i)], arcval(80, 13, static_cast<float>(40 - i), 0));
    EXPECT_FLOAT_EQ(p.lower[static_cast<size_t>(i)], arcval(80, 13, static_cast<float>(i), 0));
  }
  EXPECT_FLOAT_EQ(p.upper[0], 13.0f);
}

TEST(ShapeCatalogue, SailAtRightAngleFollowsTheCuspFromColumnOne) {
  const Profiles p = evaluate(36, kContup, kContleft, 90, 0, 0);
  EXPECT_EQ(p.upper[0], 0.0f);
  for (int32_t i = 1; i <= 40; ++i) {
    EXPECT_FLOAT_EQ(p.upper[static_cast<size_t>(i)], arcval(80, 13, static_cast<float>(i), 1));
  }
}

TEST(ShapeCatalogue, FigureEightWithAnEmptyOvalStaysAtHalfDepth) {
  // p1 = 0 with an even N makes the oval span 0; its column sits on the middle line.
  const Profiles p = evaluate(21, kContup, kContleft, 0, 50, 0);
  EXPECT_FLOAT_EQ(p.upper[10], 6.5f);
}

TEST(ShapeCatalogue, UnknownVariantsGiveZero) {
  for (int32_t variant : {42, 100, -1, -42}) {
    const Profiles p = evaluate(variant, kContup, kContleft, 50, 50, 50);
    for (size_t i = 0; i < p.upper.size(); ++i) {
      EXPECT_EQ(p.upper[i], 0.0f) << variant;
      EXPECT_EQ(p.lower[i], 0.0f) << variant;
    }
  }
}

TEST(ShapeCatalogue, FirstFourVariantsCarryTheirLabels) {
  EXPECT_EQ(shapeVariants()[0].label, "Rectangle");
  EXPECT_EQ(shapeVariants()[1].label, "Rhombus");
  EXPECT_EQ(shapeVariants()[2].label, "Octagon");
  EXPECT_EQ(shapeVariants()[3].label, "Oval");
}

// Every variant, at the smallest and ordinary sizes, with ordinary and
// out-of-range parameters: no NaN or infinity anywhere.
TEST(ShapeCatalogue, EveryVariantStaysFinite) {
  struct Params {
    int32_t p1, p2, p3;
  };
  const Params paramSets[] = {{0, 0, 0},   {50, 50, 50},   {100, 100, 100}, {20, 70, 35},
                              {0, 50, 0},  {95, 5, 100},   {-30, 150, -20}, {-20, -50, 200}};
  const int32_t contups[] = {2, 3, 4, 41, 42};
  const int32_t contlefts[] = {0, 12};
  for (int32_t variant = 0; variant < kShapeVariantCount; ++variant) {
    for (const Params& ps : paramSets) {
      for (int32_t contup : contups) {
        for (int32_t contleft : contlefts) {
          const Profiles p = evaluate(variant, contup, contleft, ps.p1, ps.p2, ps.p3);
          for (size_t i = 0; i < p.upper.size(); ++i) {
            ASSERT_TRUE(std::isfinite(p.upper[i]) && std::isfinite(p.lower[i]))
                << "variant " << variant << " params " << ps.p1 << "," << ps.p2 << "," << ps.p3
                << " contup " << contup << " contleft " << contleft << " column " << i;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace zefrin
