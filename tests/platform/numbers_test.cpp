#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace zefrin {
namespace {

TEST(RoundHalfEven, RoundsHalvesToEvenAndSaturates) {
  struct Case { double in; int32_t out; };
  const Case cases[] = {
      {0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},   {-0.5, 0}, {-1.5, -2},
      {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {127.5, 128}, {191.25, 191}, {-3.7, -4},
      {1e12, std::numeric_limits<int32_t>::max()}, {-1e12, std::numeric_limits<int32_t>::min()},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(IntegerHelpers, FloorAndTruncatingDivision) {
  EXPECT_EQ(floorInt(-0.5), -1);
  EXPECT_EQ(floorInt(2.999), 2);
  EXPECT_EQ(truncDiv(7, 2), 3);
  EXPECT_EQ(truncDiv(-7, 2), -3);
  EXPECT_EQ(truncMod(-7, 2), -1);
  EXPECT_EQ(truncDiv(5, 0), 0);
  EXPECT_EQ(truncMod(5, 0), 0);
  EXPECT_EQ(truncDiv(std::numeric_limits<int32_t>::min(), -1), std::numeric_limits<int32_t>::max());
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  struct Case { const char* text; double value; };
  const Case cases[] = {
      {"42", 42},        {"  -3.25px", -3.25}, {"+7", 7},     {".5", 0.5},  {"5.", 5},
      {"abc", 0},        {"", 0},              {"-", 0},      {"1e3", 1000}, {"2e", 2},
      {"0.75", 0.75},    {"12,5", 12},         {"0010", 10},  {"1.2.3", 1.2},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
  EXPECT_EQ(leadingInteger("2.5"), 2);
  EXPECT_EQ(leadingInteger("3.5"), 4);
  EXPECT_EQ(leadingInteger("-1"), -1);
}

TEST(LeadingNumber, IgnoresTheUsersLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  // A German locale reads "0,75" in strtod; ours must still read "0.75".
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_DOUBLE_EQ(leadingNumber("0.75"), 0.75);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace zefrin
