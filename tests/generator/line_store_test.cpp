#include "generator/line_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/fake_clock.h"
#include "support/recording_messenger.h"
#include "support/recording_progress.h"

namespace zefrin {
namespace {

using ::testing::ElementsAre;
using Kind = zefrin::testing::RecordingProgress::Event::Kind;

// A clock that moves 2.5 s every time it is read.
class SteppingClock final : public Clock {
 public:
  int64_t milliseconds() override { return now += 2500; }
  double secondsSinceMidnight() override { return 0; }
  int64_t now = 0;
};

class LineStoreTest : public ::testing::Test {
 protected:
  LineStoreTest() {
    store.setContup(12);
    store.setContleft(12);
  }

  // Fnm of the general list in order.
  std::vector<int32_t> numbers() const {
    std::vector<int32_t> out;
    for (int32_t n = 1; n <= store.UboundEntry(); ++n) out.push_back(store.connection(n).Fnm);
    return out;
  }

  // Column c: up point (10c, 0), down point (10c, 30).
  static ContourRails straightRails(int32_t contup) {
    ContourRails rails(static_cast<size_t>(contup) + 1);
    for (int32_t c = 0; c <= contup; ++c) rails[static_cast<size_t>(c)] = {10 * c, 0, 10 * c, 30};
    return rails;
  }

  std::vector<std::pair<int32_t, int32_t>> routeOf(int32_t n, const ContourRails& rails) {
    store.marsh(n, rails, route);
    std::vector<std::pair<int32_t, int32_t>> out;
    for (const RoutePoint& p : route) out.emplace_back(p.x, p.y);
    return out;
  }

  zefrin::testing::RecordingMessenger messenger;
  zefrin::testing::RecordingProgress progress;
  zefrin::testing::FakeClock clock;
  ClGeneral store{messenger, progress, clock};
  Route route;
};

struct OrderCase {
  int32_t connectionClass;
  std::vector<std::pair<int32_t, int32_t>> ends;  // added in turn, Fnm 1, 2, ...
  std::vector<int32_t> expectedFnm;
};

TEST_F(LineStoreTest, AddKeepsEachClassInItsOrder) {
  const std::vector<OrderCase> cases = {
      {1, {{5, 1}, {3, 1}, {5, 1}, {1, 1}}, {4, 2, 1, 3}},
      {4, {{5, 1}, {3, 1}, {5, 1}, {1, 1}}, {4, 2, 1, 3}},
      {8, {{5, 1}, {3, 1}, {5, 1}, {1, 1}}, {4, 2, 1, 3}},
      {2, {{5, 1}, {3, 1}, {5, 1}, {7, 1}}, {4, 1, 3, 2}},
      {3, {{5, 1}, {3, 1}, {5, 1}, {7, 1}}, {4, 1, 3, 2}},
      {7, {{5, 1}, {3, 9}, {5, 2}, {7, 7}}, {4, 1, 3, 2}},
      // Before the first interval that strictly contains the new one.
      {5, {{2, 8}, {3, 5}, {1, 9}, {4, 4}, {9, 2}, {3, 8}}, {4, 2, 1, 6, 3, 5}},
      // Before the first interval that the new one strictly contains.
      {6, {{3, 5}, {2, 8}, {1, 9}, {4, 4}, {6, 3}}, {3, 2, 1, 5, 4}},
  };
  for (const OrderCase& c : cases) {
    store.deleteall();
    int32_t fnm = 0;
    for (auto [u, d] : c.ends) store.Add(c.connectionClass, u, d, ++fnm, -1, 0);
    store.general();
    EXPECT_EQ(numbers(), c.expectedFnm) << "class " << c.connectionClass;
  }
  // Classes 5 and 6 are stored with Fup <= Fdn.
  EXPECT_EQ(store.connection(4).Fup, 3);
  EXPECT_EQ(store.connection(4).Fdn, 6);
}

TEST_F(LineStoreTest, GeneralListRunsThroughTheClassesFiveOneThreeSevenEightTwoFourSix) {
  for (int32_t cls = 1; cls <= 8; ++cls) store.Add(cls, 2, 3, cls, -1, 0);
  store.general();
  EXPECT_EQ(store.UboundEntry(), 8);
  EXPECT_EQ(numbers(), (std::vector<int32_t>{5, 1, 3, 7, 8, 2, 4, 6}));
}

TEST_F(LineStoreTest, AddDropsWhatHasNoPlaceInTheTables) {
  store.setContup(10);
  store.setContleft(12);
  store.Add(1, 13, 1, 1, -1, 0);   // beyond max(contup, contleft): reported
  store.Add(8, 1, 14, 2, -1, 0);   // reported
  store.Add(1, 11, 1, 3, -1, 0);   // within the limit, but no column 11
  store.Add(7, 3, 11, 4, -1, 0);
  store.Add(1, 0, 1, 5, -1, 0);    // columns start at 1
  store.Add(5, 0, 4, 6, -1, 0);
  store.Add(1, -1, 1, 7, -1, 0);   // negative positions
  store.Add(8, 2, -3, 8, -1, 0);
  store.Add(0, 1, 1, 9, -1, 0);    // no such class
  store.Add(9, 1, 1, 10, -1, 0);
  store.Add(8, 12, 0, 11, -1, 0);  // side slots may run to the limit and start at 0
  store.Add(3, 10, 12, 12, -1, 0);
  store.general();
  EXPECT_THAT(messenger.texts(), ElementsAre("Error! The entrance data exceed an allowable range.clgeneral",
                                             "Error! The entrance data exceed an allowable range.clgeneral"));
  EXPECT_THAT(numbers(), ElementsAre(12, 11));
}

TEST_F(LineStoreTest, NestedLeftEndsStackAndSpreadEvenly) {
  store.Add(1, 10, 1, 1, 111, 3);
  store.Add(1, 5, 2, 2, 222, 0);
  store.general();
  ASSERT_THAT(numbers(), ElementsAre(2, 1));
  for (int32_t c = 1; c <= 5; ++c) {
    EXPECT_EQ(store.level(c, 1), 1) << c;  // the one ending at 5 lies nearer up
    EXPECT_EQ(store.level(c, 2), 2) << c;
    EXPECT_EQ(store.levelCount(c), 2) << c;
  }
  for (int32_t c = 6; c <= 10; ++c) {
    EXPECT_EQ(store.level(c, 1), 0);
    EXPECT_EQ(store.level(c, 2), 1);
    EXPECT_EQ(store.levelCount(c), 1);
  }
  EXPECT_EQ(store.levelCount(11), 0);

  const ContourRails rails = straightRails(12);
  // At 1/3 and 2/3 of the way down; horizontal runs keep only their ends.
  EXPECT_THAT(routeOf(1, rails), ElementsAre(std::pair{10, 10}, std::pair{20, 10}, std::pair{50, 10},
                                             std::pair{50, 0}));
  EXPECT_EQ(route.front().colour, 222);
  EXPECT_EQ(route.front().width, 0);
  EXPECT_THAT(routeOf(2, rails), ElementsAre(std::pair{10, 20}, std::pair{20, 20}, std::pair{50, 20},
                                             std::pair{60, 15}, std::pair{100, 15}, std::pair{100, 0}));
  EXPECT_EQ(route.front().colour, 111);
  EXPECT_EQ(route.front().width, 3);
  EXPECT_EQ(route[1].colour, 0);

  store.LeftBorder(route);
  EXPECT_EQ(route, (Route{{2, 1, 222, 0}, {1, 2, 111, 3}}));
  store.RightBorder(route);
  EXPECT_TRUE(route.empty());
}

TEST_F(LineStoreTest, ConnectionsSharingAnEndFormAGroupAndShareALevel) {
  store.Add(1, 10, 4, 1, -1, 0);
  store.Add(1, 5, 4, 2, -1, 0);  // same left slot
  store.general();
  EXPECT_EQ(store.connection(1).group, store.connection(2).group);
  for (int32_t c = 1; c <= 5; ++c) {
    EXPECT_EQ(store.level(c, 1), 1);
    EXPECT_EQ(store.level(c, 2), 1);
    EXPECT_EQ(store.levelCount(c), 1);
  }

  // Groups reach through other connections: up 3 - left 2 - right 4 - up 7.
  store.deleteall();
  store.Add(1, 3, 2, 1, -1, 0);
  store.Add(8, 4, 2, 2, -1, 0);
  store.Add(3, 7, 4, 3, -1, 0);
  store.Add(1, 5, 6, 4, -1, 0);
  store.Add(7, 5, 9, 5, -1, 0);  // shares up column 5 with Fnm 4
  store.general();
  ASSERT_THAT(numbers(), ElementsAre(1, 4, 3, 5, 2));
  const Connection* byFnm[6] = {};
  for (int32_t n = 1; n <= 5; ++n) byFnm[store.connection(n).Fnm] = &store.connection(n);
  EXPECT_EQ(byFnm[1]->group, byFnm[2]->group);
  EXPECT_EQ(byFnm[1]->group, byFnm[3]->group);
  EXPECT_EQ(byFnm[4]->group, byFnm[5]->group);
  EXPECT_NE(byFnm[1]->group, byFnm[4]->group);
  // Scanned from up slot 0: column 3 comes first.
  EXPECT_EQ(byFnm[1]->group, 1);
  EXPECT_EQ(byFnm[4]->group, 2);
}

TEST_F(LineStoreTest, AGroupLargerThanTenThousandIsWalkedWhole) {
  store.setContup(3);
  for (int32_t i = 0; i < 12000; ++i) store.Add(7, 1, 1, i, -1, 0);
  store.Add(7, 2, 1, 1, -1, 0);  // joins through down column 1
  store.Add(7, 3, 3, 2, -1, 0);
  store.general();
  ASSERT_EQ(store.UboundEntry(), 12002);
  EXPECT_EQ(store.connection(1).Fup, 3);  // descending Fup
  EXPECT_EQ(store.connection(1).group, 2);
  for (int32_t n = 2; n <= 12002; ++n) ASSERT_EQ(store.connection(n).group, 1) << n;
}

TEST_F(LineStoreTest, VerticalClassSevenTakesNoLevelAndRunsStraightDown) {
  store.Add(7, 4, 4, 1, 5, 0);
  store.general();
  for (int32_t c = 0; c <= 12; ++c) EXPECT_EQ(store.levelCount(c), 0);
  const ContourRails rails = straightRails(12);
  EXPECT_THAT(routeOf(1, rails), ElementsAre(std::pair{40, 0}, std::pair{40, 30}));
  EXPECT_EQ(route.front().colour, 5);
}

TEST_F(LineStoreTest, ClassEightAloneRunsAlongTheMiddleRoundingHalvesToEven) {
  store.setContup(4);
  store.Add(8, 3, 5, 1, -1, 0);
  store.general();
  for (int32_t c = 1; c <= 4; ++c) EXPECT_EQ(store.levelCount(c), 1);
  // x = xu - (xu - xd) / 2 and y = (yd - yu) / 2 + yu land on halves.
  const ContourRails rails = {{0, 0, 0, 0}, {3, 0, 2, 5}, {4, 0, 3, 5}, {5, 1, 4, 8}, {7, 0, 6, 7}};
  EXPECT_THAT(routeOf(1, rails), ElementsAre(std::pair{2, 2}, std::pair{4, 2}, std::pair{4, 4},
                                             std::pair{6, 4}));
  // A straight middle keeps only its first two points and its last.
  store.marsh(1, straightRails(4), route);
  EXPECT_EQ(route.size(), 3u);
}

TEST_F(LineStoreTest, RoutesOfEveryClassGoLeftToRight) {
  store.setContup(6);
  store.Add(2, 3, 1, 2, -1, 0);
  store.Add(4, 4, 1, 4, -1, 0);
  store.Add(6, 5, 2, 6, -1, 0);
  store.Add(7, 5, 2, 7, -1, 0);  // from down 2 to up 5
  store.general();
  ASSERT_THAT(numbers(), ElementsAre(7, 2, 4, 6));
  // Pen positions stand apart: rails with different up and down per column.
  ContourRails rails(7);
  for (int32_t c = 0; c <= 6; ++c) rails[static_cast<size_t>(c)] = {100 * c, c, 100 * c + 8, 60 + c};
  EXPECT_EQ(routeOf(1, rails).front(), (std::pair{208, 62}));  // down point of column 2
  EXPECT_EQ(routeOf(1, rails).back(), (std::pair{500, 5}));    // up point of column 5
  EXPECT_EQ(routeOf(2, rails).back(), (std::pair{308, 63}));   // class 2 ends down at 3
  EXPECT_EQ(routeOf(3, rails).front(), (std::pair{408, 64}));  // class 4 starts down at 4
  EXPECT_EQ(routeOf(4, rails).front(), (std::pair{208, 62}));
  EXPECT_EQ(routeOf(4, rails).back(), (std::pair{508, 65}));
}

TEST_F(LineStoreTest, RouteOutOfRangeOrWithoutRailsIsEmpty) {
  store.Add(3, 4, 1, 1, -1, 0);
  store.general();
  route.push_back({1, 1, 1, 1});
  store.marsh(0, straightRails(12), route);
  EXPECT_TRUE(route.empty());
  route.push_back({1, 1, 1, 1});
  store.marsh(2, straightRails(12), route);
  EXPECT_TRUE(route.empty());
  store.marsh(1, straightRails(6), route);  // rails shorter than the layout
  EXPECT_TRUE(route.empty());

  // Columns taken away after filling: the layout keeps to its own columns.
  store.Add(1, 9, 1, 2, -1, 0);
  store.setContup(5);
  store.general();
  EXPECT_EQ(store.levelCount(5), 2);
  store.marsh(1, straightRails(12), route);  // class 1 ending at column 9
  EXPECT_TRUE(route.empty());
}

TEST_F(LineStoreTest, ProgressOncePerPassAndWholeSecondsOfPairing) {
  SteppingClock stepping;
  ClGeneral timed(messenger, progress, stepping);
  timed.setContup(5);
  timed.setContleft(5);
  for (int32_t i = 1; i <= 4; ++i) timed.Add(8, i, i, 0, -1, 0);
  timed.general();
  ASSERT_EQ(progress.events.size(), 5u);
  EXPECT_EQ(progress.events[0].kind, Kind::Init);
  EXPECT_EQ(progress.events[0].value, 4);
  for (int32_t j = 1; j <= 3; ++j) {
    EXPECT_EQ(progress.events[static_cast<size_t>(j)].kind, Kind::Progress);
    EXPECT_EQ(progress.events[static_cast<size_t>(j)].value, j);
  }
  EXPECT_EQ(progress.events[4].kind, Kind::Complete);
  EXPECT_EQ(progress.events[4].value, 2);  // 2.5 s taken, whole seconds

  progress.events.clear();
  timed.deleteall();  // an empty store raises nothing
  EXPECT_TRUE(progress.events.empty());
  EXPECT_EQ(timed.UboundEntry(), 0);
  timed.LeftBorder(route);
  EXPECT_TRUE(route.empty());
}

TEST_F(LineStoreTest, DeleteIRemovesOneConnection) {
  store.Add(5, 1, 4, 1, -1, 0);
  store.Add(3, 2, 1, 2, -1, 0);
  store.Add(3, 6, 1, 3, -1, 0);  // first of class 3 (descending)
  store.Add(6, 2, 3, 7, -1, 0);
  store.Add(4, 2, 3, 7, -1, 0);  // class 4 is searched before class 6
  store.delete_i(0);
  store.general();
  EXPECT_THAT(numbers(), ElementsAre(1, 2, 7, 7));
  store.delete_i(7);
  store.general();
  EXPECT_THAT(numbers(), ElementsAre(1, 2, 7));
  EXPECT_EQ(store.connection(3).connectionClass, 6);
  store.delete_i(99);
  store.delete_i(1);
  store.general();
  EXPECT_THAT(numbers(), ElementsAre(2, 7));
}

TEST_F(LineStoreTest, LargeStoresAndWideContours) {
  // More connections than a run draws: everything stays addressable.
  store.setContup(4);
  for (int32_t i = 0; i < 33000; ++i) store.Add(7, 1 + i % 4, 1 + i % 4, i + 1, -1, 0);
  store.Add(8, 1, 1, 40000, -1, 0);
  store.general();
  ASSERT_EQ(store.UboundEntry(), 33001);
  EXPECT_EQ(store.connection(33001).Fnm, 40000);
  EXPECT_EQ(store.level(4, 33001), 1);
  store.marsh(33001, straightRails(4), route);
  EXPECT_EQ(route.size(), 3u);

  // Many columns, few connections.
  store.deleteall();
  store.setContup(100000);
  store.Add(8, 2, 2, 1, -1, 0);
  store.Add(3, 99999, 1, 2, -1, 0);
  store.general();
  EXPECT_EQ(store.levelCount(100000), 2);
  EXPECT_EQ(store.level(100000, 2), 2);  // class 8 lies below the class 3 there
  EXPECT_EQ(store.levelCount(1), 1);
}

}  // namespace
}  // namespace zefrin
