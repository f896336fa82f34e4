#include "generator/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "generator/start_generation.h"
#include "support/test_services.h"

namespace zefrin {
namespace {

class GeneratorTest : public ::testing::Test {
 protected:
  GeneratorTest() : generator(services.services()) {
    genset.logicalX = 400;
    genset.logicalY = 300;
    genset.offsetlogicalX = 10;
    genset.offsetlogicalY = 20;
  }

  void start(std::string_view manualText = "", std::string_view border = "") {
    startGeneration(generator, genset, manualText, border);
  }

  std::vector<LinePoint> build(int32_t i) {
    generator.linebuilding(i);
    return {generator.line().begin(), generator.line().end()};
  }

  void useRectangle() {
    genset.shapes = 0;
    genset.shapes1 = 0;
    genset.shpparam1 = genset.shpparam2 = genset.shpparam3 = 0;
  }

  testing::TestServices services;
  igen generator;
  GenSet genset;
};

TEST_F(GeneratorTest, HorizontalRunsFromTheLeftSideToTheRightSide) {
  start();
  ASSERT_EQ(generator.amountoflines(), 12);  // one class-8 connection per side slot
  const ContourRails& rails = generator.contourRails();
  for (int32_t i = 1; i <= 12; ++i) {
    auto line = build(i);
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.front().x, rails[1].xu);
    EXPECT_EQ(line.back().x, rails[41].xu);
    EXPECT_EQ(generator.linelength(), static_cast<int16_t>(line.size() - 1));
  }
  EXPECT_EQ(services.pump.calls, 12);  // events may run once per line built
  EXPECT_EQ(generator.resultX(0), build(12).front().x);
  generator.linebuilding(13);  // beyond the count: nothing changes
  EXPECT_EQ(generator.linelength(), static_cast<int16_t>(build(12).size() - 1));
}

TEST_F(GeneratorTest, LayoutProgressReachesTheListener) {
  start();
  ASSERT_FALSE(services.progress.events.empty());
  EXPECT_EQ(services.progress.events.front().kind, testing::RecordingProgress::Event::Kind::Init);
  EXPECT_EQ(services.progress.events.front().value, 12);
  EXPECT_EQ(services.progress.events.back().kind,
            testing::RecordingProgress::Event::Kind::Complete);
}

TEST_F(GeneratorTest, DecodestrClampsItsCopyOnly) {
  genset.contup = 1;
  genset.povorxy = 0;
  start();
  EXPECT_EQ(generator.genparams().contup, 2);
  EXPECT_EQ(generator.genparams().povorxy, 1);
  EXPECT_EQ(genset.contup, 1);
}

TEST_F(GeneratorTest, OneOutlineFillsThePatternArea) {
  useRectangle();
  genset.Operationmode = operation_mode::kMultiOutline;
  genset.numblines = 1;
  start();
  ASSERT_EQ(generator.amountoflines(), 1);
  auto line = build(1);
  ASSERT_EQ(line.size(), static_cast<size_t>(2 * genset.contup + 1));
  auto [minX, maxX] = std::minmax_element(line.begin(), line.end(),
                                          [](auto& a, auto& b) { return a.x < b.x; });
  auto [minY, maxY] = std::minmax_element(line.begin(), line.end(),
                                          [](auto& a, auto& b) { return a.y < b.y; });
  EXPECT_EQ(minX->x, 10);
  EXPECT_EQ(maxX->x, 410);
  EXPECT_EQ(minY->y, 20);
  EXPECT_EQ(maxY->y, 320);
  EXPECT_EQ(line.front().x, line.back().x);
  EXPECT_EQ(line.front().y, line.back().y);
}

TEST_F(GeneratorTest, OutlinesNestAndTakeTheSetsColoursInTurn) {
  useRectangle();
  genset.Operationmode = operation_mode::kMultiOutline;
  genset.numblines = 12;
  start();
  const colorcl& colours = generator.colorob();
  int32_t previousWidth = 1 << 30;
  for (int32_t i = 1; i <= 12; ++i) {
    auto line = build(i);
    auto [minX, maxX] = std::minmax_element(line.begin(), line.end(),
                                            [](auto& a, auto& b) { return a.x < b.x; });
    EXPECT_LT(maxX->x - minX->x, previousWidth);
    previousWidth = maxX->x - minX->x;
    EXPECT_EQ(line.front().colour, colours.coli((i - 1) % colours.numberofcolors())) << i;
  }
}

TEST_F(GeneratorTest, TooManyOutlinesStopAtTheRunLimit) {
  genset.Operationmode = operation_mode::kMultiOutline;
  genset.numblines = 40000;
  start();
  EXPECT_EQ(generator.amountoflines(), igen::kMaxLines);
  EXPECT_TRUE(generator.runWasCut());
  EXPECT_FALSE(build(igen::kMaxLines).empty());
}

TEST_F(GeneratorTest, RandomDrawsEveryConnectionOnceInShuffledOrder) {
  genset.funcs = 0;
  genset.modeparam1 = 200;
  start();
  const int32_t count = generator.amountoflines();
  ASSERT_EQ(count, 200);
  using Ends = std::tuple<int32_t, int32_t, int32_t, int32_t>;
  std::vector<Ends> drawn, stored;
  Route route;
  for (int32_t i = 1; i <= count; ++i) {
    auto line = build(i);
    drawn.emplace_back(line.front().x, line.front().y, line.back().x, line.back().y);
    generator.lineStore().marsh(i, generator.contourRails(), route);
    stored.emplace_back(route.front().x, route.front().y, route.back().x, route.back().y);
  }
  EXPECT_NE(drawn, stored);
  std::sort(drawn.begin(), drawn.end());
  std::sort(stored.begin(), stored.end());
  EXPECT_EQ(drawn, stored);
}

TEST_F(GeneratorTest, RotationTurnsEveryPointAboutTheAreaCentre) {
  start();
  std::vector<std::vector<LinePoint>> straight;
  for (int32_t i = 1; i <= 12; ++i) straight.push_back(build(i));
  genset.alpha = 270;
  start();
  const int32_t cx = 10 + 200, cy = 20 + 150;
  for (int32_t i = 1; i <= 12; ++i) {
    auto turned = build(i);
    ASSERT_EQ(turned.size(), straight[i - 1].size());
    for (size_t p = 0; p < turned.size(); ++p) {
      const LinePoint& s = straight[i - 1][p];
      EXPECT_EQ(turned[p].x, cx - (s.y - cy));
      EXPECT_EQ(turned[p].y, cy + (s.x - cx));
      EXPECT_EQ(turned[p].colour, s.colour);
    }
  }
}

TEST_F(GeneratorTest, ManualConnectionTextBecomesLinesWithTheirWidths) {
  genset.Operationmode = operation_mode::kManual;
  // Class 1 from column 5 to left slot 3, colours from the set, width 2; then
  // class 8 between slots 1 and 1 in colour 255, width 7.
  start("01050300000000-1002" "0801010000000255007");
  ASSERT_EQ(generator.amountoflines(), 2);
  bool sawWidth2 = false, sawWidth7 = false;
  for (int32_t i = 1; i <= 2; ++i) {
    build(i);
    sawWidth2 |= generator.resultWidth() == 2;
    sawWidth7 |= generator.resultWidth() == 7;
  }
  EXPECT_TRUE(sawWidth2);
  EXPECT_TRUE(sawWidth7);
}

TEST_F(GeneratorTest, HostileSettingsNeverCrash) {
  struct Case { int32_t contup, contleft, linelength, chlinecol, linecolorfunc, funcs, mode; };
  const Case cases[] = {
      {100000, 12, 50, 0, 0, 2, operation_mode::kAutomatic},
      {41, 12, 0, 1, 0, 2, operation_mode::kAutomatic},
      {41, 12, -7, 1, 1, 15, operation_mode::kAutomatic},
      {41, 12, 3, 1, 9, 20, operation_mode::kAutomatic},
      {-5, -5, 50, 0, 0, 0, operation_mode::kAutomatic},
      {41, 12, 50, 0, 0, 99, operation_mode::kAutomatic},
      {3000, 12, 1, 1, 0, 2, operation_mode::kMultiOutline},
      {41, 12, 50, 1, 3, 2, operation_mode::kMultiOutline},
  };
  for (const Case& c : cases) {
    genset.contup = c.contup;
    genset.contleft = c.contleft;
    genset.linelength = c.linelength;
    genset.chlinecol = c.chlinecol;
    genset.linecolorfunc = c.linecolorfunc;
    genset.funcs = c.funcs;
    genset.modeparam1 = 30;
    genset.Operationmode = c.mode;
    genset.numblines = 3;
    start();
    for (int32_t i = 1; i <= generator.amountoflines(); ++i) {
      auto line = build(i);
      EXPECT_LE(line.size(), static_cast<size_t>(LineBuilder::kLineCapacity));
    }
  }
}

}  // namespace
}  // namespace zefrin
