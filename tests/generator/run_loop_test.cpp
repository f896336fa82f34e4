#include "generator/run_loop.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/test_services.h"

namespace zefrin {
namespace {

// Keeps every line the run draws.
struct LineRecorder : LineObserver {
  struct Line {
    std::vector<LinePoint> points;
    int32_t width;
  };
  void lineDrawn(std::span<const LinePoint> points, int32_t penWidth) override {
    lines.push_back({{points.begin(), points.end()}, penWidth});
  }
  std::vector<Line> lines;
};

// An event pump that runs a test's action when the run yields, and moves the
// fake clock on while a pause waits.
class ScriptedPump final : public EventPump {
 public:
  explicit ScriptedPump(testing::FakeClock& clock) : clock_(clock) {}
  void processPendingEvents() override {
    ++calls;
    if (onEvents) onEvents();
  }
  void waitForEvents(int32_t) override {
    ++waits;
    ASSERT_LT(waits, 100000) << "a pause never ended";
    clock_.seconds += step;
    if (clock_.seconds >= 86400.0) clock_.seconds -= 86400.0;
    processPendingEvents();
  }
  std::function<void()> onEvents;
  double step = 0.01;
  int calls = 0;
  int waits = 0;

 private:
  testing::FakeClock& clock_;
};

class RunLoopTest : public ::testing::Test {
 protected:
  RunLoopTest()
      : pump(services.clock),
        engine{pump, services.messenger, services.progress, services.clock, services.random},
        state(engine),
        loop(state, engine),
        document(400, 300, state.genset.backcolor) {
    loop.setObserver(&recorder);
  }

  // Pixels that differ from the background.
  RectI drawnArea() const {
    RectI area{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    const RasterImage& r = document.picture().persistentRaster();
    const Pixel background = pixelFromColour(state.genset.backcolor);
    for (int32_t y = 0; y < r.height(); ++y)
      for (int32_t x = 0; x < r.width(); ++x)
        if (r.at(x, y) != background) {
          area.left = std::min(area.left, x);
          area.top = std::min(area.top, y);
          area.right = std::max(area.right, x + 1);
          area.bottom = std::max(area.bottom, y + 1);
        }
    return area;
  }

  testing::TestServices services;
  ScriptedPump pump;
  EngineServices engine;
  ApplicationState state;
  RunLoop loop;
  ImageDocument document;
  LineRecorder recorder;
};

TEST_F(RunLoopTest, StartWithoutAnImageSaysSoAndDrawsNothing) {
  EXPECT_EQ(loop.start(nullptr), RunLoop::StartResult::NoImage);
  EXPECT_EQ(services.messenger.texts(), std::vector<std::string>{"Please select an Image to process."});
  EXPECT_TRUE(recorder.lines.empty());
}

TEST_F(RunLoopTest, GoDrawsEveryLineInsideTheSelectionAndRestoresTheSettings) {
  const GenSet before = state.genset;
  document.selogicalxy(50, 40, 250, 190);
  EXPECT_EQ(loop.start(&document), RunLoop::StartResult::Started);
  EXPECT_EQ(recorder.lines.size(), 12u);  // Horizontal with 12 side slots
  const RectI area = drawnArea();
  EXPECT_GE(area.left, 50);
  EXPECT_GE(area.top, 40);
  EXPECT_LE(area.right, 250);
  EXPECT_LE(area.bottom, 190);
  EXPECT_FALSE(area.empty());
  EXPECT_EQ(state.genset, before);
  EXPECT_EQ(document.undoTop(), 0);  // Go took an undo snapshot
}

TEST_F(RunLoopTest, BreakInMultiOutlineStopsAfterTheLineAndRestoresContup) {
  state.genset.Operationmode = operation_mode::kMultiOutline;
  state.genset.segpause = 0.01f;  // Break arrives while the first outline is drawn
  const GenSet before = state.genset;
  pump.onEvents = [&] { loop.requestBreak(true); };
  loop.start(&document);
  EXPECT_EQ(recorder.lines.size(), 1u);
  EXPECT_EQ(state.genset.contup, before.contup);
  EXPECT_EQ(state.genset, before);  // breakrun and segpause too
}

TEST_F(RunLoopTest, BreakDuringASlowLineFinishesItAtFullSpeed) {
  state.genset.segpause = 0.1f;
  int breaksAt = 0;
  pump.onEvents = [&] {
    if (++breaksAt == 3) loop.requestBreak(true);
  };
  loop.start(&document);
  ASSERT_EQ(recorder.lines.size(), 1u);
  // The pauses stopped after Break, yet the whole first line was drawn.
  EXPECT_LT(pump.waits, 40);
  const auto& line = recorder.lines[0].points;
  const Pixel background = pixelFromColour(state.genset.backcolor);
  const LinePoint& beforeEnd = line[line.size() - 2];
  EXPECT_NE(document.picture().persistentRaster().at(beforeEnd.x, beforeEnd.y), background);
  EXPECT_FLOAT_EQ(state.genset.segpause, 0.1f);
}

TEST_F(RunLoopTest, PausesEndAcrossMidnight) {
  state.genset.linepause = 0.2f;
  services.clock.seconds = 86399.95;
  loop.start(&document);
  EXPECT_EQ(recorder.lines.size(), 12u);
  // About 0.2 s per line in steps of 0.01 s.
  EXPECT_GE(pump.waits, 12 * 19);
  EXPECT_LE(pump.waits, 12 * 22);
}

TEST_F(RunLoopTest, InnermostOutlineFirstWhenAsked) {
  state.genset.Operationmode = operation_mode::kMultiOutline;
  state.genset.numblines = 5;
  state.genset.outldirection = 1;
  loop.start(&document);
  ASSERT_EQ(recorder.lines.size(), 5u);
  auto width = [](const LineRecorder::Line& l) {
    auto [lo, hi] = std::minmax_element(l.points.begin(), l.points.end(),
                                        [](auto& a, auto& b) { return a.x < b.x; });
    return hi->x - lo->x;
  };
  for (size_t i = 1; i < 5; ++i) EXPECT_GT(width(recorder.lines[i]), width(recorder.lines[i - 1]));
}

TEST_F(RunLoopTest, BorderOnlyWhenLinesAreOff) {
  state.genset.drawlines = 0;
  state.genset.drawborder = 1;
  state.genset.simpleborder = -1;
  state.genset.borderwidth = 3;
  const GenSet before = state.genset;
  loop.start(&document);
  ASSERT_EQ(recorder.lines.size(), 1u);
  EXPECT_EQ(recorder.lines[0].width, 3);
  // The outline of the whole pattern area, in the side colours.
  const auto& points = recorder.lines[0].points;
  EXPECT_EQ(points.front().colour, state.genset.obvcolup);
  EXPECT_EQ(state.genset, before);
}

TEST_F(RunLoopTest, ASecondGoDuringARunIsRefused) {
  RunLoop::StartResult nested = RunLoop::StartResult::Started;
  pump.onEvents = [&] {
    if (nested == RunLoop::StartResult::Started) nested = loop.start(&document);
  };
  loop.start(&document);
  EXPECT_EQ(nested, RunLoop::StartResult::AlreadyRunning);
  EXPECT_EQ(recorder.lines.size(), 12u);
  EXPECT_FALSE(loop.running());
}

TEST_F(RunLoopTest, ManualModeHandsOverAndDrawsWithTheConnectionsWidths) {
  state.genset.Operationmode = operation_mode::kManual;
  EXPECT_EQ(loop.start(&document), RunLoop::StartResult::HandedToManualMode);
  EXPECT_TRUE(recorder.lines.empty());
  loop.run(document, "01050300000000-1005");
  ASSERT_EQ(recorder.lines.size(), 1u);
  EXPECT_EQ(recorder.lines[0].width, 5);
}

TEST_F(RunLoopTest, ClearingBeforeTheRunFollowsTheToolbarToggle) {
  document.picture().setPixel(0, 0, 0x00FF00);
  state.genset.clearup = 0;
  loop.start(&document);
  EXPECT_EQ(document.picture().getPixel(0, 0), 0x00FF00);
  state.genset.clearup = 1;
  loop.start(&document);
  EXPECT_EQ(document.picture().getPixel(0, 0), state.genset.backcolor);
}

TEST_F(RunLoopTest, XorRunDrawnTwiceLeavesThePictureAsItWas) {
  state.genset.clearup = 0;
  state.genset.drawmode = raster_mode::kXorPen;
  state.genset.funcs = 15;  // Spider: crossing lines
  const RasterImage before = document.picture().persistentRaster();
  loop.start(&document);
  EXPECT_NE(document.picture().persistentRaster(), before);
  loop.start(&document);
  EXPECT_EQ(document.picture().persistentRaster(), before);
}

}  // namespace
}  // namespace zefrin
