// The fast layout against the plain one, on random stores of every class.
#include "generator/line_store_pairing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "generator/line_store.h"
#include "support/fake_clock.h"
#include "support/literal_pairing.h"
#include "support/recording_messenger.h"
#include "support/recording_progress.h"

namespace zefrin {
namespace {

struct StoreShape {
  int32_t count;
  int32_t contup;
  int32_t contleft;
  int32_t span;  // column ends drawn from 1..span: small spans give many ties
};

void PrintTo(const StoreShape& s, std::ostream* os) {
  *os << s.count << " connections, contup " << s.contup << ", contleft " << s.contleft << ", span " << s.span;
}

// Random connections of every class; class 7 includes vertical ones and
// classes 5 and 6 include spikes (u = d).
void fillRandom(ClGeneral& store, const StoreShape& shape, uint32_t seed) {
  std::mt19937 engine(seed);
  auto pick = [&engine](int32_t lo, int32_t hi) { return std::uniform_int_distribution<int32_t>(lo, hi)(engine); };
  const int32_t span = std::min(shape.span, shape.contup);
  for (int32_t i = 0; i < shape.count; ++i) {
    const int32_t cls = pick(1, 8);
    int32_t u = pick(1, span);
    int32_t d = pick(1, span);
    if (cls <= 4) d = pick(0, shape.contleft);
    if (cls == 8) {
      u = pick(0, shape.contleft);
      d = pick(0, shape.contleft);
    }
    if (cls == 7 && pick(0, 9) == 0) d = u;
    store.Add(cls, u, d, i, -1, 0);
  }
}

std::vector<Connection> generalList(const ClGeneral& store) {
  std::vector<Connection> list;
  for (int32_t n = 1; n <= store.UboundEntry(); ++n) list.push_back(store.connection(n));
  return list;
}

// Index of the first differing entry, for a readable failure.
std::string firstDifference(const LevelTable& a, const LevelTable& b) {
  for (int32_t c = 0; c <= a.contup(); ++c) {
    for (int32_t n = 0; n <= a.count(); ++n) {
      if (a.at(c, n) != b.at(c, n)) {
        return "column " + std::to_string(c) + " connection " + std::to_string(n) + ": " +
               std::to_string(a.at(c, n)) + " vs " + std::to_string(b.at(c, n));
      }
    }
  }
  return "none";
}

class FastAgainstLiteral : public ::testing::TestWithParam<StoreShape> {};

TEST_P(FastAgainstLiteral, DepthsAndLevelsMatch) {
  const StoreShape shape = GetParam();
  zefrin::testing::RecordingMessenger messenger;
  NoProgress progress;
  zefrin::testing::FakeClock clock;
  for (uint32_t seed : {1u, 2u}) {
    ClGeneral store(messenger, progress, clock);
    store.setContup(shape.contup);
    store.setContleft(shape.contleft);
    fillRandom(store, shape, seed);
    store.general();
    ASSERT_EQ(store.UboundEntry(), shape.count);
    const std::vector<Connection> list = generalList(store);

    LevelTable fast;
    computeDepths(list, shape.contup, fast);
    LevelTable literal = zefrin::testing::literalDepths(list, shape.contup);
    ASSERT_EQ(fast.contup(), literal.contup());
    ASSERT_EQ(fast.count(), literal.count());
    ASSERT_TRUE(fast == literal) << "seed " << seed << ", first difference at " << firstDifference(fast, literal);

    zefrin::testing::literalLevels(list, literal);
    for (int32_t c = 0; c <= shape.contup; ++c) {
      for (int32_t n = 0; n <= shape.count; ++n) {
        ASSERT_EQ(store.level(c, n), literal.at(c, n)) << "seed " << seed << " column " << c << " connection " << n;
      }
    }
  }
  EXPECT_TRUE(messenger.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(RandomStores, FastAgainstLiteral,
                         ::testing::Values(StoreShape{2000, 41, 12, 41},    // the Random pattern's size
                                           StoreShape{600, 400, 12, 400},   // wide contour
                                           StoreShape{1500, 2, 3, 2},       // narrowest contour
                                           StoreShape{1200, 60, 4, 5},      // crowded ends: many ties
                                           StoreShape{300, 120, 200, 120},  // more side slots than columns
                                           StoreShape{1, 10, 10, 10}));

TEST(FastDepths, EveryPairOfClassesOnAHandfulOfEnds) {
  // Every combination of classes and small end values, in one list: the
  // interval ends meet, touch and cross in every way.
  std::vector<Connection> list;
  for (int32_t cls = 1; cls <= 8; ++cls) {
    for (int32_t u = 1; u <= 4; ++u) {
      for (int32_t d = 1; d <= 4; ++d) {
        if ((cls == 5 || cls == 6) && u > d) continue;
        list.push_back(Connection{0, cls, u, d, -1, 0, 0});
      }
    }
  }
  std::mt19937 engine(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(list.begin(), list.end(), engine);
    for (int32_t contup : {4, 5}) {
      LevelTable fast;
      computeDepths(list, contup, fast);
      const LevelTable literal = zefrin::testing::literalDepths(list, contup);
      ASSERT_TRUE(fast == literal) << "round " << round << " contup " << contup << ": "
                                   << firstDifference(fast, literal);
    }
  }
}

TEST(FastDepths, ReportsProgressAfterEachConnectionButTheLast) {
  const std::vector<Connection> list = {{0, 8, 1, 1, -1, 0, 0}, {0, 8, 2, 2, -1, 0, 0}, {0, 1, 3, 1, -1, 0, 0}};
  zefrin::testing::RecordingProgress progress;
  LevelTable table;
  computeDepths(list, 3, table, &progress);
  ASSERT_EQ(progress.events.size(), 2u);
  EXPECT_EQ(progress.events[0].value, 1);
  EXPECT_EQ(progress.events[1].value, 2);
}

}  // namespace
}  // namespace zefrin
