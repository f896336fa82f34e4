#include "generator/run_loop.h"

#include <algorithm>
#include <cmath>

#include "generator/start_generation.h"

namespace zefrin {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Marks a run as in progress for as long as it lives, whichever way the run ends.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

// Copies genset back when it goes out of scope, so no temporary value of a
// run outlives it, however the run ends.
class SettingsSnapshot {
 public:
  explicit SettingsSnapshot(GenSet& genset) : genset_(genset), saved_(genset) {}
  ~SettingsSnapshot() { genset_ = saved_; }
  SettingsSnapshot(const SettingsSnapshot&) = delete;
  SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

 private:
  GenSet& genset_;
  GenSet saved_;
};

}  // namespace

RunLoop::RunLoop(ApplicationState& state, const EngineServices& services)
    : state_(state), services_(services), collaborators_(&defaultCollaborators_) {
  drawBuffer_.reserve(LineBuilder::kLineCapacity);
}

void RunLoop::setCollaborators(RunCollaborators* collaborators) {
  collaborators_ = collaborators ? collaborators : &defaultCollaborators_;
}

RunLoop::StartResult RunLoop::start(ImageDocument* document) {
  if (document == nullptr) {
    services_.messenger.information("Please select an Image to process.");
    return StartResult::NoImage;
  }
  // A second Go while lines are being drawn would nest a run inside the
  // first one; it is refused instead.
  if (running_) return StartResult::AlreadyRunning;
  document->undosetting();
  state_.genset.breakrun = 0;
  if (state_.genset.Operationmode == operation_mode::kManual) {
    return StartResult::HandedToManualMode;
  }
  run(*document, "");
  return StartResult::Started;
}

void RunLoop::requestBreak(bool anyImageWindow) {
  if (!anyImageWindow) return;
  state_.genset.segpause = 0;
  state_.genset.breakrun = 1;
}

bool RunLoop::run(ImageDocument& document, std::string_view manualText) {
  if (running_) return false;
  RunningFlag running(running_);
  GenSet& genset = state_.genset;
  Picture& picture = document.picture();

  document.deleteframe();
  if (genset.clearup == 1) {
    picture.emptyBase();
    picture.clearDrawings();
  }
  sborder_ = std::string(borderTextForRun(collaborators_->selectorshape(), state_.storedOutline));
  picture.state().rasterMode = genset.drawmode;

  if (genset.drawlines == 1) {
    SettingsSnapshot snapshot(genset);
    fittoselection(genset, document.selection(), genset.linewidth, false);
    if (genset.Operationmode == operation_mode::kComplex) {
      collaborators_->bregin(document);
    } else {
      const bool multiOutline = genset.Operationmode == operation_mode::kMultiOutline;
      // Outlines get one contour column per pixel of width.
      if (multiOutline) genset.contup = genset.logicalX;
      igen& generator = state_.generator;
      startGeneration(generator, genset, manualText, sborder_);
      const int32_t count = generator.amountoflines();
      const bool innermostFirst = multiOutline && genset.outldirection == 1;
      for (int32_t b = 1; b <= count; ++b) {
        generator.linebuilding(innermostFirst ? count - b + 1 : b);
        const int32_t penWidth = genset.Operationmode == operation_mode::kManual
                                     ? generator.resultWidth()
                                     : genset.linewidth;
        if (drawLine(document, penWidth) == LineResult::Stop) return true;
        pause(genset.linepause);
        if (genset.breakrun == 1) return true;
        services_.pump.processPendingEvents();
      }
    }
  }

  if (genset.drawborder == 1) {
    if (genset.simpleborder != 0) {
      borderOnlyRun(document);
    } else {
      SettingsSnapshot snapshot(genset);
      fittoselection(genset, document.selection(), genset.borderwidth,
                     collaborators_->borderBrushIsPathGradient());
      collaborators_->breginborder(document);
    }
  }
  return true;
}

void RunLoop::borderOnlyRun(ImageDocument& document) {
  GenSet& genset = state_.genset;
  const std::string sborder(borderTextForRun(collaborators_->selectorshape(), state_.storedOutline));
  {
    SettingsSnapshot snapshot(genset);
    genset.Operationmode = operation_mode::kMultiOutline;
    fittoselection(genset, document.selection(), genset.borderwidth, false);
    genset.contup = genset.logicalX;
    genset.obvgradien = 0;  // the side colours
    startGeneration(state_.generator, genset, "", sborder);
    state_.generator.linebuilding(1);
  }
  drawLine(document, genset.borderwidth);
}

RunLoop::LineResult RunLoop::drawLine(ImageDocument& document, int32_t penWidth) {
  const auto line = state_.generator.line();
  drawBuffer_.assign(line.begin(), line.end());
  if (drawBuffer_.empty()) return LineResult::Continue;
  if (observer_) observer_->lineDrawn(drawBuffer_, penWidth);

  if (!collaborators_->paintToolbarShown()) {
    drawPolyline(document.picture(), penWidth);
    return LineResult::Continue;
  }
  if (collaborators_->selectorshape() == 4) {
    collaborators_->spr(document);
    return LineResult::Stop;
  }
  for (size_t i = 0; i + 1 < drawBuffer_.size(); ++i) {
    if (drawBuffer_[i].colour == kPenUp) continue;
    collaborators_->stampbrush(document, drawBuffer_[i].x, drawBuffer_[i].y);
    services_.pump.processPendingEvents();
  }
  return LineResult::Continue;
}

void RunLoop::drawPolyline(Picture& picture, int32_t penWidth) {
  const GenSet& genset = state_.genset;
  picture.saveState();
  picture.moveTo(drawBuffer_[0].x, drawBuffer_[0].y);
  for (size_t i = 0; i + 1 < drawBuffer_.size(); ++i) {
    const LinePoint& next = drawBuffer_[i + 1];
    if (drawBuffer_[i].colour < 0) {
      picture.moveTo(next.x, next.y);
    } else {
      DrawingState& pen = picture.state();
      pen.penColour = drawBuffer_[i].colour;
      pen.penWidth = penWidth;
      pen.penStyle = genset.penstyle;
      picture.lineTo(next.x, next.y);
    }
    // Read afresh for every segment: Break sets it to 0 so the line being
    // drawn finishes at full speed.
    if (genset.segpause > 0) pause(genset.segpause);
  }
  picture.restoreState();
}

void RunLoop::pause(double seconds) {
  if (!(seconds > 0)) return;
  Clock& clock = services_.clock;
  const double start = clock.secondsSinceMidnight();
  for (;;) {
    // Break ends a pause at once; the run stops right after it anyway.
    if (state_.genset.breakrun == 1) return;
    double elapsed = clock.secondsSinceMidnight() - start;
    if (elapsed < 0) elapsed += kSecondsPerDay;  // the pause spans midnight
    if (elapsed >= seconds) return;
    const double remainingMs = (seconds - elapsed) * 1000.0;
    services_.pump.waitForEvents(static_cast<int32_t>(std::min(remainingMs, 20.0)) + 1);
  }
}

}  // namespace zefrin
