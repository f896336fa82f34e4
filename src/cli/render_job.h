// One zefrin-render run, in-process: the settings from the options, a fresh
// application state, an image document of the picture size, and the run
// loop drawing into it. Writing the results is left to the caller.
#pragma once

#include <memory>

#include "cli/render_options.h"
#include "document/image_document.h"
#include "generator/run_loop.h"
#include "platform/seams/engine_services.h"
#include "session/application_state.h"

namespace zefrin {

// The selection kind the main window would have; the rest of the defaults
// (no paint toolbar, no complex fills) are the command line's too.
class SelectionKindCollaborators final : public RunCollaborators {
 public:
  explicit SelectionKindCollaborators(int32_t kind) : kind_(kind) {}
  int32_t selectorshape() const override { return kind_; }

 private:
  int32_t kind_;
};

class RenderJob {
 public:
  // progress receives the line store's layout progress.
  RenderJob(const RenderOptions& options, ProgressListener& progress);

  // Sets up the state and the document and runs the generation. observer,
  // when given, sees every drawn line. Returns false when the run loop
  // refused to start.
  bool run(LineObserver* observer = nullptr);

  ImageDocument& document() { return document_; }
  ApplicationState& state() { return state_; }
  EngineServices services() { return EngineServices{pump_, messenger_, progress_, clock_, *random_}; }

 private:
  void prepare();

  const RenderOptions& options_;
  NoEventPump pump_;
  SilentMessenger messenger_;
  ProgressListener& progress_;
  SystemClock clock_;
  std::unique_ptr<MersenneRandom> random_;
  ApplicationState state_;
  ImageDocument document_;
  SelectionKindCollaborators collaborators_;
};

// Width and height of the stored outline: its largest x and y.
StoredOutlineSize outlineExtent(std::string_view records);

}  // namespace zefrin
