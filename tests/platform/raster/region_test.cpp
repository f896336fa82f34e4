#include <gtest/gtest.h>

#include <array>

#include "platform/raster/ascii_picture.h"
#include "platform/raster/picture.h"
#include "platform/raster/region.h"

namespace zefrin {
namespace {

std::string filled(const Region& region, int32_t width, int32_t height) {
  Picture picture = test::whitePicture(width, height);
  picture.fillRegion(region, test::kBlack);
  return test::asciiArt(picture);
}

// The bounding box holds every pixel of the region and touches it on all four sides.
void expectTightBox(const Region& region, const RectI& search) {
  RectI tight{search.right, search.bottom, search.left, search.top};
  for (int32_t y = search.top; y < search.bottom; ++y) {
    for (int32_t x = search.left; x < search.right; ++x) {
      if (!region.contains(x, y)) continue;
      tight = RectI{std::min(tight.left, x), std::min(tight.top, y), std::max(tight.right, x + 1),
                    std::max(tight.bottom, y + 1)};
    }
  }
  EXPECT_EQ(region.boundingBox(), tight);
}

TEST(Region, RectangleIsHalfOpen) {
  const Region region = Region::rectangle(RectI{1, 2, 4, 3});
  EXPECT_FALSE(region.empty());
  EXPECT_EQ(region.boundingBox(), (RectI{1, 2, 4, 3}));
  EXPECT_TRUE(region.contains(1, 2));
  EXPECT_TRUE(region.contains(3, 2));
  EXPECT_FALSE(region.contains(4, 2));
  EXPECT_FALSE(region.contains(1, 3));
  EXPECT_FALSE(region.contains(0, 2));
  ASSERT_EQ(region.runsOnRow(2).size(), 1u);
  EXPECT_EQ(region.runsOnRow(2)[0].start, 1);
  EXPECT_EQ(region.runsOnRow(2)[0].end, 4);
  EXPECT_TRUE(region.runsOnRow(1).empty());
  // Any size costs the same: a rectangle keeps one run for all its rows.
  const Region vast = Region::rectangle(RectI{-5, -2147483647 - 1, 5, 2147483647});
  EXPECT_TRUE(vast.contains(4, -2147483647));
  EXPECT_FALSE(vast.contains(5, 0));
  ASSERT_EQ(vast.runsOnRow(2147483646).size(), 1u);
  EXPECT_EQ(vast.runsOnRow(2147483646)[0].end, 5);
  EXPECT_TRUE(Region::rectangle(RectI{3, 3, 3, 9}).empty());
  EXPECT_TRUE(Region::rectangle(RectI{5, 0, 2, 4}).empty());
  EXPECT_TRUE(Region{}.empty());
  EXPECT_FALSE(Region{}.contains(0, 0));
}

TEST(Region, PolygonTakesPixelsWhoseCentreIsInside) {
  // The hypotenuse passes exactly through the centres of the pixels with
  // x + y = 7; a centre on a right-hand edge is outside.
  const std::array<PointI, 3> triangle{PointI{0, 0}, PointI{8, 0}, PointI{0, 8}};
  const Region region = Region::polygon(triangle);
  EXPECT_EQ(filled(region, 9, 9), test::rows({
                                      "#######..",
                                      "######...",
                                      "#####....",
                                      "####.....",
                                      "###......",
                                      "##.......",
                                      "#........",
                                      ".........",
                                      ".........",
                                  }));
  EXPECT_EQ(region.boundingBox(), (RectI{0, 0, 7, 7}));
  // The winding direction does not matter.
  const std::array<PointI, 3> reversed{PointI{0, 8}, PointI{8, 0}, PointI{0, 0}};
  EXPECT_EQ(filled(Region::polygon(reversed), 9, 9), filled(region, 9, 9));
}

TEST(Region, ConcavePolygonHasSeveralRunsPerRow) {
  // A U shape: two arms joined at the bottom.
  const std::array<PointI, 8> shape{PointI{0, 0}, PointI{2, 0}, PointI{2, 3}, PointI{5, 3},
                                    PointI{5, 0}, PointI{7, 0}, PointI{7, 5}, PointI{0, 5}};
  const Region region = Region::polygon(shape);
  EXPECT_EQ(filled(region, 8, 6), test::rows({
                                      "##...##.",
                                      "##...##.",
                                      "##...##.",
                                      "#######.",
                                      "#######.",
                                      "........",
                                  }));
  const auto runs = region.runsOnRow(1);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].start, 0);
  EXPECT_EQ(runs[0].end, 2);
  EXPECT_EQ(runs[1].start, 5);
  EXPECT_EQ(runs[1].end, 7);
}

TEST(Region, PentagramFillsItsCentreByWinding) {
  const std::array<PointI, 5> star{PointI{50, 10}, PointI{74, 82}, PointI{12, 38}, PointI{88, 38},
                                   PointI{26, 82}};
  const Region region = Region::polygon(star);
  EXPECT_TRUE(region.contains(50, 50));  // wound twice: inside by the winding rule
  EXPECT_TRUE(region.contains(50, 15));  // top tip
  EXPECT_TRUE(region.contains(15, 38));  // left tip
  EXPECT_FALSE(region.contains(50, 85));  // between the two lower tips
  EXPECT_FALSE(region.contains(20, 20));
  expectTightBox(region, RectI{0, 0, 100, 100});
  // The centre row is one unbroken run.
  EXPECT_EQ(region.runsOnRow(50).size(), 1u);
}

TEST(Region, DegeneratePolygonsAreEmpty) {
  const std::array<PointI, 2> two{PointI{0, 0}, PointI{5, 5}};
  const std::array<PointI, 3> flat{PointI{0, 3}, PointI{9, 3}, PointI{4, 3}};
  const std::array<PointI, 3> line{PointI{0, 0}, PointI{4, 4}, PointI{8, 8}};
  EXPECT_TRUE(Region::polygon({}).empty());
  EXPECT_TRUE(Region::polygon(two).empty());
  EXPECT_TRUE(Region::polygon(flat).empty());
  EXPECT_TRUE(Region::polygon(line).empty());
  EXPECT_EQ(Region::polygon(line).boundingBox(), RectI{});
}

TEST(Region, FarPolygonsKeepExactEdges) {
  // The long edge runs from (-2e9, 0) to (2e9, 8): x = 5e8 * y - 2e9, so it
  // crosses row 3 (y = 3.5) at -250,000,000 and row 4 at 250,000,000.
  const std::array<PointI, 3> sliver{PointI{-2000000000, 0}, PointI{2000000000, 8},
                                     PointI{-2000000000, 8}};
  const Region region = Region::polygon(sliver);
  EXPECT_TRUE(region.contains(-250000001, 3));
  EXPECT_FALSE(region.contains(-250000000, 3));  // centre right of the edge
  EXPECT_TRUE(region.contains(249999999, 4));
  EXPECT_FALSE(region.contains(250000000, 4));   // centre exactly on a right-hand edge
  EXPECT_EQ(region.boundingBox(), (RectI{-2000000000, 0, 1750000000, 8}));
}

TEST(Region, HugePolygonsKeepOnlyRowsNearThePicture) {
  const std::array<PointI, 4> huge{PointI{-5, -2000000000}, PointI{5, -2000000000},
                                   PointI{5, 2000000000}, PointI{-5, 2000000000}};
  const Region region = Region::polygon(huge);
  EXPECT_TRUE(region.contains(0, 0));
  EXPECT_TRUE(region.contains(-5, 1000000));
  EXPECT_EQ(region.boundingBox(), (RectI{-5, -(1 << 20), 5, 1 << 20}));
}

}  // namespace
}  // namespace zefrin
