#include "generator/line_export.h"

#include <gtest/gtest.h>

#include <vector>

namespace zefrin {
namespace {

// Two lines: the first changes colour once and lifts the pen once; the
// second is one red segment with a pen-up tail.
std::vector<DrawnLine> sampleLines() {
  LineCollector collector;
  const std::vector<LinePoint> first = {
      {0, 0, 0x0000FF}, {10, 0, 0x0000FF}, {10, 10, 0xFF0000}, {20, 10, -1}, {30, 10, 0x00FF00},
      {30, 20, 0x00FF00}};
  const std::vector<LinePoint> second = {{5, 5, 0x0000FF}, {6, 7, -1}};
  collector.lineDrawn(first, 3);
  collector.lineDrawn(second, 1);
  return collector.lines();
}

TEST(LineExport, CollectorCopiesPointsAndWidths) {
  const auto lines = sampleLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].width, 3);
  EXPECT_EQ(lines[0].points.size(), 6u);
  EXPECT_EQ(lines[1].points[1], (LinePoint{6, 7, -1}));
  EXPECT_EQ(drawnSegmentCount(lines), 5);  // 4 of the first line (one pen up), 1 of the second
}

TEST(LineExport, Json) {
  EXPECT_EQ(linesToJson(sampleLines()),
            "{\"lines\": [{\"width\": 3, \"points\": [[0, 0, 255], [10, 0, 255], [10, 10, 16711680], "
            "[20, 10, -1], [30, 10, 65280], [30, 20, 65280]]}, {\"width\": 1, \"points\": "
            "[[5, 5, 255], [6, 7, -1]]}]}\n");
  EXPECT_EQ(linesToJson({}), "{\"lines\": []}\n");
}

TEST(LineExport, Svg) {
  EXPECT_EQ(linesToSvg(sampleLines(), 40, 30, 0x800000),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\" viewBox=\"0 0 40 30\">\n"
            "<rect width=\"40\" height=\"30\" fill=\"#000080\"/>\n"
            "<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
            "<polyline points=\"0,0 10,0 10,10\" stroke=\"#ff0000\" stroke-width=\"3\"/>\n"
            "<polyline points=\"10,10 20,10\" stroke=\"#0000ff\" stroke-width=\"3\"/>\n"
            "<polyline points=\"30,10 30,20\" stroke=\"#00ff00\" stroke-width=\"3\"/>\n"
            "<polyline points=\"5,5 6,7\" stroke=\"#ff0000\" stroke-width=\"1\"/>\n"
            "</g>\n"
            "</svg>\n");
}

TEST(LineExport, SvgOfLinesWithoutSegments) {
  // A single point, and a line that is all pen up, draw nothing.
  const std::vector<DrawnLine> lines = {{2, {{1, 1, 255}}}, {2, {{1, 1, -1}, {2, 2, -1}, {3, 3, 255}}}};
  const std::string svg = linesToSvg(lines, 4, 4, 0);
  EXPECT_EQ(svg.find("<polyline"), std::string::npos);
  EXPECT_EQ(drawnSegmentCount(lines), 0);
}

}  // namespace
}  // namespace zefrin
