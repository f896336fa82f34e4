#include <gtest/gtest.h>

#include <random>

#include "platform/raster/ascii_picture.h"
#include "platform/raster/pen_styles.h"
#include "platform/raster/picture.h"

namespace zefrin {
namespace {

using test::asciiArt;
using test::rows;
using test::whitePicture;

std::string wideLine(int32_t width, int32_t height, int32_t penWidth, PointI from, PointI to,
                     int32_t style = pen_style::kSolid) {
  Picture picture = whitePicture(width, height);
  picture.state().penWidth = penWidth;
  picture.state().penStyle = style;
  picture.moveTo(from.x, from.y);
  picture.lineTo(to.x, to.y);
  return asciiArt(picture);
}

TEST(WideLine, RoundEndsAndExactWidths) {
  // Width 5: radius 2.5 around the centres of (3,3) and (8,3).
  EXPECT_EQ(wideLine(12, 7, 5, {3, 3}, {8, 3}), rows({
                                                    "............",
                                                    "..########..",
                                                    ".##########.",
                                                    ".##########.",
                                                    ".##########.",
                                                    "..########..",
                                                    "............",
                                                }));
  // Width 2 has no centre pixel: its spine joins the corners, two rows tall.
  EXPECT_EQ(wideLine(9, 5, 2, {2, 2}, {6, 2}), rows({
                                                  ".........",
                                                  ".######..",
                                                  ".######..",
                                                  ".........",
                                                  ".........",
                                              }));
  // Dashed styles draw solid when wide; a zero-length segment draws nothing.
  EXPECT_EQ(wideLine(12, 7, 5, {3, 3}, {8, 3}, pen_style::kDash), wideLine(12, 7, 5, {3, 3}, {8, 3}));
  EXPECT_EQ(wideLine(6, 6, 4, {3, 3}, {3, 3}), asciiArt(whitePicture(6, 6)));
}

// Whether the centre of pixel (px, py) is within width / 2 of the pen's
// spine, by projecting onto the segment in exact integer arithmetic.
bool inCapsule(PointI from, PointI to, int32_t width, int32_t px, int32_t py) {
  const int64_t shift = width % 2;  // odd pens run through pixel centres
  const int64_t ax = 2 * from.x + shift, ay = 2 * from.y + shift;
  const int64_t dx = 2 * (to.x - from.x), dy = 2 * (to.y - from.y);
  const int64_t vx = 2 * px + 1 - ax, vy = 2 * py + 1 - ay;
  const int64_t length2 = dx * dx + dy * dy;
  const int64_t t = std::clamp<int64_t>(vx * dx + vy * dy, 0, length2);
  // (v - d * t / length2) * length2, squared, against (width * length2)^2
  const int64_t ex = vx * length2 - dx * t, ey = vy * length2 - dy * t;
  const int64_t r = int64_t{width} * length2;
  return ex * ex + ey * ey <= r * r;
}

TEST(WideLine, CoversExactlyTheCapsuleOnceWhereverItLies) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int32_t> coordinate(-8, 32);
  std::uniform_int_distribution<int32_t> widths(2, 9);
  for (int32_t trial = 0; trial < 300; ++trial) {
    const PointI from{coordinate(random), coordinate(random)};
    const PointI to{coordinate(random), coordinate(random)};
    if (from == to) continue;
    const int32_t width = widths(random);
    Picture picture = whitePicture(25, 25);
    picture.state().penWidth = width;
    picture.state().rasterMode = raster_mode::kNot;  // a second write would undo the first
    picture.moveTo(from.x, from.y);
    picture.lineTo(to.x, to.y);
    for (int32_t y = 0; y < 25; ++y) {
      for (int32_t x = 0; x < 25; ++x) {
        ASSERT_EQ(picture.getPixel(x, y) == test::kBlack, inCapsule(from, to, width, x, y))
            << "width " << width << " (" << from.x << "," << from.y << ")->(" << to.x << "," << to.y
            << ") at " << x << "," << y;
      }
    }
  }
}

TEST(WideLine, FarEndsDrawTheSamePixelsAsNearOnes) {
  // Both segments lie on y = x / 2 and end well outside the picture.
  EXPECT_EQ(wideLine(12, 8, 3, {-2000000000, -1000000000}, {2000000000, 1000000000}),
            wideLine(12, 8, 3, {-40, -20}, {40, 20}));
  EXPECT_EQ(wideLine(12, 8, 4, {2147483646, 5}, {-2147483647, 5}),
            wideLine(12, 8, 4, {100, 5}, {-100, 5}));
}

TEST(WideLine, ClipRegionLimitsTheStroke) {
  Picture picture = whitePicture(8, 5);
  picture.state().penWidth = 3;
  picture.state().clip = Region::rectangle(RectI{0, 0, 4, 2});
  picture.moveTo(1, 1);
  picture.lineTo(6, 1);
  EXPECT_EQ(asciiArt(picture), rows({
                                   "####....",
                                   "####....",
                                   "........",
                                   "........",
                                   "........",
                               }));
}

}  // namespace
}  // namespace zefrin
