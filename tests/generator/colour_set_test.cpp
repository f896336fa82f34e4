#include "generator/colour_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "platform/seams/random_source.h"

namespace zefrin {
namespace {

// Hands out the scripted draws in turn, then repeats the last one.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
  float uniform() override {
    const float value = draws_[next_ < draws_.size() ? next_ : draws_.size() - 1];
    ++next_;
    return value;
  }
  void reseedFromClock() override {}
  size_t drawn() const { return next_; }

 private:
  std::vector<float> draws_;
  size_t next_ = 0;
};

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kGreen = rgb(0, 255, 0);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);

std::vector<Colour> firstColours(const colorcl& set, int32_t count) {
  std::vector<Colour> out;
  for (int32_t i = 0; i < count; ++i) out.push_back(set.coli(i));
  return out;
}

TEST(ColourSet, FixedTablesAndLookup) {
  colorcl set;
  EXPECT_EQ(set.numberofcolors(), 8);  // starts as the 8-colour set
  struct Case { void (colorcl::*load)(); int32_t size; Colour first, last; };
  const Case cases[] = {
      {&colorcl::redimcolor16, 16, 0x0000FF, 0x2222FF},
      {&colorcl::redimcolor35, 35, 0x0000FF, 0x3300E6},
      {&colorcl::redimcolor8, 8, 0x0000FF, 0xC08080},
  };
  for (const auto& c : cases) {
    (set.*c.load)();
    EXPECT_EQ(set.numberofcolors(), c.size);
    EXPECT_EQ(set.coli(0), c.first) << c.size;
    EXPECT_EQ(set.coli(c.size - 1), c.last) << c.size;
    EXPECT_EQ(set.coli(c.size), 0) << c.size;
  }
  EXPECT_EQ(set.coli(-1), 0);
  set.redimcolor1(0x123456);
  EXPECT_EQ(firstColours(set, 2), (std::vector<Colour>{0x123456, 0}));
}

TEST(ColourSet, RandomColoursDrawRedGreenBlueAndRoundHalvesToEven) {
  colorcl set;
  ScriptedRandom random({0.5f, 0.25f, 0.0f, 0.99f});
  set.redimcolors(1, random);
  ASSERT_EQ(set.numberofcolors(), 2);
  EXPECT_EQ(random.drawn(), 6u);
  EXPECT_EQ(set.coli(0), rgb(128, 64, 0));    // 127.5 -> 128, 63.75 -> 64
  EXPECT_EQ(set.coli(1), rgb(252, 252, 252));  // 252.45 -> 252
}

TEST(ColourSet, RandomSetSizeIsOneMoreThanAskedWithinLimits) {
  struct Case { int32_t n; int32_t size; };
  const Case cases[] = {
      {63, 64}, {0, 1}, {-1, 1}, {-100, 1},  // never empty
      {5000, 5001}, {std::numeric_limits<int32_t>::max(), 5001},  // capped
  };
  colorcl set;
  MersenneRandom random(7);
  for (const auto& c : cases) {
    set.redimcolors(c.n, random);
    EXPECT_EQ(set.numberofcolors(), c.size) << c.n;
  }
}

TEST(ColourSet, InsertShiftsLaterColoursAndAppendsBeyondTheEnd) {
  colorcl set;
  set.redimcolor1(1);
  set.adddelcolors(2, 1, true);   // at the end
  set.adddelcolors(3, 0, true);   // at the front
  set.adddelcolors(4, 1, true);   // in the middle
  set.adddelcolors(5, 99, true);  // beyond the end: appended
  set.adddelcolors(6, -1, true);  // before the start: ignored
  EXPECT_EQ(set.colours(), (std::vector<Colour>{3, 4, 1, 2, 5}));
}

TEST(ColourSet, RemoveShiftsLaterColoursAndKeepsTheLastOne) {
  colorcl set;
  set.redimcolor8();
  set.adddelcolors(0, 1, false);
  EXPECT_EQ(set.numberofcolors(), 7);
  EXPECT_EQ(set.coli(1), 0x00FF00);
  for (int32_t outside : {-1, 7, 100}) set.adddelcolors(0, outside, false);
  EXPECT_EQ(set.numberofcolors(), 7);
  for (int i = 0; i < 10; ++i) set.adddelcolors(0, 0, false);
  EXPECT_EQ(set.colours(), (std::vector<Colour>{0xC08080}));
}

struct GradientCase {
  const char* name;
  Colour from, to;
  int32_t style, Fcolor, scolor;
  std::vector<Colour> expected;  // from the lower position upwards
};

TEST(ColourGradient, StylesOverShortRanges) {
  const GradientCase cases[] = {
      {"gradient red to blue", kRed, kBlue, 4, 1, 5,
       {kRed, rgb(191, 0, 64), rgb(128, 0, 128), rgb(64, 0, 191), kBlue}},
      {"positions given high to low", kRed, kBlue, 4, 5, 1,
       {kRed, rgb(191, 0, 64), rgb(128, 0, 128), rgb(64, 0, 191), kBlue}},
      {"triangle, middle written twice", kRed, kBlue, 1, 1, 3, {kRed, kBlue, kRed}},
      {"triangle over an even count", kBlack, kWhite, 1, 1, 4,
       {kBlack, kWhite, kWhite, kBlack}},
      {"triangle over five", kBlack, kWhite, 1, 1, 5,
       {kBlack, rgb(128, 128, 128), kWhite, rgb(128, 128, 128), kBlack}},
      {"sinusoid there and back", kRed, kBlue, 0, 1, 3, {kRed, kBlue, kRed}},
      // Logarithmic curve: (3.718282^(1/4) - 1) * 255 / e = 36.46.
      {"exponent", kBlack, kWhite, 5, 1, 5,
       {kBlack, rgb(36, 36, 36), rgb(87, 87, 87), rgb(157, 157, 157), kWhite}},
      {"dexponent there and back", kBlack, kWhite, 2, 1, 5,
       {kBlack, rgb(87, 87, 87), kWhite, rgb(87, 87, 87), kBlack}},
      // Hue runs 0 -> 4 as a plain number, so red to blue passes green.
      {"HLS red to blue", kRed, kBlue, 3, 1, 3, {kRed, kGreen, kBlue}},
  };
  for (const auto& c : cases) {
    colorcl set;
    set.redimcolor1(kBlack);
    set.colorgrad(c.from, c.to, c.style, c.Fcolor, c.scolor);
    const int32_t lo = std::min(c.Fcolor, c.scolor) - 1;
    for (size_t k = 0; k < c.expected.size(); ++k) {
      EXPECT_EQ(set.coli(lo + static_cast<int32_t>(k)), c.expected[k]) << c.name << " at " << k;
    }
  }
}

// The curved styles start exactly at the first colour and reach the second:
// at the end of the range, or in its middle for the there-and-back style.
TEST(ColourGradient, CurvedStylesHitTheirEndColoursExactly) {
  const Colour pairs[][2] = {{rgb(200, 100, 30), rgb(20, 40, 220)},
                             {rgb(1, 254, 128), rgb(255, 255, 0)},
                             {rgb(90, 90, 90), rgb(7, 200, 61)}};
  for (const auto& pair : pairs) {
    for (int32_t style : {2, 3, 5}) {
      colorcl set;
      set.colorgrad(pair[0], pair[1], style, 2, 8);  // positions 2..8, indices 1..7
      SCOPED_TRACE(::testing::Message() << "style " << style << " from " << pair[0]);
      EXPECT_EQ(set.coli(0), 0x0000FF);  // before the range: untouched
      EXPECT_EQ(set.coli(1), pair[0]);
      if (style == 2) {
        EXPECT_EQ(set.coli(4), pair[1]);
        EXPECT_EQ(set.coli(7), pair[0]);
      } else {
        EXPECT_EQ(set.coli(7), pair[1]);
      }
    }
  }
}

TEST(ColourGradient, GrowsTheSetUpToTheGradientLimit) {
  colorcl set;
  set.colorgrad(kRed, kBlue, 4, 3, 10);
  EXPECT_EQ(set.numberofcolors(), 10);
  EXPECT_EQ(firstColours(set, 3), (std::vector<Colour>{0x0000FF, 0xFF0000, kRed}));
  EXPECT_EQ(set.coli(9), kBlue);

  set.colorgrad(kRed, kBlue, 4, 1, 9000);
  EXPECT_EQ(set.numberofcolors(), colorcl::kGradientLimit + 1);
  EXPECT_EQ(set.coli(colorcl::kGradientLimit), kBlue);
}

TEST(ColourGradient, StartBeyondTheEndBeginsRightAfterTheLastColour) {
  colorcl set;  // 8 colours
  set.colorgrad(kRed, kBlue, 4, 20, 30);
  EXPECT_EQ(set.numberofcolors(), 30);
  EXPECT_EQ(set.coli(7), 0xC08080);
  EXPECT_EQ(set.coli(8), kRed);
  EXPECT_EQ(set.coli(29), kBlue);
}

TEST(ColourGradient, IgnoresEmptyRangesAndUnknownStyles) {
  struct Case { int32_t style, Fcolor, scolor; };
  const Case cases[] = {
      {4, 0, 5}, {4, 5, 0}, {4, -3, 2},  // start below 1
      {4, 3, 3},                         // a single position
      {4, 9, 9},                         // a single position just past the end
      {6, 1, 5}, {-1, 1, 5},             // no such style
      {4, 6000, 7000},                   // wholly above the limit on a full set
  };
  for (const auto& c : cases) {
    colorcl set;
    if (c.Fcolor == 6000) set.colorgrad(kBlack, kBlack, 4, 1, 5001);
    const std::vector<Colour> before = set.colours();
    set.colorgrad(kRed, kBlue, c.style, c.Fcolor, c.scolor);
    EXPECT_EQ(set.colours(), before) << c.style << " " << c.Fcolor << ".." << c.scolor;
  }
}

}  // namespace
}  // namespace zefrin
