#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zefrin {

namespace {

int32_t saturate(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace

int32_t roundHalfEven(double value) {
  // std::nearbyint follows the current rounding mode, which is never changed
  // in Zefrin; spell the rule out instead so it holds regardless.
  double floorValue = std::floor(value);
  double fraction = value - floorValue;
  double rounded;
  if (fraction > 0.5) {
    rounded = floorValue + 1.0;
  } else if (fraction < 0.5) {
    rounded = floorValue;
  } else {
    rounded = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
  }
  return saturate(rounded);
}

int32_t floorInt(double value) { return saturate(std::floor(value)); }

int32_t truncDiv(int32_t dividend, int32_t divisor) {
  if (divisor == 0) return 0;
  if (divisor == -1) return saturate(-static_cast<double>(dividend));
  return dividend / divisor;
}

int32_t truncMod(int32_t dividend, int32_t divisor) {
  if (divisor == 0 || divisor == -1) return 0;
  return dividend % divisor;
}

double leadingNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  auto isDigit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  const size_t start = pos;
  bool anyDigit = false;
  while (isDigit(pos)) { ++pos; anyDigit = true; }
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (isDigit(pos)) { ++pos; anyDigit = true; }
  }
  if (!anyDigit) return 0.0;
  // An exponent belongs to the number only when digits follow it ("1e3").
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t expPos = pos + 1;
    if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) ++expPos;
    if (isDigit(expPos)) {
      while (isDigit(expPos)) ++expPos;
      pos = expPos;
    }
  }
  // from_chars reads '.' as the decimal point under every locale.
  std::string_view digits = text.substr(start, pos - start);
  double value = 0.0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: the sign of the exponent says which.
    bool tiny = digits.find("e-") != std::string_view::npos || digits.find("E-") != std::string_view::npos;
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

int32_t leadingInteger(std::string_view text) { return roundHalfEven(leadingNumber(text)); }

}  // namespace zefrin
