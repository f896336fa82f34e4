// A whole "Random" run through the generator: decodestr (pattern, layout)
// and every linebuilding, in a 2000 x 2000 pattern area.
#include <benchmark/benchmark.h>

#include "generator/start_generation.h"
#include "session/application_state.h"

namespace {

using namespace zefrin;

struct Run {
  NoEventPump pump;
  SilentMessenger messenger;
  NoProgress progress;
  SystemClock clock;
  MersenneRandom random{2026};
  ApplicationState state{EngineServices{pump, messenger, progress, clock, random}};

  explicit Run(int32_t lines, int32_t contup) {
    GenSet& g = state.genset;
    g.funcs = 0;
    g.modeparam1 = lines;
    g.contup = contup;
    g.logicalX = 2000;
    g.logicalY = 2000;
  }
  void prepare() { startGeneration(state.generator, state.genset, "", ""); }
  int64_t buildAll() {
    int64_t points = 0;
    const int32_t count = state.generator.amountoflines();
    for (int32_t i = 1; i <= count; ++i) {
      state.generator.linebuilding(i);
      points += state.generator.linelength() + 1;
    }
    return points;
  }
};

void BM_RandomRunLayout(benchmark::State& st) {
  Run run(static_cast<int32_t>(st.range(0)), static_cast<int32_t>(st.range(1)));
  for (auto _ : st) run.prepare();
  st.counters["lines"] = run.state.generator.amountoflines();
}

void BM_RandomRunBuildLines(benchmark::State& st) {
  Run run(static_cast<int32_t>(st.range(0)), static_cast<int32_t>(st.range(1)));
  run.prepare();
  int64_t points = 0;
  for (auto _ : st) points = run.buildAll();
  st.counters["points"] = static_cast<double>(points);
  st.counters["lines/s"] = benchmark::Counter(static_cast<double>(run.state.generator.amountoflines()),
                                              benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RandomRunWhole(benchmark::State& st) {
  Run run(static_cast<int32_t>(st.range(0)), static_cast<int32_t>(st.range(1)));
  for (auto _ : st) {
    run.prepare();
    benchmark::DoNotOptimize(run.buildAll());
  }
}

void BM_MultiOutlineRun(benchmark::State& st) {
  Run run(0, 2000);
  GenSet& g = run.state.genset;
  g.Operationmode = operation_mode::kMultiOutline;
  g.numblines = static_cast<int32_t>(st.range(0));
  g.contup = g.logicalX;  // the run loop sets contup to the area's width
  for (auto _ : st) {
    run.prepare();
    benchmark::DoNotOptimize(run.buildAll());
  }
}

BENCHMARK(BM_RandomRunLayout)->Args({10000, 41})->Args({10000, 400})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomRunBuildLines)->Args({10000, 41})->Args({10000, 400})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomRunWhole)->Args({10000, 41})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiOutlineRun)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace
