#include "generator/patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "support/recording_connection_sink.h"

namespace zefrin {
namespace {

using testing::Added;
using testing::RecordingSink;

// Draws a fixed list of values over and over; counts the reseeds.
struct ScriptedRandom : RandomSource {
  std::vector<float> values;
  size_t next = 0;
  int reseeds = 0;
  explicit ScriptedRandom(std::vector<float> v) : values(std::move(v)) {}
  float uniform() override { return values[next++ % values.size()]; }
  void reseedFromClock() override { ++reseeds; }
};

std::vector<Added> run(int32_t pattern, int32_t N, int32_t M, int32_t p1 = 0, int32_t p2 = 0) {
  RecordingSink sink;
  colorcl colours;  // the 8-colour set
  MersenneRandom random(7);
  runPattern(sink, {N, M, p1, p2, pattern}, colours, random, "");
  return sink.calls;
}

Colour col(int32_t k) { return colorcl().coli(k % 8); }

TEST(PatternNames, ListTheTwentySixPatternsInDialogOrder) {
  const auto& names = patternNames();
  EXPECT_EQ(names[0], "Random");
  EXPECT_EQ(names[10], "Baloon");
  EXPECT_EQ(names[16], "Buterfly");
  EXPECT_EQ(names[22], "Waves1");
  EXPECT_EQ(names[25], "50 Variants");
  EXPECT_EQ(std::count(names.begin(), names.end(), ""), 0);
}

TEST(Patterns, HorizontalAndCornerWithTheDefaultDensities) {
  const auto horizontal = run(2, 41, 12);
  ASSERT_EQ(horizontal.size(), 12u);
  for (int32_t i = 1; i <= 12; ++i) EXPECT_EQ(horizontal[i - 1], (Added{8, i, i, 0, col(i - 1), 0}));

  const auto corner = run(9, 41, 12);
  ASSERT_EQ(corner.size(), 41u);
  for (int32_t i = 1; i <= 41; ++i) EXPECT_EQ(corner[i - 1], (Added{3, i, i, 0, col(i - 1), 0}));
}

TEST(Patterns, ForagesEndsWithTheArcThatRepeatsTheTwentieth) {
  const auto forages = run(8, 41, 12);
  ASSERT_EQ(forages.size(), 22u);  // round(20.5 + 1) = 22
  EXPECT_EQ(forages[21], (Added{5, 22, 20, 0, col(21), 0}));
  EXPECT_EQ(forages[19], (Added{5, 20, 22, 0, col(19), 0}));
}

TEST(Patterns, VerticalFillsTheLeftAndRightPercentages) {
  EXPECT_EQ(run(3, 41, 12, 50, 50).size(), 41u);
  std::vector<int32_t> columns;
  for (const Added& a : run(3, 41, 12, 20, 20)) columns.push_back(a.up);
  // round(8.2) = 8 from the left, from round(32.8) = 33 on to the right.
  std::vector<int32_t> expected;
  for (int32_t i = 1; i <= 8; ++i) expected.push_back(i);
  for (int32_t i = 34; i <= 41; ++i) expected.push_back(i);
  EXPECT_EQ(columns, expected);
}

TEST(Patterns, Waves2PutsTheDownArcsHalfAWaveLater) {
  const auto waves = run(23, 41, 12, 3, 0);
  ASSERT_EQ(waves.size(), 18u);  // b = 13: three waves of three up and three down arcs
  const std::vector<Added> firstWave = {
      {5, 3, 4, 0, col(0), 0}, {6, 9, 10, 0, col(1), 0}, {5, 2, 5, 0, col(0), 0},
      {6, 8, 11, 0, col(1), 0}, {5, 1, 6, 0, col(0), 0}, {6, 7, 12, 0, col(1), 0}};
  EXPECT_EQ(std::vector<Added>(waves.begin(), waves.begin() + 6), firstWave);
  EXPECT_EQ(waves[6], (Added{5, 16, 17, 0, col(0), 0}));  // the second wave starts at 13

  // Waves1: up and down arcs at the same places; p2 side lines when N >= p2.
  const auto waves1 = run(22, 41, 12, 3, 2);
  ASSERT_EQ(waves1.size(), 20u);
  EXPECT_EQ(waves1[0], (Added{5, 3, 4, 0, col(0), 0}));
  EXPECT_EQ(waves1[1], (Added{6, 3, 4, 0, col(1), 0}));
  EXPECT_EQ(waves1[19], (Added{8, 2, 2, 0, col(2), 0}));
  EXPECT_EQ(run(22, 41, 12, 3, 42).size(), 18u);  // p2 above N: no side lines
}

TEST(Patterns, DiagonalVariantsConnectTheirSides) {
  // Variants 1..4: a pair of corner connections per column, colour k per step.
  struct Case { int32_t variant; std::vector<Added> expected; };
  const Case cases[] = {
      {1, {{3, 1, 1, 0, col(0), 0}, {2, 3, 3, 0, col(0), 0}, {3, 2, 2, 0, col(1), 0},
           {2, 2, 2, 0, col(1), 0}, {3, 3, 3, 0, col(2), 0}, {2, 1, 1, 0, col(2), 0}}},
      {2, {{3, 3, 3, 0, col(0), 0}, {2, 3, 3, 0, col(0), 0}, {3, 2, 2, 0, col(1), 0},
           {2, 2, 2, 0, col(1), 0}, {3, 1, 1, 0, col(2), 0}, {2, 1, 1, 0, col(2), 0}}},
      {3, {{1, 1, 1, 0, col(0), 0}, {4, 3, 3, 0, col(0), 0}, {1, 2, 2, 0, col(1), 0},
           {4, 2, 2, 0, col(1), 0}, {1, 3, 3, 0, col(2), 0}, {4, 1, 1, 0, col(2), 0}}},
      {4, {{1, 3, 3, 0, col(0), 0}, {4, 3, 3, 0, col(0), 0}, {1, 2, 2, 0, col(1), 0},
           {4, 2, 2, 0, col(1), 0}, {1, 1, 1, 0, col(2), 0}, {4, 1, 1, 0, col(2), 0}}},
      // Variants 5 and 6 with N = 5: h = round(2) = 2 crossings and their corners.
      {5, {{7, 1, 3, 0, col(0), 0}, {2, 1, 1, 0, col(1), 0}, {3, 3, 1, 0, col(2), 0},
           {7, 2, 4, 0, col(0), 0}, {2, 2, 2, 0, col(1), 0}, {3, 4, 2, 0, col(2), 0}}},
      {6, {{7, 3, 1, 0, col(0), 0}, {1, 1, 1, 0, col(1), 0}, {4, 3, 1, 0, col(2), 0},
           {7, 4, 2, 0, col(0), 0}, {1, 2, 2, 0, col(1), 0}, {4, 4, 2, 0, col(2), 0}}},
      {7, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(4, c.variant >= 5 ? 5 : 3, 12, c.variant), c.expected) << "variant " << c.variant;
  }
}

TEST(Patterns, BaysLaysItsFanAndBays) {
  const auto bays = run(18, 41, 12);
  ASSERT_EQ(bays.size(), 46u);
  EXPECT_EQ(bays[20], (Added{7, 16, 2, 0, col(4), 0}));
  EXPECT_EQ(bays[21], (Added{7, 26, 40, 0, col(4), 0}));
  EXPECT_EQ(bays.back(), (Added{6, 21, 21, 0, col(6), 0}));

  const std::vector<Added> two = {{5, 1, 2, 0, col(0), 0}, {6, 1, 2, 0, col(1), 0}};
  EXPECT_EQ(run(18, 2, 12), two);
}

TEST(Patterns, ButerflyTakesTheSizeOfANegativeDensity) {
  EXPECT_EQ(run(16, 41, 12, -5, 1), run(16, 41, 12, 5, 1));
  EXPECT_EQ(run(16, 41, 12, 9, 0), run(16, 41, 12, 4, 0));  // p1 mod 9 = 0 means 4
}

TEST(Patterns, HyperbolaWithANegativeParameterBendsNoColumns) {
  // Only the middle column and the side lines are left.
  const auto h1 = run(6, 41, 12, -3, 5);
  ASSERT_EQ(h1.size(), 6u);
  EXPECT_EQ(h1[0], (Added{7, 21, 21, 0, col(4), 0}));
  EXPECT_EQ(h1[1], (Added{8, 1, 1, 0, col(4), 0}));
  EXPECT_EQ(run(7, 41, 12, -3, 5).size(), 6u);
}

TEST(Patterns, HyperbolaTakesColoursFromTheSetWhenItHasFewColours) {
  RecordingSink sink;
  colorcl one;
  one.redimcolor1(0x123456);
  MersenneRandom random(1);
  runPattern(sink, {41, 12, 3, 0, 6}, one, random, "");
  ASSERT_FALSE(sink.calls.empty());
  EXPECT_EQ(sink.calls[0], (Added{7, 21, 21, 0, -1, 0}));
}

TEST(Patterns, NullAndNumbersAbove25AddNothing) {
  EXPECT_TRUE(run(1, 41, 12, 5, 5).empty());
  EXPECT_TRUE(run(26, 41, 12, 5, 5).empty());
  EXPECT_TRUE(run(1000, 41, 12, 5, 5).empty());
}

TEST(Patterns, FewerThanTwoColumnsAddNothing) {
  for (int32_t pattern = 0; pattern <= 25; ++pattern) {
    EXPECT_TRUE(run(pattern, 1, 12, 4, 2).empty()) << patternNames()[pattern];
    EXPECT_TRUE(run(pattern, 0, 12, 4, 2).empty()) << patternNames()[pattern];
  }
}

TEST(Patterns, DispatcherRoutesManualTextAndFiftyVariants) {
  RecordingSink sink;
  colorcl colours;
  MersenneRandom random(1);
  runPattern(sink, {41, 12, 0, 0, -1}, colours, random, "0705030000000255001");
  ASSERT_EQ(sink.calls.size(), 1u);
  EXPECT_EQ(sink.calls[0], (Added{7, 5, 3, 0, 255, 1}));
  EXPECT_EQ(run(25, 41, 12, 19).size(), 40u);
}

TEST(RandomPattern, ReseedsOnceAndRepeatsUnderAFixedSeed) {
  const auto first = run(0, 41, 12, 50);
  ASSERT_EQ(first.size(), 50u);
  EXPECT_EQ(run(0, 41, 12, 50), first);
  for (size_t k = 0; k < first.size(); ++k) EXPECT_EQ(first[k].colour, col(static_cast<int32_t>(k)));
  for (const Added& a : first) {
    if (a.cls == 5 || a.cls == 6) {
      EXPECT_LT(a.up, a.down);
    }
  }

  ScriptedRandom scripted({0.5f});
  RecordingSink sink;
  runPattern(sink, {41, 12, 3, 0, 0}, colorcl(), scripted, "");
  EXPECT_EQ(scripted.reseeds, 1);
}

TEST(RandomPattern, NothingForZeroOrNegativeAndAtMost32767Connections) {
  EXPECT_TRUE(run(0, 41, 12, 0).empty());
  EXPECT_TRUE(run(0, 41, 12, -10).empty());
  EXPECT_EQ(run(0, 41, 12, 2000000).size(), 32767u);
}

TEST(RandomPattern, TheLargestDrawStaysInsideTheSides) {
  // In single precision 8 * (1 - 2^-24) + 1 rounds to 9; the draw is held
  // to class 8 and to the last slot.
  const float largest = 1.0f - 1.0f / 16777216.0f;
  ScriptedRandom top({largest});
  RecordingSink sink;
  runPattern(sink, {64, 16, 1, 0, 0}, colorcl(), top, "");
  ASSERT_EQ(sink.calls.size(), 1u);
  EXPECT_EQ(sink.calls[0], (Added{8, 16, 16, 0, col(0), 0}));

  // Class 5 from a mid draw: a = Int(41 * 0.6 + 1) = 25, g = Int(40 * 0.6 + 1) = 25,
  // g is not below a, so the arc runs from 25 to 26.
  ScriptedRandom mid({0.6f});
  RecordingSink arcs;
  runPattern(arcs, {41, 12, 1, 0, 0}, colorcl(), mid, "");
  ASSERT_EQ(arcs.calls.size(), 1u);
  EXPECT_EQ(arcs.calls[0], (Added{5, 25, 26, 0, col(0), 0}));
}

// Every pattern, over a spread of densities and parameters, adds connections
// of class 1..8 whose ends lie within 1..max(N, M).
struct RangeCheckingSink : ConnectionSink {
  int32_t limit = 0;
  std::string firstFault;
  size_t count = 0;
  void Add(int32_t cls, int32_t up, int32_t down, int32_t nm, int32_t colour, int32_t width) override {
    ++count;
    const bool ok = cls >= 1 && cls <= 8 && up >= 1 && up <= limit && down >= 1 && down <= limit &&
                    nm == 0 && width == 0 && colour != 0;
    if (!ok && firstFault.empty()) {
      firstFault = "class " + std::to_string(cls) + " (" + std::to_string(up) + ", " + std::to_string(down) +
                   ") colour " + std::to_string(colour);
    }
  }
};

TEST(Patterns, EveryPatternKeepsItsEndsInRange) {
  const int32_t densities[] = {2, 3, 41, 400};
  const int32_t slots[] = {0, 1, 12};
  const int32_t firsts[] = {-7, 0, 1, 2, 3, 4, 5, 6, 9, 20, 50, 55, 100000};
  const int32_t seconds[] = {-3, 0, 1, 2, 50, 100000};
  colorcl colours;
  MersenneRandom random(3);
  for (int32_t pattern = 0; pattern <= 25; ++pattern) {
    size_t total = 0;
    for (int32_t N : densities)
      for (int32_t M : slots)
        for (int32_t p1 : firsts)
          for (int32_t p2 : seconds) {
            RangeCheckingSink sink;
            sink.limit = std::max(N, M);
            runPattern(sink, {N, M, p1, p2, pattern}, colours, random, "");
            total += sink.count;
            EXPECT_EQ(sink.firstFault, "") << patternNames()[pattern] << " N=" << N << " M=" << M
                                           << " p1=" << p1 << " p2=" << p2;
          }
    if (pattern != 1) {
      EXPECT_GT(total, 0u) << patternNames()[pattern];
    }
  }
}

}  // namespace
}  // namespace zefrin
