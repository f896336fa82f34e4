// zefrin-render's whole work for a 10,000-line "Random" run into a
// 4000 x 3000 PNG, in-process: the run loop (layout, line building, drawing)
// and the PNG encoding. The steps are also timed one by one to show where
// the time goes.
#include <benchmark/benchmark.h>

#include <vector>

#include "cli/render_job.h"
#include "cli/render_options.h"
#include "generator/line_export.h"
#include "generator/start_generation.h"
#include "platform/qt/image_codecs.h"

namespace {

using namespace zefrin;

constexpr int32_t kWidth = 4000;
constexpr int32_t kHeight = 3000;
constexpr int32_t kLines = 10000;

RenderOptions randomRunOptions() {
  RenderOptions options;
  options.genset.funcs = 0;  // Random
  options.genset.modeparam1 = kLines;
  options.genset.imagewidth = kWidth;
  options.genset.imageheight = kHeight;
  options.seed = 2026;
  options.output = "bench.png";
  return options;
}

// The settings as the run hands them to the generator: the pattern area
// fitted to the whole picture.
GenSet fittedSettings(const RenderOptions& options) {
  GenSet genset = options.genset;
  fittoselection(genset, SelectionArea{kWidth, kHeight, 0, 0}, genset.linewidth, false);
  return genset;
}

void BM_WholeRenderToPng(benchmark::State& st) {
  const RenderOptions options = randomRunOptions();
  std::vector<char> png;
  for (auto _ : st) {
    NoProgress progress;
    RenderJob job(options, progress);
    job.run();
    encodeImage(job.document().picture().persistentRaster(), ImageFormat::Png, png);
    benchmark::DoNotOptimize(png.data());
  }
  st.counters["png_bytes"] = static_cast<double>(png.size());
}

void BM_RunLoopOnly(benchmark::State& st) {
  const RenderOptions options = randomRunOptions();
  for (auto _ : st) {
    NoProgress progress;
    RenderJob job(options, progress);
    job.run();
    benchmark::DoNotOptimize(job.document().picture().persistentRaster().data());
  }
}

void BM_StepLayout(benchmark::State& st) {
  const RenderOptions options = randomRunOptions();
  NoProgress progress;
  RenderJob job(options, progress);
  const GenSet genset = fittedSettings(options);
  for (auto _ : st) startGeneration(job.state().generator, genset, "", "");
  st.counters["lines"] = job.state().generator.amountoflines();
}

void BM_StepBuildLines(benchmark::State& st) {
  const RenderOptions options = randomRunOptions();
  NoProgress progress;
  RenderJob job(options, progress);
  igen& generator = job.state().generator;
  startGeneration(generator, fittedSettings(options), "", "");
  for (auto _ : st) {
    for (int32_t i = 1; i <= generator.amountoflines(); ++i) {
      generator.linebuilding(i);
      benchmark::DoNotOptimize(generator.line().data());
    }
  }
}

// The drawing alone: the lines of the run drawn again, segment by segment
// with the run's pen, into the picture.
void BM_StepDrawLines(benchmark::State& st) {
  const RenderOptions options = randomRunOptions();
  NoProgress progress;
  RenderJob job(options, progress);
  LineCollector collector;
  job.run(&collector);
  Picture& picture = job.document().picture();
  for (auto _ : st) {
    for (const DrawnLine& line : collector.lines()) {
      picture.state().penWidth = line.width;
      picture.moveTo(line.points[0].x, line.points[0].y);
      for (size_t i = 0; i + 1 < line.points.size(); ++i) {
        const LinePoint& next = line.points[i + 1];
        if (line.points[i].colour < 0) {
          picture.moveTo(next.x, next.y);
        } else {
          picture.state().penColour = line.points[i].colour;
          picture.lineTo(next.x, next.y);
        }
      }
    }
    benchmark::DoNotOptimize(picture.persistentRaster().data());
  }
  st.counters["segments"] = static_cast<double>(drawnSegmentCount(collector.lines()));
}

void BM_StepEncodePng(benchmark::State& st) {
  const RenderOptions options = randomRunOptions();
  NoProgress progress;
  RenderJob job(options, progress);
  job.run();
  std::vector<char> png;
  for (auto _ : st) {
    encodeImage(job.document().picture().persistentRaster(), ImageFormat::Png, png);
    benchmark::DoNotOptimize(png.data());
  }
  st.counters["png_bytes"] = static_cast<double>(png.size());
}

BENCHMARK(BM_WholeRenderToPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLoopOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepBuildLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepDrawLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepEncodePng)->Unit(benchmark::kMillisecond);

}  // namespace
