#include "generator/line_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace zefrin {
namespace {

Route routeOf(std::initializer_list<std::pair<int32_t, int32_t>> points, int32_t colour = -1,
              int32_t width = 0) {
  Route r;
  for (auto [x, y] : points) r.push_back(RoutePoint{x, y, 0, 0});
  r.front().colour = colour;
  r.front().width = width;
  return r;
}

GenParams multicolour(int32_t variant, int32_t pieceLength) {
  GenParams p = clampGenParams(paramsFromGenset(GenSet{}));
  p.chlinecol = 1;
  p.linecolorfunc = variant;
  p.linelength = pieceLength;
  return p;
}

std::vector<LinePoint> pointsOf(const LineBuilder& b) {
  return std::vector<LinePoint>(b.line().begin(), b.line().end());
}

class LineBuilderTest : public ::testing::Test {
 protected:
  Colour c(int32_t entry) const { return colours.coli(entry % colours.numberofcolors()); }
  colorcl colours;
  LineBuilder builder;
};

TEST_F(LineBuilderTest, ContinuousPiecesCarryTheirLengthAcrossSegments) {
  // 120 px in pieces of 50: new colours at 50 and 100, 20 px carried on into
  // the next segment, which the following 30 px complete exactly.
  builder.fromRoute(routeOf({{0, 0}, {120, 0}, {150, 0}, {160, 0}}), multicolour(0, 50), colours);
  const std::vector<LinePoint> expected = {
      {0, 0, c(0)}, {50, 0, c(1)}, {100, 0, c(2)}, {120, 0, c(2)},
      {150, 0, c(2)}, {150, 0, c(2)}, {160, 0, c(3)}};
  EXPECT_EQ(pointsOf(builder), expected);
}

TEST_F(LineBuilderTest, RestartingPiecesBeginAfreshAtEachSegment) {
  builder.fromRoute(routeOf({{0, 0}, {120, 0}, {150, 0}, {160, 0}}), multicolour(1, 50), colours);
  const std::vector<LinePoint> expected = {{0, 0, c(0)},   {50, 0, c(1)},  {100, 0, c(2)},
                                           {120, 0, c(2)}, {150, 0, c(3)}, {160, 0, c(4)}};
  EXPECT_EQ(pointsOf(builder), expected);
}

TEST_F(LineBuilderTest, ColourPerSegmentVariants) {
  for (int32_t variant : {2, 3}) {
    builder.fromRoute(routeOf({{0, 0}, {10, 5}, {20, 0}}), multicolour(variant, 50), colours);
    const std::vector<LinePoint> expected = {{0, 0, c(0)}, {10, 5, c(1)}, {20, 0, c(2)}};
    EXPECT_EQ(pointsOf(builder), expected) << "variant " << variant;
  }
}

TEST_F(LineBuilderTest, SingleColourLines) {
  GenParams p = clampGenParams(paramsFromGenset(GenSet{}));
  // A connection with its own colour is drawn in it throughout.
  builder.fromRoute(routeOf({{0, 0}, {10, 0}, {20, 5}}, 0x123456), p, colours);
  for (const LinePoint& pt : builder.line()) EXPECT_EQ(pt.colour, 0x123456);
  // Colour -1 takes a new colour from the set at every point, starting at entry 1.
  builder.fromRoute(routeOf({{0, 0}, {10, 0}, {20, 5}}, -1), p, colours);
  const std::vector<LinePoint> expected = {{0, 0, c(1)}, {10, 0, c(2)}, {20, 5, c(3)}};
  EXPECT_EQ(pointsOf(builder), expected);
}

TEST_F(LineBuilderTest, WithoutAPieceLengthEverySegmentIsOnePiece) {
  const Route route = routeOf({{0, 0}, {10, 0}, {13, 4}});
  builder.fromRoute(route, multicolour(2, 50), colours);
  const std::vector<LinePoint> perSegment = pointsOf(builder);
  for (int32_t L : {0, -5}) {
    for (int32_t variant : {0, 1}) {
      builder.fromRoute(route, multicolour(variant, L), colours);
      EXPECT_EQ(pointsOf(builder), perSegment) << "L " << L << " variant " << variant;
    }
  }
}

TEST_F(LineBuilderTest, ALineLongerThanTheBufferStopsAtTheLimit) {
  builder.fromRoute(routeOf({{0, 0}, {50000, 0}}), multicolour(0, 1), colours);
  EXPECT_TRUE(builder.wasCut());
  EXPECT_EQ(builder.lastPoint(), LineBuilder::kLineCapacity - 1);
  EXPECT_EQ(builder.line().back().x, LineBuilder::kLineCapacity - 1);
  // The next line starts clean.
  builder.fromRoute(routeOf({{0, 0}, {100, 0}}), multicolour(0, 50), colours);
  EXPECT_FALSE(builder.wasCut());
  EXPECT_EQ(builder.lastPoint(), 2);
}

// An outline of contup 3: upper side P0..P2, lower side P3..P5, P6 = P0.
Route squareOutline() {
  return routeOf({{0, 0}, {5, 0}, {10, 0}, {10, 8}, {5, 8}, {0, 8}, {0, 0}});
}

GenParams outlineParams() {
  GenParams p = clampGenParams(paramsFromGenset(GenSet{}));
  p.contup = 3;
  p.obvgradien = 0;  // side colours
  return p;
}

TEST_F(LineBuilderTest, OutlineSidesTakeTheirSideColours) {
  GenParams p = outlineParams();
  builder.fromOutline(squareOutline(), p, colours, 0x777777);
  const std::vector<Colour> segmentColours = {p.obvcolup,   p.obvcolup,   p.obvcolright,
                                              p.obvcoldown, p.obvcoldown, p.obvcolleft};
  ASSERT_EQ(builder.lastPoint(), 6);
  for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(builder.pointAt(i).colour, segmentColours[i]) << i;
  EXPECT_EQ(builder.line().back(), (LinePoint{0, 0, builder.line().back().colour}));
}

TEST_F(LineBuilderTest, AnUncheckedSideIsSkippedWithThePenUp) {
  GenParams p = outlineParams();
  p.chekoutlu = 0;
  builder.fromOutline(squareOutline(), p, colours, 0x777777);
  ASSERT_EQ(builder.lastPoint(), 5);
  EXPECT_EQ(builder.pointAt(0), (LinePoint{0, 0, kPenUp}));
  EXPECT_EQ(builder.pointAt(1), (LinePoint{10, 0, p.obvcolright}));

  p = outlineParams();
  p.chekoutlr = 0;
  p.chekoutll = 0;
  builder.fromOutline(squareOutline(), p, colours, 0x777777);
  EXPECT_EQ(builder.pointAt(2).colour, kPenUp);  // right side: upper right corner, pen up
  EXPECT_EQ(builder.pointAt(builder.lastPoint() - 1).colour, kPenUp);  // left side
}

TEST_F(LineBuilderTest, OutlineInOneColourOrMulticolour) {
  GenParams p = outlineParams();
  p.obvgradien = 1;
  builder.fromOutline(squareOutline(), p, colours, 0x777777);
  for (int32_t i = 0; i < builder.lastPoint(); ++i) EXPECT_EQ(builder.pointAt(i).colour, 0x777777);

  // Colour per segment: each outline starts at entry 0. The counter restarts
  // after the right side, whose own next colour (entry 4) still goes to the
  // first lower segment.
  p.chlinecol = 1;
  p.linecolorfunc = 2;
  builder.fromOutline(squareOutline(), p, colours, 0x777777);
  ASSERT_EQ(builder.lastPoint(), 6);
  const std::vector<Colour> expected = {c(0), c(1), c(2), c(4), c(0), c(1)};
  for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(builder.pointAt(i).colour, expected[i]) << i;
}

TEST_F(LineBuilderTest, RotationTurnsClockwiseOnScreenAboutTheAreaCentre) {
  GenParams p = multicolour(2, 50);
  p.logicalX = 100;
  p.logicalY = 100;
  p.offsetlogicalX = 10;
  p.offsetlogicalY = 20;
  builder.fromRoute(routeOf({{70, 70}, {60, 80}, {60, 60}, {30, 70}}), p, colours);
  p.alpha = 270;
  builder.rotate(p);
  // Centre (60, 70): right of it goes below it, below goes left, and so on.
  const std::vector<std::pair<int32_t, int32_t>> expected = {{60, 80}, {50, 70}, {70, 70}, {60, 40}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(builder.pointAt(static_cast<int32_t>(i)).x, expected[i].first) << i;
    EXPECT_EQ(builder.pointAt(static_cast<int32_t>(i)).y, expected[i].second) << i;
  }
  p.alpha = 180;
  builder.rotate(p);
  EXPECT_EQ(builder.pointAt(3).x, 60);
  EXPECT_EQ(builder.pointAt(3).y, 40);
}

}  // namespace
}  // namespace zefrin
