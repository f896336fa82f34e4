#include "generator/fifty_variants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "support/recording_connection_sink.h"

namespace zefrin {
namespace {

using testing::Added;
using testing::RecordingSink;

std::vector<Added> variant(int32_t p1, int32_t N, int32_t M = 12) {
  RecordingSink sink;
  fiftyVariants(sink, N, M, p1, colorcl());
  return sink.calls;
}

Colour col(int32_t k) { return colorcl().coli(k % 8); }

std::vector<Added> withoutSideLines(std::vector<Added> calls) {
  std::erase_if(calls, [](const Added& a) { return a.cls == 8; });
  return calls;
}

TEST(FiftyVariants, RepeatsAWholeNumberOfTimes) {
  const auto v1 = variant(1, 41);
  ASSERT_EQ(v1.size(), 5u * 9u);  // (41 - 3) \ 7 = 5 repetitions of 9
  EXPECT_EQ(v1.front(), (Added{7, 1, 4, 0, col(0), 0}));
  EXPECT_EQ(v1.back(), (Added{6, 36, 36, 0, col(3), 0}));  // 8 + 7 * 4
  EXPECT_EQ(variant(2, 41).size(), 4u * 10u);
  const auto v19 = variant(19, 41);
  ASSERT_EQ(v19.size(), 20u * 2u);
  EXPECT_EQ(v19.back(), (Added{6, 39, 40, 0, col(1), 0}));
  // Variant 10's last down arc needs one column beyond its period.
  EXPECT_EQ(variant(10, 40).size(), 9u * 4u);
  EXPECT_EQ(variant(10, 41).size(), 10u * 4u);
}

TEST(FiftyVariants, SideLinesFollowTheSlotCount) {
  const auto two = variant(15, 41, 2);
  const std::vector<Added> expected = {{8, 1, 1, 0, col(2), 0}, {8, 2, 2, 0, col(3), 0}};
  EXPECT_EQ(std::vector<Added>(two.end() - 2, two.end()), expected);
  EXPECT_EQ(std::count_if(two.begin(), two.end(), [](const Added& a) { return a.cls == 8; }), 2);
  const auto three = variant(15, 41, 3);
  EXPECT_EQ(three.back(), (Added{8, 3, 3, 0, col(4), 0}));
  EXPECT_EQ(three.size(), two.size() + 1);
}

TEST(FiftyVariants, Variant4MirrorsItsShortDiagonalsInOddRepetitions) {
  const auto v4 = variant(4, 14);
  ASSERT_EQ(v4.size(), 10u);
  EXPECT_EQ(v4[3], (Added{7, 3, 2, 0, col(3), 0}));
  EXPECT_EQ(v4[4], (Added{7, 5, 6, 0, col(3), 0}));
  EXPECT_EQ(v4[8], (Added{7, 9, 10, 0, col(3), 0}));
  EXPECT_EQ(v4[9], (Added{7, 13, 12, 0, col(3), 0}));
}

TEST(FiftyVariants, Variant6CountsItsColours) {
  const auto v6 = variant(6, 14);  // (14 - 4) \ 2 = 5
  ASSERT_EQ(v6.size(), 5u);
  for (int32_t k = 0; k < 5; ++k) EXPECT_EQ(v6[k], (Added{7, 1 + 2 * k, 6 + 2 * k, 0, col(k), 0}));
}

TEST(FiftyVariants, OnlyVariants1To55AddAnything) {
  EXPECT_TRUE(variant(0, 41).empty());
  EXPECT_TRUE(variant(56, 41).empty());
  EXPECT_TRUE(variant(-3, 41).empty());
  EXPECT_FALSE(variant(55, 41).empty());
}

TEST(FiftyVariants, SharedMotifsDifferOnlyInTheirSideLines) {
  const auto oddUpEvenDown = withoutSideLines(variant(11, 41));
  for (int32_t v : {34, 35, 15}) EXPECT_EQ(withoutSideLines(variant(v, 41)), oddUpEvenDown) << v;
  for (int32_t v : {47, 48}) EXPECT_EQ(withoutSideLines(variant(v, 41)), variant(21, 41)) << v;
  // 41 and 42 share one repetition at periods 5 and 4.
  EXPECT_EQ(variant(41, 5), variant(42, 5));
}

TEST(FiftyVariants, NoConnectionPassesTheLastColumn) {
  for (int32_t v = 1; v <= 55; ++v) {
    for (int32_t N = 2; N <= 70; ++N) {
      const auto calls = variant(v, N, 3);
      for (const Added& a : calls) {
        const int32_t limit = a.cls == 8 ? 3 : N;
        EXPECT_TRUE(a.cls >= 1 && a.cls <= 8 && a.up >= 1 && a.down >= 1 && a.up <= limit && a.down <= limit)
            << "variant " << v << " N=" << N << ": class " << a.cls << " (" << a.up << ", " << a.down << ")";
      }
      if (N == 70) {  // every motif fits at least once
        EXPECT_FALSE(calls.empty()) << "variant " << v;
      }
    }
  }
}

}  // namespace
}  // namespace zefrin
