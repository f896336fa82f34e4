// Layout of a "Random" pattern store: the line store's general() against the
// plain pairing that marks every column of every pair's interval.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "generator/line_store.h"
#include "platform/seams/clock.h"
#include "platform/seams/messenger.h"
#include "platform/seams/progress_listener.h"
#include "platform/seams/random_source.h"
#include "support/literal_pairing.h"

namespace {

using namespace zefrin;

constexpr int32_t kContleft = 12;  // M

// Connections drawn as the "Random" pattern draws them, from a fixed seed.
void fillLikeRandomPattern(ClGeneral& store, int32_t count, int32_t N) {
  MersenneRandom random(20240611);
  const int32_t M = kContleft;
  auto draw = [&random](double scale) { return static_cast<int32_t>(std::floor(scale * random.uniform() + 1.0)); };
  for (int32_t k = 0; k < count; ++k) {
    const int32_t cls = draw(8);
    int32_t u = 0;
    int32_t d = 0;
    if (cls <= 4) {
      u = draw(N);
      d = draw(M);
    } else if (cls <= 6) {
      const int32_t a = draw(N);
      const int32_t g = draw(N - 1);
      if (g < a) {
        u = g;
        d = a;
      } else {
        u = a;
        d = g + 1;
      }
    } else if (cls == 7) {
      u = draw(N);
      d = draw(N);
    } else {
      u = draw(M);
      d = draw(M);
    }
    store.Add(cls, u, d, 0, -1, 0);
  }
}

struct Fixture {
  SilentMessenger messenger;
  NoProgress progress;
  SystemClock clock;
  ClGeneral store{messenger, progress, clock};
  Fixture(int32_t count, int32_t N) {
    store.setContup(N);
    store.setContleft(kContleft);
    fillLikeRandomPattern(store, count, N);
  }
};

// Mean seconds per run of the fast layout, for the literal runs' ratio.
std::map<std::pair<int64_t, int64_t>, double>& fastSeconds() {
  static std::map<std::pair<int64_t, int64_t>, double> seconds;
  return seconds;
}

void BM_General(benchmark::State& state) {
  const auto count = static_cast<int32_t>(state.range(0));
  const auto N = static_cast<int32_t>(state.range(1));
  Fixture fixture(count, N);
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    fixture.store.general();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    benchmark::DoNotOptimize(fixture.store.levelCount(1));
  }
  fastSeconds()[{count, N}] = total / static_cast<double>(state.iterations());
}

void BM_LiteralPairing(benchmark::State& state) {
  const auto count = static_cast<int32_t>(state.range(0));
  const auto N = static_cast<int32_t>(state.range(1));
  Fixture fixture(count, N);
  fixture.store.general();
  std::vector<Connection> list;
  for (int32_t n = 1; n <= fixture.store.UboundEntry(); ++n) list.push_back(fixture.store.connection(n));
  double total = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    LevelTable depths = zefrin::testing::literalDepths(list, N);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    benchmark::DoNotOptimize(depths.at(1, 0));
  }
  const double literal = total / static_cast<double>(state.iterations());
  const auto fast = fastSeconds().find({count, N});
  if (fast != fastSeconds().end() && fast->second > 0) {
    const double ratio = literal / fast->second;
    state.counters["fast_general_times_faster"] = ratio;
    std::printf("%d connections, contup %d: general %.4f s, literal pairing alone %.4f s, ratio %.1fx\n", count, N,
                fast->second, literal, ratio);
  }
}

BENCHMARK(BM_General)->Args({2000, 41})->Args({2000, 400})->Args({10000, 41})->Args({10000, 400})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralPairing)->Args({2000, 41})->Args({2000, 400})->Args({10000, 41})->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralPairing)->Args({10000, 400})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
