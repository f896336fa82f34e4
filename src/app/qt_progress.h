// Progress of long work shown in the status bar: the bar while it runs, then
// "Complete.  Time = " with the time the work reported.
#pragma once

#include "platform/seams/progress_listener.h"

namespace zefrin {

class MainStatusBar;

class QtProgress final : public ProgressListener {
 public:
  void setStatusBar(MainStatusBar* bar) { bar_ = bar; }
  void InitProgress(int32_t lMax) override;
  void Progress(int32_t lPosition) override;
  void Complete(int32_t lTimeMs) override;

 private:
  MainStatusBar* bar_ = nullptr;
};

}  // namespace zefrin
