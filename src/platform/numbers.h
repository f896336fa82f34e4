// The number conventions every part of Zefrin shares: rounding to nearest
// with halves to even, floor, truncating division, and the reading of a
// number typed into a dialog box.
#pragma once

#include <cstdint>
#include <string_view>

namespace zefrin {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Values beyond the 32-bit range saturate; NaN gives 0.
int32_t roundHalfEven(double value);

// Floor, saturating like roundHalfEven.
int32_t floorInt(double value);

// Integer division truncating toward zero. A zero divisor gives 0 rather
// than a crash; callers that can see one guard it themselves.
int32_t truncDiv(int32_t dividend, int32_t divisor);

// Remainder with the sign of the dividend (0 for a zero divisor).
int32_t truncMod(int32_t dividend, int32_t divisor);

// The number at the start of a text: optional blanks, a sign, digits and a
// decimal point, always '.', whatever the user's locale. A text that does not
// start with a number reads as 0.
double leadingNumber(std::string_view text);

// leadingNumber rounded to an integer, halves to even.
int32_t leadingInteger(std::string_view text);

}  // namespace zefrin
