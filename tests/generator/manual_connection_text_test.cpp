#include "generator/manual_connection_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/recording_connection_sink.h"

namespace zefrin {
namespace {

using testing::Added;
using testing::RecordingSink;

std::vector<Added> added(std::string_view text, int32_t N = 41, int32_t M = 12) {
  RecordingSink sink;
  addManualConnections(sink, text, N, M);
  return sink.calls;
}

TEST(ManualConnectionText, ReadsFieldsWithSignsAndPaddingZeros) {
  // The manual window pads -1 to "00000000-1"; a leading sign reads too.
  EXPECT_EQ(added("01050300000000-1002"), (std::vector<Added>{{1, 5, 3, 0, -1, 2}}));
  EXPECT_EQ(added("010503-000000001002"), (std::vector<Added>{{1, 5, 3, 0, -1, 2}}));
  EXPECT_EQ(added("0704090016777215030" "0801020000000000001"),
            (std::vector<Added>{{7, 4, 9, 0, 16777215, 30}, {8, 1, 2, 0, 0, 1}}));
}

TEST(ManualConnectionText, HoldsEachEndToItsSide) {
  EXPECT_EQ(added("0550600000000255001"), (std::vector<Added>{{5, 41, 41, 0, 255, 1}}));
  EXPECT_EQ(added("0820130000000255001"), (std::vector<Added>{{8, 12, 12, 0, 255, 1}}));
  EXPECT_EQ(added("0350300000000255001"), (std::vector<Added>{{3, 41, 12, 0, 255, 1}}));
  // A class outside 1..8 goes to the store as it is; the store keeps nothing of it.
  EXPECT_EQ(added("0999990000000255001"), (std::vector<Added>{{9, 99, 99, 0, 255, 1}}));
}

TEST(ManualConnectionText, CountsRoundedRecordsAndReadsShortOnes) {
  EXPECT_TRUE(readManualConnectionText("").empty());
  const std::string one = "0105030000000255002";
  // 19 + 9 characters: round(1.47) = 1 record, the tail is ignored.
  EXPECT_EQ(readManualConnectionText(one + "080202000").size(), 1u);
  // 19 + 10: round(1.53) = 2; the short record's missing fields read 0.
  const auto records = readManualConnectionText(one + "0802020007");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].connectionClass, 8);
  EXPECT_EQ(records[1].Fup, 2);
  EXPECT_EQ(records[1].Fdn, 2);
  EXPECT_EQ(records[1].colour, 7);
  EXPECT_EQ(records[1].width, 0);
  // Ten characters alone make one record too.
  EXPECT_EQ(readManualConnectionText("0102030000").size(), 1u);
}

TEST(ManualConnectionText, EmptyAndOddFieldsReadZero) {
  // A lone "-" in the colour field and a blank width (a value too long for
  // its field is written as nothing) read 0.
  const auto records = readManualConnectionText(std::string("010203") + "000000000-" + "   ");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].colour, 0);
  EXPECT_EQ(records[0].width, 0);
  EXPECT_EQ(readManualConnectionText(std::string("010203") + "0000000000" + "007")[0].colour, 0);
}

}  // namespace
}  // namespace zefrin
