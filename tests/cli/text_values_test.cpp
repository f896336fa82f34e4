#include "cli/text_values.h"

#include <gtest/gtest.h>

namespace zefrin {
namespace {

TEST(TextValues, ColourFormsAgree) {
  // 0xBBGGRR is the stored value, #RRGGBB the HTML order: the same orange.
  EXPECT_EQ(parseColour("0x0080FF"), rgb(255, 128, 0));
  EXPECT_EQ(parseColour("#FF8000"), rgb(255, 128, 0));
  EXPECT_EQ(parseColour("#ff8000"), parseColour("0x0080ff"));
  EXPECT_EQ(parseColour("#000080"), parseColour("0x800000"));
  EXPECT_EQ(parseColour("255"), rgb(255, 0, 0));
  EXPECT_EQ(parseColour("0xFFFFFF"), rgb(255, 255, 255));
}

TEST(TextValues, BadColoursAreRefused) {
  for (const char* text : {"", "#", "#12345", "#1234567", "#GG0000", "0x1000000", "-1", "0x",
                           "red", "12px", "+5"}) {
    EXPECT_FALSE(parseColour(text).has_value()) << text;
  }
}

TEST(TextValues, WholeNumbersTakeTheWholeText) {
  EXPECT_EQ(parseInt32("42"), 42);
  EXPECT_EQ(parseInt32("-7"), -7);
  EXPECT_EQ(parseInt32("+7"), 7);
  EXPECT_EQ(parseInt32("0x10"), 16);
  EXPECT_EQ(parseInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(parseInt32("-2147483648"), INT32_MIN);
  for (const char* text : {"", "-", "12px", "1.5", " 3", "3 ", "2147483648", "0x", "abc", "--1"}) {
    EXPECT_FALSE(parseInt32(text).has_value()) << text;
  }
  EXPECT_FALSE(parseInt32("6", 0, 5).has_value());
}

TEST(TextValues, DecimalNumbers) {
  EXPECT_FLOAT_EQ(*parseFloat("0.25"), 0.25f);
  EXPECT_FLOAT_EQ(*parseFloat("1e-2"), 0.01f);
  EXPECT_FLOAT_EQ(*parseFloat("+3"), 3.0f);
  for (const char* text : {"", "0,5", "x", "1.5s", "inf", "nan"}) {
    EXPECT_FALSE(parseFloat(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace zefrin
