#include "shapes/border_contour.h"

#include <gtest/gtest.h>

#include "platform/numbers.h"
#include "shapes/shape_catalogue.h"

namespace zefrin {
namespace {

// A plain rectangle: 41 columns, depth scale 13, no perspective, distortion
// or turn. Tests change the fields they are about.
GenParams rectangleParams() {
  GenParams g;
  g.contup = 41;
  g.contleft = 12;
  g.prospect = 50;
  g.destort = 50;
  g.orientxy = 1;
  g.povorxy = 1;
  return g;
}

ContourRails railsFor(const GenParams& g, int32_t w, int32_t h, int32_t bx, int32_t by) {
  bordercl border;
  border.borderinst(g);
  ContourRails rails;
  border.borderinstal1(w, h, bx, by, rails);
  return rails;
}

TEST(BorderContour, PlainRectangleRunsAlongTheFrame) {
  const ContourRails rails = railsFor(rectangleParams(), 400, 300, 0, 0);
  ASSERT_EQ(rails.size(), 42u);
  EXPECT_EQ(rails[0], RailColumn{});
  for (int32_t k = 1; k <= 41; ++k) {
    const int32_t x = roundHalfEven(400.0 * (k - 1) / 40);
    EXPECT_EQ(rails[static_cast<size_t>(k)], (RailColumn{x, 0, x, 300})) << k;
  }
}

TEST(BorderContour, UnknownVariantsLeaveThePlainRectangle) {
  GenParams g = rectangleParams();
  g.shapes = 42;
  g.shapes1 = -1;
  g.shpparam1 = g.shpar1 = 50;
  EXPECT_EQ(railsFor(g, 400, 300, 0, 0), railsFor(rectangleParams(), 400, 300, 0, 0));
}

TEST(BorderContour, SumOfComponentsIsCutToTheFrame) {
  GenParams g = rectangleParams();
  g.shapes = g.shapes1 = 0;
  g.shpparam1 = g.shpar1 = 80;  // 0.8 W from each component
  bordercl border;
  border.borderinst(g);
  ASSERT_EQ(border.upperProfile().size(), 41u);
  for (float u : border.upperProfile()) EXPECT_FLOAT_EQ(u, 13.0f);
  for (float d : border.lowerProfile()) EXPECT_FLOAT_EQ(d, 0.0f);
}

TEST(BorderContour, PerspectiveCollapsesOneEndOntoTheMiddleLine) {
  GenParams g = rectangleParams();
  g.shpparam1 = 20;  // U = 2.6
  g.shpparam2 = 40;  // D = 5.2
  bordercl border;

  g.prospect = 100;
  border.borderinst(g);
  EXPECT_FLOAT_EQ(border.upperProfile()[40], 6.5f);
  EXPECT_FLOAT_EQ(border.lowerProfile()[40], 6.5f);
  EXPECT_FLOAT_EQ(border.upperProfile()[0], 2.6f);
  EXPECT_FLOAT_EQ(border.upperProfile()[20], 4.55f);  // halfway: pulled halfway

  g.prospect = 0;
  border.borderinst(g);
  EXPECT_FLOAT_EQ(border.upperProfile()[0], 6.5f);
  EXPECT_FLOAT_EQ(border.lowerProfile()[0], 6.5f);
  EXPECT_FLOAT_EQ(border.lowerProfile()[40], 5.2f);
}

TEST(BorderContour, DistortionShearsTheEdgesHorizontally) {
  GenParams g = rectangleParams();
  struct Case {
    int32_t destort, aStart, bStart;
  };
  for (const Case c : {Case{30, 10, 90}, Case{70, 90, 10}}) {
    g.destort = c.destort;
    const ContourRails rails = railsFor(g, 400, 300, 10, 20);
    EXPECT_EQ(rails[1].xu, c.aStart) << c.destort;
    EXPECT_EQ(rails[1].xd, c.bStart) << c.destort;
    EXPECT_EQ(rails[41].xu, c.aStart + 320) << c.destort;
    EXPECT_EQ(rails[41].xd, c.bStart + 320) << c.destort;
  }
}

TEST(BorderContour, VerticalPlacementShiftsTheSideEdges) {
  GenParams g = rectangleParams();
  g.orientxy = 0;
  g.destort = 30;
  const ContourRails rails = railsFor(g, 400, 300, 10, 20);
  for (int32_t k = 1; k <= 41; ++k) {
    const RailColumn& c = rails[static_cast<size_t>(k)];
    EXPECT_EQ(c.yu, 20 + roundHalfEven(300.0 * (k - 1) / 40)) << k;
    EXPECT_EQ(c.yd, c.yu);
    EXPECT_EQ(c.xu, 10);
    EXPECT_EQ(c.xd, 10 + 80 + 320);
  }
}

TEST(BorderContour, VerticalRowsOfTallRectanglesDoNotOverflow) {
  GenParams g = rectangleParams();
  g.orientxy = 0;
  g.contup = 50001;  // ly * i reaches 5e9
  const ContourRails rails = railsFor(g, 100, 100000, 0, 0);
  EXPECT_EQ(rails[50001].yu, 100000);
  EXPECT_EQ(rails[25001].yu, 50000);
}

TEST(BorderContour, TurnsMirrorAndSwapTheProfiles) {
  GenParams g = rectangleParams();
  g.shapes = 33;      // trapezoid: U rises 0 -> 2.6, D rises 0 -> 5.2
  g.shpparam1 = 20;
  g.shpparam2 = 40;
  struct Case {
    int32_t povorxy;
    RailColumn first, last;
  };
  // ly = 130 over W = 13: one contour unit is 10 pixels.
  const Case cases[] = {
      {1, {0, 0, 0, 130}, {400, 26, 400, 78}},
      {2, {0, 26, 0, 78}, {400, 0, 400, 130}},
      {3, {0, 0, 0, 130}, {400, 52, 400, 104}},
      {4, {0, 52, 0, 104}, {400, 0, 400, 130}},
  };
  for (const Case& c : cases) {
    g.povorxy = c.povorxy;
    const ContourRails rails = railsFor(g, 400, 130, 0, 0);
    EXPECT_EQ(rails[1], c.first) << c.povorxy;
    EXPECT_EQ(rails[41], c.last) << c.povorxy;
  }
}

TEST(BorderContour, ResulWritesEdgeAForwardEdgeBBackAndCloses) {
  GenParams g = rectangleParams();
  g.contup = 2;
  bordercl border;
  border.borderinst(g);
  Route route(1, RoutePoint{7, 7, 7, 7});  // stale content is replaced
  border.resul(400, 300, 0, 0, route);
  const Route expected = {{0, 0, 0, 0}, {400, 0, 0, 0}, {400, 300, 0, 0}, {0, 300, 0, 0}, {0, 0, 0, 0}};
  EXPECT_EQ(route, expected);
}

TEST(BorderContour, ResulReusesTheRouteStorage) {
  bordercl border;
  border.borderinst(rectangleParams());
  Route route;
  route.reserve(500);
  const RoutePoint* storage = route.data();
  border.resul(400, 300, 0, 0, route);
  EXPECT_EQ(route.size(), 83u);
  EXPECT_EQ(route.data(), storage);
  border.resul(200, 100, 5, 5, route);
  EXPECT_EQ(route.data(), storage);
  EXPECT_GE(route.capacity(), 500u);
}

TEST(BorderContour, SmallestContourHasTwoColumns) {
  GenParams g = rectangleParams();
  g.contup = 2;
  g.contleft = 0;
  g.shapes = 3;
  const ContourRails rails = railsFor(g, 10, 10, 0, 0);
  ASSERT_EQ(rails.size(), 3u);
  EXPECT_EQ(rails[1].xu, 0);
  EXPECT_EQ(rails[2].xu, 10);
}

// resul's outline and borderinstal1's rails are the same nodes: edge A in
// column order, edge B reversed, for every variant, orientation and turn.
TEST(BorderContour, OutlineAndRailsAgreeForEveryVariant) {
  GenParams g = rectangleParams();
  g.contup = 17;
  g.shpar1 = 10;
  g.shpar2 = 20;
  g.shpar3 = 30;
  g.destort = 35;
  g.prospect = 70;
  bordercl border;
  for (int32_t variant = 0; variant < kShapeVariantCount; ++variant) {
    g.shapes = variant;
    g.shapes1 = (variant * 7) % kShapeVariantCount;
    g.shpparam1 = 30;
    g.shpparam2 = 60;
    g.shpparam3 = 40;
    for (int32_t orient : {0, 1}) {
      for (int32_t turn = 1; turn <= 4; ++turn) {
        g.orientxy = orient;
        g.povorxy = turn;
        border.borderinst(g);
        ContourRails rails;
        Route route;
        border.borderinstal1(300, 200, 15, 25, rails);
        border.resul(300, 200, 15, 25, route);
        ASSERT_EQ(rails.size(), 18u);
        ASSERT_EQ(route.size(), 35u);
        for (size_t i = 0; i < 17; ++i) {
          const RailColumn& c = rails[i + 1];
          ASSERT_EQ(route[i].x, c.xu) << variant << " " << orient << " " << turn << " " << i;
          ASSERT_EQ(route[i].y, c.yu) << variant << " " << orient << " " << turn << " " << i;
          ASSERT_EQ(route[33 - i].x, c.xd) << variant << " " << orient << " " << turn << " " << i;
          ASSERT_EQ(route[33 - i].y, c.yd) << variant << " " << orient << " " << turn << " " << i;
        }
        ASSERT_EQ(route[34], route[0]);
      }
    }
  }
}

}  // namespace
}  // namespace zefrin
