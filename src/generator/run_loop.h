// The run loop: draws a generation, line by line at the chosen speed, into
// the selection of an image document, then the border when asked. Between
// segments and lines it lets the user interface run (the event pump), which
// is how Break reaches it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "document/image_document.h"
#include "generator/line_builder.h"
#include "session/application_state.h"

namespace zefrin {

// Sees every line as it is drawn (points after rotation, and the pen width):
// zefrin-render writes them out as SVG and JSON.
class LineObserver {
 public:
  virtual ~LineObserver() = default;
  virtual void lineDrawn(std::span<const LinePoint> points, int32_t penWidth) = 0;
};

// What the run loop needs of the program around it that comes with later
// parts of Zefrin: the selection kind, the paint toolbar's brush, the
// complex-mode fills. The defaults describe a program without them: a
// rectangular selection, the paint toolbar hidden, no complex fills.
class RunCollaborators {
 public:
  virtual ~RunCollaborators() = default;
  virtual int32_t selectorshape() const { return 1; }
  virtual bool paintToolbarShown() const { return false; }
  // Complex mode: fill the shape instead of drawing lines.
  virtual void bregin(ImageDocument&) {}
  // Complex border; pathGradient tells whether the brush type ignores the pen width.
  virtual void breginborder(ImageDocument&) {}
  virtual bool borderBrushIsPathGradient() const { return false; }
  // Paint toolbar shown: stamp the brush at a point / along the selection outline.
  virtual void stampbrush(ImageDocument&, int32_t, int32_t) {}
  virtual void spr(ImageDocument&) {}
};

class RunLoop {
 public:
  RunLoop(ApplicationState& state, const EngineServices& services);

  enum class StartResult { Started, NoImage, AlreadyRunning, HandedToManualMode };
  // The Start command ("Go"): needs a document; refuses to nest while a run
  // is in progress. In Manual mode it hands over (the caller opens the
  // manual connection window, which calls run with its text).
  StartResult start(ImageDocument* document);
  // Break: only acts while at least one image window exists.
  void requestBreak(bool anyImageWindow);
  bool running() const { return running_; }

  // The run itself. Returns false when it was refused because another run is
  // in progress.
  bool run(ImageDocument& document, std::string_view manualText);
  // Draws only the shape's outermost outline as the border.
  void borderOnlyRun(ImageDocument& document);

  void setObserver(LineObserver* observer) { observer_ = observer; }
  void setCollaborators(RunCollaborators* collaborators);

 private:
  enum class LineResult { Continue, Stop };
  LineResult drawLine(ImageDocument& document, int32_t penWidth);
  void drawPolyline(Picture& picture, int32_t penWidth);
  void pause(double seconds);

  ApplicationState& state_;
  EngineServices services_;
  RunCollaborators defaultCollaborators_;
  RunCollaborators* collaborators_;
  LineObserver* observer_ = nullptr;
  std::vector<LinePoint> drawBuffer_;
  std::string sborder_;
  bool running_ = false;
};

}  // namespace zefrin
