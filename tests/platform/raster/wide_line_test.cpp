#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <utility>
#include <vector>

#include "platform/raster/ascii_picture.h"
#include "platform/raster/pen_styles.h"
#include "platform/raster/picture.h"
#include "platform/raster/wide_int.h"
#include "platform/raster/wide_line.h"

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

// The same test in 128 bits, for ends anywhere in the 32-bit range.
bool inFarCapsule(PointI from, PointI to, int32_t width, int64_t px, int64_t py) {
  const int64_t shift = width % 2;
  const Int128 ax = 2 * int64_t{from.x} + shift, ay = 2 * int64_t{from.y} + shift;
  const Int128 dx = 2 * (int64_t{to.x} - from.x), dy = 2 * (int64_t{to.y} - from.y);
  const Int128 vx = 2 * px + 1 - ax, vy = 2 * py + 1 - ay;
  const Int128 r2 = Int128{width} * width;
  const Int128 along = vx * dx + vy * dy, length2 = dx * dx + dy * dy;
  if (along <= 0) return vx * vx + vy * vy <= r2;
  if (along >= length2) return (vx - dx) * (vx - dx) + (vy - dy) * (vy - dy) <= r2;
  const Int128 cross = vx * dy - vy * dx;  // beyond 2^62 is beyond any radius * length
  if (cross >= (Int128{1} << 62) || cross <= -(Int128{1} << 62)) return false;
  return cross * cross <= r2 * length2;
}

// Every row the pen yields holds exactly the capsule's pixels in the area,
// rows come in order, the bounds hold them all, and no capsule row is missed.
void expectExactRows(PointI from, PointI to, int32_t width, const RectI& area) {
  WideLineRows rows(from, to, width, area);
  const RectI bounds = rows.bounds();
  std::vector<std::pair<int32_t, int32_t>> spans(static_cast<size_t>(area.bottom - area.top), {0, 0});
  int32_t y = 0, left = 0, right = 0, previous = area.top - 1;
  while (rows.next(y, left, right)) {
    ASSERT_GT(y, previous);
    ASSERT_LT(left, right);
    ASSERT_TRUE(left >= bounds.left && right <= bounds.right && y >= bounds.top && y < bounds.bottom);
    spans[static_cast<size_t>(y - area.top)] = {left, right};
    previous = y;
  }
  for (int32_t py = area.top; py < area.bottom; ++py) {
    const auto [l, r] = spans[static_cast<size_t>(py - area.top)];
    for (int32_t px = area.left; px < area.right; ++px) {
      ASSERT_EQ(px >= l && px < r, inFarCapsule(from, to, width, px, py))
          << "width " << width << " (" << from.x << "," << from.y << ")->(" << to.x << "," << to.y
          << ") at " << px << "," << py;
    }
  }
}

TEST(WideLine, RowsMatchTheCapsuleForAllSlopesWidthsAndAreas) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int32_t> widths(2, 30);
  std::uniform_int_distribution<int32_t> coordinate(-40, 80);
  std::uniform_int_distribution<int32_t> small(-3, 3);
  std::uniform_int_distribution<int32_t> corner(-20, 50);
  std::uniform_int_distribution<int32_t> extent(1, 50);
  for (int32_t trial = 0; trial < 1500; ++trial) {
    const PointI from{coordinate(random), coordinate(random)};
    PointI to{coordinate(random), coordinate(random)};
    switch (trial % 4) {  // long and random, nearly horizontal, nearly vertical, short
      case 1: to.y = from.y + small(random); break;
      case 2: to.x = from.x + small(random); break;
      case 3: to = {from.x + small(random), from.y + small(random)}; break;
      default: break;
    }
    if (from == to) continue;
    const int32_t left = corner(random), top = corner(random);
    const RectI area{left, top, left + extent(random), top + extent(random)};
    expectExactRows(from, to, widths(random), area);
    if (HasFatalFailure()) return;
  }
}

TEST(WideLine, RowsStayExactForEndsFarAway) {
  // Segments through a small area whose ends lie far out in the 32-bit range.
  std::mt19937 random(7);
  std::uniform_int_distribution<int32_t> far(-2147483647, 2147483647);
  std::uniform_int_distribution<int32_t> near(-30, 30);
  std::uniform_int_distribution<int32_t> widths(2, 40);
  const RectI area{-20, -20, 20, 20};
  for (int32_t trial = 0; trial < 300; ++trial) {
    const PointI from{far(random), far(random)};
    // Aim through a point near the area, then go on to a far end if it fits.
    const int64_t aimX = near(random), aimY = near(random);
    const int64_t toX = 2 * aimX - from.x, toY = 2 * aimY - from.y;
    PointI to{static_cast<int32_t>(std::clamp<int64_t>(toX, INT32_MIN, INT32_MAX)),
              static_cast<int32_t>(std::clamp<int64_t>(toY, INT32_MIN, INT32_MAX))};
    if (trial % 3 == 0) to = {static_cast<int32_t>(aimX), static_cast<int32_t>(aimY)};  // one end near
    if (from == to) continue;
    const int32_t width = trial % 10 == 0 ? (1 << 24) : widths(random);
    expectExactRows(from, to, width, area);
    if (HasFatalFailure()) return;
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
