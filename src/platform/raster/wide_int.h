// 128-bit integers for the exact geometry of lines and polygons whose
// coordinates may lie anywhere in the 32-bit range (products of two
// coordinate differences overflow 64 bits).
#pragma once

#include <cstdint>

namespace zefrin {

__extension__ typedef __int128 Int128;

// Floor of a / b for b > 0.
constexpr Int128 floorDiv(Int128 a, Int128 b) {
  // 128-bit division is slow; most operands fit in 64 bits.
  if (a == static_cast<int64_t>(a) && b == static_cast<int64_t>(b)) {
    const int64_t a64 = static_cast<int64_t>(a), b64 = static_cast<int64_t>(b);
    int64_t q = a64 / b64;
    if ((a64 % b64 != 0) && (a64 < 0)) --q;
    return q;
  }
  Int128 q = a / b;
  if ((a % b != 0) && (a < 0)) --q;
  return q;
}

// Ceiling of a / b for b > 0.
constexpr Int128 ceilDiv(Int128 a, Int128 b) { return -floorDiv(-a, b); }

}  // namespace zefrin
