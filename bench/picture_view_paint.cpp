// Repainting an image window's view of a 4000 x 3000 picture: what one
// scroll step or one drawn line costs (the exposed part only) against
// painting the whole picture. Runs with Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "app/picture_view.h"
#include "platform/raster/picture.h"

namespace {

using namespace zefrin;

QApplication& application() {
  static int argc = 1;
  static char name[] = "picture_view_paint_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app = (setenv("QT_QPA_PLATFORM", "offscreen", 0), QApplication(argc, argv));
  return app;
}

void paintRegion(benchmark::State& state, const QRect& exposed) {
  application();
  Picture picture(4000, 3000, 0x800000);
  picture.state().penColour = 0x00FFFF;
  picture.moveTo(0, 0);
  picture.lineTo(3999, 2999);
  PictureView view(picture);
  QImage target(exposed.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&target);
    view.render(&painter, QPoint(), QRegion(exposed));
  }
  state.counters["Mpixels/s"] =
      benchmark::Counter(static_cast<double>(exposed.width()) * exposed.height() / 1e6,
                         benchmark::Counter::kIsIterationInvariantRate);
}

void BM_PaintVisibleWindow(benchmark::State& state) { paintRegion(state, QRect(1200, 900, 1000, 700)); }
void BM_PaintScrollStep(benchmark::State& state) { paintRegion(state, QRect(1200, 900, 1000, 40)); }
void BM_PaintWholePicture(benchmark::State& state) { paintRegion(state, QRect(0, 0, 4000, 3000)); }

BENCHMARK(BM_PaintVisibleWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWholePicture)->Unit(benchmark::kMillisecond);

}  // namespace
