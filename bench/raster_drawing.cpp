// Line drawing speed of the picture: 10,000 random lines of about 40 pixels
// in a 2000 x 2000 picture, at pen widths 1 and 3. Reports lines per second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/raster/picture.h"

namespace zefrin {
namespace {

constexpr int32_t kSize = 2000;
constexpr int32_t kLines = 10000;

struct Segment {
  PointI from;
  PointI to;
  Colour colour;
};

std::vector<Segment> randomSegments() {
  std::mt19937 random(42);
  std::uniform_int_distribution<int32_t> position(0, kSize - 1);
  std::uniform_real_distribution<double> angle(0.0, 6.283185307179586);
  std::uniform_int_distribution<int32_t> channel(0, 255);
  std::vector<Segment> segments;
  segments.reserve(kLines);
  for (int32_t i = 0; i < kLines; ++i) {
    const PointI from{position(random), position(random)};
    const double a = angle(random);
    const PointI to{from.x + static_cast<int32_t>(std::lround(40.0 * std::cos(a))),
                    from.y + static_cast<int32_t>(std::lround(40.0 * std::sin(a)))};
    segments.push_back({from, to, rgb(channel(random), channel(random), channel(random))});
  }
  return segments;
}

void drawRandomLines(benchmark::State& state, int32_t rasterMode, int32_t penStyle) {
  const std::vector<Segment> segments = randomSegments();
  Picture picture(kSize, kSize, rgb(255, 255, 255));
  picture.state().penWidth = static_cast<int32_t>(state.range(0));
  picture.state().rasterMode = rasterMode;
  picture.state().penStyle = penStyle;
  for (auto _ : state) {
    for (const Segment& s : segments) {
      picture.state().penColour = s.colour;
      picture.moveTo(s.from.x, s.from.y);
      picture.lineTo(s.to.x, s.to.y);
    }
    benchmark::DoNotOptimize(picture.persistentRaster().data());
    benchmark::DoNotOptimize(picture.takeDirtyRect());
  }
  state.SetItemsProcessed(state.iterations() * kLines);
  state.SetLabel("items = lines");
}

void BM_LinesCopyPen(benchmark::State& state) { drawRandomLines(state, raster_mode::kCopyPen, 0); }
void BM_LinesXorPen(benchmark::State& state) { drawRandomLines(state, raster_mode::kXorPen, 0); }
void BM_LinesDotted(benchmark::State& state) { drawRandomLines(state, raster_mode::kCopyPen, 2); }

BENCHMARK(BM_LinesCopyPen)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinesXorPen)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinesDotted)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zefrin
