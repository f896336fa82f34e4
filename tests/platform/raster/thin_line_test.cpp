#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "platform/raster/ascii_picture.h"
#include "platform/raster/pen_styles.h"
#include "platform/raster/picture.h"

namespace zefrin {
namespace {

using test::asciiArt;
using test::rows;
using test::whitePicture;

std::string drawLine(int32_t width, int32_t height, PointI from, PointI to) {
  Picture picture = whitePicture(width, height);
  picture.moveTo(from.x, from.y);
  picture.lineTo(to.x, to.y);
  EXPECT_EQ(picture.state().penPosition, to);
  return asciiArt(picture);
}

TEST(ThinLine, LeavesOutTheEndPixelInEveryOctant) {
  struct Case {
    PointI from, to;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      // Shallow, both directions: the walk differs because the end is left out.
      {{0, 0}, {5, 2}, {"##....", "..##..", "....#.", "......"}},
      {{5, 2}, {0, 0}, {".#....", "..##..", "....##", "......"}},
      // A half-way step rounds back towards the start: runs of two, not 1-2-1.
      {{0, 3}, {4, 1}, {"......", "......", "..##..", "##...."}},
      // Steep, both directions.
      {{1, 0}, {2, 3}, {".#....", ".#....", "..#...", "......"}},
      {{2, 3}, {1, 0}, {"......", ".#....", "..#...", "..#..."}},
      // Diagonals and axis lines.
      {{0, 3}, {3, 0}, {"......", "..#...", ".#....", "#....."}},
      {{5, 0}, {2, 3}, {".....#", "....#.", "...#..", "......"}},
      {{4, 3}, {0, 3}, {"......", "......", "......", ".####."}},
      {{5, 3}, {5, 0}, {"......", ".....#", ".....#", ".....#"}},
      // Zero length draws nothing.
      {{2, 2}, {2, 2}, {"......", "......", "......", "......"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(drawLine(6, 4, c.from, c.to), rows(c.expected))
        << "(" << c.from.x << "," << c.from.y << ")->(" << c.to.x << "," << c.to.y << ")";
  }
}

TEST(ThinLine, PolylineJoinsWriteEachCornerOnce) {
  Picture picture = whitePicture(5, 4);
  picture.state().rasterMode = raster_mode::kNot;  // a pixel written twice would turn back white
  picture.moveTo(0, 0);
  picture.lineTo(4, 0);
  picture.lineTo(4, 3);
  picture.lineTo(0, 3);
  picture.lineTo(0, 0);
  EXPECT_EQ(asciiArt(picture), rows({
                                   "#####",
                                   "#...#",
                                   "#...#",
                                   "#####",
                               }));
}

// Cutting a line to the picture must not move a single pixel nor the dash
// pattern: a small picture has to show exactly the matching window of the
// same line drawn in a large one.
TEST(ThinLine, ClippedLinesMatchTheUnclippedWalk) {
  constexpr int32_t kOffset = 60;
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> coordinate(-40, 60);
  for (int32_t trial = 0; trial < 400; ++trial) {
    const PointI from{coordinate(random), coordinate(random)};
    const PointI to{coordinate(random), coordinate(random)};
    const int32_t style = trial % 5;
    Picture small = whitePicture(23, 17);
    Picture large = whitePicture(200, 200);
    for (Picture* p : {&small, &large}) {
      p->state().penStyle = style;
      p->state().rasterMode = raster_mode::kNot;
    }
    small.moveTo(from.x, from.y);
    small.lineTo(to.x, to.y);
    large.moveTo(from.x + kOffset, from.y + kOffset);
    large.lineTo(to.x + kOffset, to.y + kOffset);
    for (int32_t y = 0; y < small.height(); ++y) {
      for (int32_t x = 0; x < small.width(); ++x) {
        ASSERT_EQ(small.getPixel(x, y), large.getPixel(x + kOffset, y + kOffset))
            << "style " << style << " (" << from.x << "," << from.y << ")->(" << to.x << "," << to.y
            << ") at " << x << "," << y;
      }
    }
  }
}

TEST(ThinLine, FarEndsAreCutBeforeWalking) {
  // y = x / 2 from about -2e9 to 2e9: only its eight pixels in view are walked.
  EXPECT_EQ(drawLine(8, 4, {-2000000000, -1000000000}, {2000000000, 1000000000}), rows({
                                                                                       "##......",
                                                                                       "..##....",
                                                                                       "....##..",
                                                                                       "......##",
                                                                                   }));
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(drawLine(4, 4, {kMin, kMin}, {kMax, kMax}), rows({"#...", ".#..", "..#.", "...#"}));
  EXPECT_EQ(drawLine(4, 2, {kMax, 1}, {kMin, 1}), rows({"....", "####"}));
  // Entirely outside.
  EXPECT_EQ(drawLine(4, 2, {kMin, -5}, {kMax, -5}), rows({"....", "...."}));
}

std::string dashed(int32_t style, int32_t length) {
  Picture picture = whitePicture(length, 1);
  picture.state().penStyle = style;
  picture.moveTo(0, 0);
  picture.lineTo(length, 0);
  return asciiArt(picture);
}

TEST(ThinLine, PenStylesDrawTheirPatterns) {
  const std::string on18(18, '#'), off6(6, '.'), on9(9, '#'), on3(3, '#'), off3(3, '.');
  EXPECT_EQ(dashed(pen_style::kSolid, 30), std::string(30, '#'));
  EXPECT_EQ(dashed(pen_style::kDash, 50), on18 + off6 + on18 + off6 + "##");
  EXPECT_EQ(dashed(pen_style::kDot, 14), "###...###...##");
  EXPECT_EQ(dashed(pen_style::kDashDot, 30), on9 + off6 + on3 + off6 + "######");
  EXPECT_EQ(dashed(pen_style::kDashDotDot, 30), on9 + off3 + on3 + off3 + on3 + off3 + "######");
  EXPECT_EQ(dashed(pen_style::kNull, 10), std::string(10, '.'));
  EXPECT_EQ(dashed(pen_style::kInsideFrame, 10), std::string(10, '#'));
  EXPECT_EQ(dashed(99, 10), std::string(10, '#'));  // unknown styles draw solid
}

TEST(ThinLine, DashPatternRunsOnAcrossSegmentsAndRestartsAfterMove) {
  Picture picture = whitePicture(14, 6);
  picture.state().penStyle = pen_style::kDot;
  picture.moveTo(0, 0);
  picture.lineTo(4, 0);    // ###. then the pattern goes on down the corner
  picture.lineTo(4, 5);    // ..### on x = 4
  picture.moveTo(6, 5);
  picture.lineTo(14, 5);   // restarts: ###...##
  picture.moveTo(13, 0);
  picture.state().penStyle = pen_style::kSolid;
  picture.lineTo(13, 2);   // a style change keeps drawing; solid here
  EXPECT_EQ(asciiArt(picture), rows({
                                   "###..........#",
                                   ".............#",
                                   "....#.........",
                                   "....#.........",
                                   "....#.........",
                                   "......###...##",
                               }));
}

TEST(ThinLine, NullPenStillMovesThePen) {
  Picture picture = whitePicture(4, 1);
  picture.state().penStyle = pen_style::kNull;
  picture.moveTo(0, 0);
  picture.lineTo(2, 0);
  picture.state().penStyle = pen_style::kSolid;
  picture.lineTo(4, 0);
  EXPECT_EQ(asciiArt(picture), "..##");
}

}  // namespace
}  // namespace zefrin
