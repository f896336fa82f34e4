// Runs drawn into a 2000 x 2000 picture: the whole run loop (layout, line
// building and drawing), and the layout alone so the drawing share shows.
#include <benchmark/benchmark.h>

#include "generator/run_loop.h"
#include "generator/start_generation.h"

namespace {

using namespace zefrin;

struct Setup {
  NoEventPump pump;
  SilentMessenger messenger;
  NoProgress progress;
  SystemClock clock;
  MersenneRandom random{7};
  EngineServices services{pump, messenger, progress, clock, random};
  ApplicationState state{services};
  RunLoop loop{state, services};
  ImageDocument document{2000, 2000, 0x800000};

  void randomRun(int32_t lines, int32_t width) {
    state.genset.funcs = 0;
    state.genset.modeparam1 = lines;
    state.genset.linewidth = width;
  }
  void multiOutline(int32_t outlines) {
    state.genset.Operationmode = operation_mode::kMultiOutline;
    state.genset.numblines = outlines;
  }
};

// Layout and line building only, as the run does them before drawing.
int64_t buildWithoutDrawing(Setup& s) {
  GenSet g = s.state.genset;
  fittoselection(g, s.document.selection(), g.linewidth, false);
  if (g.Operationmode == operation_mode::kMultiOutline) g.contup = g.logicalX;
  startGeneration(s.state.generator, g, "", "");
  int64_t points = 0;
  for (int32_t i = 1; i <= s.state.generator.amountoflines(); ++i) {
    s.state.generator.linebuilding(i);
    points += s.state.generator.linelength() + 1;
  }
  return points;
}

void BM_RandomRun(benchmark::State& st) {
  Setup s;
  s.randomRun(10000, static_cast<int32_t>(st.range(0)));
  for (auto _ : st) s.loop.run(s.document, "");
  st.counters["lines/s"] = benchmark::Counter(10000, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RandomRunWithoutDrawing(benchmark::State& st) {
  Setup s;
  s.randomRun(10000, static_cast<int32_t>(st.range(0)));
  for (auto _ : st) benchmark::DoNotOptimize(buildWithoutDrawing(s));
}

void BM_MultiOutlineRun(benchmark::State& st) {
  Setup s;
  s.multiOutline(500);
  for (auto _ : st) s.loop.run(s.document, "");
}

void BM_MultiOutlineWithoutDrawing(benchmark::State& st) {
  Setup s;
  s.multiOutline(500);
  for (auto _ : st) benchmark::DoNotOptimize(buildWithoutDrawing(s));
}

BENCHMARK(BM_RandomRun)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomRunWithoutDrawing)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiOutlineRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultiOutlineWithoutDrawing)->Unit(benchmark::kMillisecond);

}  // namespace
