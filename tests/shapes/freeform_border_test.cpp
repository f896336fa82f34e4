#include "shapes/freeform_border.h"

#include <climits>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace zefrin {
namespace {

using Points = std::vector<std::pair<int32_t, int32_t>>;

// The outline text of a point list: 4-digit x then 4-digit y per point.
std::string outlineText(const Points& points) {
  std::string text;
  for (const auto& [x, y] : points) {
    char record[16];
    std::snprintf(record, sizeof record, "%04d%04d", x, y);
    text += record;
  }
  return text;
}

const Points kSquare = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};

TEST(FreeformBorderParse, ReadsRecordsAndTheirMaxima) {
  FreeformBorder border;
  EXPECT_EQ(border.maxX(), -1);
  border.parse(outlineText({{0, 0}, {120, 5}, {7, 300}}));
  EXPECT_EQ(border.points(), (Points{{0, 0}, {120, 5}, {7, 300}}));
  EXPECT_EQ(border.maxX(), 120);
  EXPECT_EQ(border.maxY(), 300);
}

TEST(FreeformBorderParse, ShortLastRecordAndSignedFields) {
  FreeformBorder border;
  border.parse("00120034-010-020005");
  EXPECT_EQ(border.points(), (Points{{12, 34}, {-10, -20}, {5, 0}}));
  EXPECT_EQ(border.maxX(), 12);

  border.parse("");  // a fresh parse forgets the old border
  EXPECT_TRUE(border.points().empty());
  EXPECT_EQ(border.maxX(), -1);
  EXPECT_EQ(border.maxY(), -1);
}

TEST(FreeformBorderParse, StopsAtTheRecordCap) {
  std::string text;
  for (int32_t i = 0; i < FreeformBorder::kMaxRecords + 5; ++i) text += "00010002";
  FreeformBorder border;
  border.parse(text);
  EXPECT_EQ(border.points().size(), size_t{FreeformBorder::kMaxRecords});
}

TEST(FreeformBorderPlace, SquareFillsTheRectangle) {
  FreeformBorder border;
  border.parse(outlineText(kSquare));
  ContourRails rails;
  border.place(200, 100, 5, 7, 41, rails);
  ASSERT_EQ(rails.size(), 42u);
  EXPECT_EQ(rails[0], RailColumn{});
  EXPECT_EQ(rails[1].xu, 5);
  EXPECT_EQ(rails[41].xu, 5 + 199);
  for (size_t k = 1; k <= 41; ++k) {
    EXPECT_EQ(rails[k].xd, rails[k].xu) << k;
    EXPECT_EQ(rails[k].yu, 7) << k;
    EXPECT_EQ(rails[k].yd, 107) << k;
  }
  EXPECT_EQ(border.points().size(), 5u);  // closed by a copy of the first point
  border.place(200, 100, 5, 7, 41, rails);
  EXPECT_EQ(border.points().size(), 5u);  // and only once
}

TEST(FreeformBorderPlace, ColumnsNoPointReachesAreFarAbove) {
  FreeformBorder border;
  border.parse(outlineText({{50, 0}, {100, 0}, {100, 100}, {50, 100}}));  // right half only
  ContourRails rails;
  border.place(200, 100, 0, 30, 41, rails);
  EXPECT_EQ(rails[1], (RailColumn{0, 30 - 10000, 0, 30 - 10000}));
  EXPECT_EQ(rails[20].yu, 30 - 10000);  // column 95
  EXPECT_EQ(rails[22].yu, 30);          // column 104
  EXPECT_EQ(rails[22].yd, 130);
}

TEST(FreeformBorderPlace, TracedPointsLeftOfTheRectangleAreIgnored) {
  FreeformBorder border;
  border.parse(outlineText({{-50, 0}, {100, 0}, {100, 100}, {-50, 100}}));
  ContourRails rails;
  border.place(200, 100, 0, 0, 41, rails);  // x runs from -100 to 200
  for (size_t k = 1; k <= 41; ++k) {
    EXPECT_EQ(rails[k].yu, 0) << k;
    EXPECT_EQ(rails[k].yd, 100) << k;
  }
}

TEST(FreeformBorderPlace, SlopedEdgeInterpolatesItsRows) {
  FreeformBorder border;
  border.parse(outlineText({{0, 0}, {100, 100}, {0, 100}}));  // a triangle under the diagonal
  ContourRails rails;
  border.place(100, 100, 0, 0, 11, rails);  // columns 0, 10, ..., 99
  EXPECT_EQ(rails[2].xu, 10);
  EXPECT_EQ(rails[2].yu, 10);
  EXPECT_EQ(rails[2].yd, 100);
  EXPECT_EQ(rails[11].xu, 99);
  EXPECT_EQ(rails[11].yu, 99);
}

TEST(FreeformBorderPlace, DegenerateBordersAndRectanglesStayInRange) {
  ContourRails rails;
  FreeformBorder border;

  border.parse("0000000000000050");  // every x is 0: maxX 0 keeps the scale 1
  border.place(200, 100, 0, 0, 41, rails);
  ASSERT_EQ(rails.size(), 42u);
  EXPECT_EQ(rails[1].yu, -10000);

  border.parse("");
  border.place(200, 100, 0, 0, 41, rails);
  ASSERT_EQ(rails.size(), 42u);
  EXPECT_EQ(rails[41].yd, -10000);

  border.parse("00500050");  // a single point
  border.place(200, 100, 0, 0, 41, rails);
  EXPECT_EQ(rails.size(), 42u);

  border.parse(outlineText(kSquare));
  border.place(0, 100, 3, 0, 41, rails);  // no width: every rail on column 0
  for (size_t k = 1; k <= 41; ++k) EXPECT_EQ(rails[k].xu, 3) << k;
  EXPECT_EQ(rails[41].yd, 100);

  border.place(200, 100, 0, 0, 1, rails);  // one rail: no spreading over n - 1
  ASSERT_EQ(rails.size(), 2u);
  EXPECT_EQ(rails[1], (RailColumn{0, 0, 0, 100}));
}

TEST(FreeformBorderPlace, HugeRectangleTracksOnlyTheRailColumns) {
  FreeformBorder border;
  border.parse(outlineText(kSquare));
  ContourRails rails;
  border.place(INT_MAX, 100, 0, 0, 41, rails);
  EXPECT_EQ(rails[41].xu, INT_MAX - 1);
  for (size_t k = 1; k <= 41; ++k) {
    EXPECT_EQ(rails[k].yu, 0) << k;
    EXPECT_EQ(rails[k].yd, 100) << k;
  }
}

TEST(FreeformBorderScaleOutline, ScalesEveryPointIntoTheRectangle) {
  FreeformBorder border;
  border.parse(outlineText(kSquare));
  Route outline(3, RoutePoint{1, 1, 1, 1});
  border.scaleOutline(200, 50, 10, 20, outline);
  const Route expected = {{10, 20, 0, 0}, {210, 20, 0, 0}, {210, 70, 0, 0}, {10, 70, 0, 0}};
  EXPECT_EQ(outline, expected);

  border.parse("0000000001000000");  // maxY 0: neither axis is stretched
  border.scaleOutline(200, 50, 10, 20, outline);
  EXPECT_EQ(outline, (Route{{10, 20, 0, 0}, {110, 20, 0, 0}}));

  border.parse("");
  border.scaleOutline(200, 50, 10, 20, outline);
  EXPECT_TRUE(outline.empty());
}

}  // namespace
}  // namespace zefrin
