// Uniform random numbers in [0, 1), seeded from the clock in the program and
// from a fixed seed in tests and reproducible renders.
#pragma once

#include <cstdint>
#include <random>

namespace zefrin {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A single-precision draw, never 1.0.
  virtual float uniform() = 0;
  // Start a fresh sequence from the clock (the "Random" pattern does this at
  // every run). A source with a fixed seed restarts that seed instead, so a
  // seeded run is reproducible.
  virtual void reseedFromClock() = 0;
};

class MersenneRandom final : public RandomSource {
 public:
  MersenneRandom();                        // seeded from the clock
  explicit MersenneRandom(uint64_t seed);  // fixed: reseedFromClock restarts it
  float uniform() override;
  void reseedFromClock() override;

 private:
  std::mt19937 engine_;
  bool fixed_ = false;
  uint64_t seed_ = 0;
};

}  // namespace zefrin
