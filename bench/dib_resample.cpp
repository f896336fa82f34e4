// Bilinear resampling of a 12-megapixel buffer down to half and up to twice
// its size, reported in destination megapixels per second. "Into" reuses one
// destination buffer (the interpolation alone); "Resample" is the whole
// operation including making the new buffer.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>

#include "imaging/dib_resample.h"
#include "imaging/dib_section.h"

namespace {

using namespace zefrin;

constexpr int32_t kSourceWidth = 4000;
constexpr int32_t kSourceHeight = 3000;

const cDIBSection& noiseSource() {
  static const cDIBSection source = [] {
    cDIBSection dib;
    dib.Create(kSourceWidth, kSourceHeight);
    std::mt19937 engine(42);
    uint8_t* bits = dib.DIBSectionBitsPtr();
    for (uint32_t i = 0; i < dib.header().imageSize; ++i) bits[i] = static_cast<uint8_t>(engine());
    return dib;
  }();
  return source;
}

void reportRate(benchmark::State& state, int32_t width, int32_t height) {
  state.counters["MPix/s"] = benchmark::Counter(
      static_cast<double>(width) * height * static_cast<double>(state.iterations()) / 1e6,
      benchmark::Counter::kIsRate);
}

void BM_ResampleBilinearInto(benchmark::State& state) {
  const auto width = static_cast<int32_t>(state.range(0));
  const auto height = static_cast<int32_t>(state.range(1));
  const cDIBSection& source = noiseSource();
  cDIBSection destination;
  if (!destination.Create(width, height)) {
    state.SkipWithError("no memory for the destination");
    return;
  }
  for (auto _ : state) {
    resampleBilinear(source, destination);
    benchmark::DoNotOptimize(destination.DIBSectionBitsPtr());
    benchmark::ClobberMemory();
  }
  reportRate(state, width, height);
}

void BM_Resample(benchmark::State& state) {
  const auto width = static_cast<int32_t>(state.range(0));
  const auto height = static_cast<int32_t>(state.range(1));
  const cDIBSection& source = noiseSource();
  for (auto _ : state) {
    std::unique_ptr<cDIBSection> result = source.Resample(height, width);
    benchmark::DoNotOptimize(result.get());
  }
  reportRate(state, width, height);
}

BENCHMARK(BM_ResampleBilinearInto)->Args({2000, 1500})->Args({8000, 6000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Resample)->Args({2000, 1500})->Args({8000, 6000})->Unit(benchmark::kMillisecond);

}  // namespace
