#include "shapes/shape_primitives.h"

#include <cmath>

#include <gtest/gtest.h>

namespace zefrin {
namespace {

TEST(Lineval, InterpolatesAndExtrapolatesInEitherPointOrder) {
  EXPECT_FLOAT_EQ(lineval(0, 0, 10, 5, 4), 2.0f);
  EXPECT_FLOAT_EQ(lineval(10, 5, 0, 0, 4), 2.0f);
  EXPECT_FLOAT_EQ(lineval(0, 0, 10, 5, 20), 10.0f);
  EXPECT_FLOAT_EQ(lineval(10, 5, 0, 0, -10), -5.0f);
}

TEST(Lineval, FlatOrVerticalLineGivesFirstY) {
  EXPECT_FLOAT_EQ(lineval(0, 3, 10, 3, 7), 3.0f);
  EXPECT_FLOAT_EQ(lineval(4, 3, 4, 9, 7), 3.0f);  // equal x: no division
}

TEST(Arcval, DomeAndCuspValues) {
  EXPECT_NEAR(arcval(40, 6.5f, 10, 0), 5.6292f, 1e-4f);
  EXPECT_NEAR(arcval(40, 6.5f, 10, 1), 0.8708f, 1e-4f);
  EXPECT_NEAR(arcval(40, 6.5f, 30, 0), 5.6292f, 1e-4f);  // symmetric about the middle
  EXPECT_FLOAT_EQ(arcval(40, 6.5f, 20, 0), 6.5f);
  EXPECT_FLOAT_EQ(arcval(40, 6.5f, 0, 1), 0.0f);
}

TEST(Arcval, DomeEndKeepsTheStandInSlope) {
  // 6.5 * sin(pi/2 + arctan 100000): small but not 0.
  const float end = arcval(40, 6.5f, 0, 0);
  EXPECT_GT(end, 0.0f);
  EXPECT_NEAR(end, 0.000065f, 3e-6f);
}

TEST(Arcval, DegenerateSpansStayFinite) {
  EXPECT_FLOAT_EQ(arcval(0, 5, 0, 0), 0.0f);
  EXPECT_FLOAT_EQ(arcval(0, 5, 3, 1), 0.0f);
  for (float x : {-50.0f, -1.0f, 0.0f, 5.0f, 100.0f}) {
    EXPECT_TRUE(std::isfinite(arcval(-20, 5, x, 0))) << x;
    EXPECT_TRUE(std::isfinite(arcval(-20, 5, x, 1))) << x;
    EXPECT_TRUE(std::isfinite(arcval(20, 5, x, 1))) << x;
  }
}

}  // namespace
}  // namespace zefrin
