#include <chrono>

#include "platform/seams/random_source.h"

namespace zefrin {

namespace {
uint64_t clockSeed() {
  return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

MersenneRandom::MersenneRandom() : engine_(static_cast<std::mt19937::result_type>(clockSeed())) {}

MersenneRandom::MersenneRandom(uint64_t seed)
    : engine_(static_cast<std::mt19937::result_type>(seed)), fixed_(true), seed_(seed) {}

float MersenneRandom::uniform() {
  // 24 random bits fill a float's mantissa exactly, so the result is < 1.
  return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

void MersenneRandom::reseedFromClock() {
  engine_.seed(static_cast<std::mt19937::result_type>(fixed_ ? seed_ : clockSeed()));
}

}  // namespace zefrin
