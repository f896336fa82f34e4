// Progress of long work: the line store's layout and every image operation
// report through this. The main window turns it into its progress bar.
#pragma once

#include <cstdint>

namespace zefrin {

class ProgressListener {
 public:
  virtual ~ProgressListener() = default;
  virtual void InitProgress(int32_t lMax) = 0;
  virtual void Progress(int32_t lPosition) = 0;
  virtual void Complete(int32_t lTimeMs) = 0;
};

class NoProgress final : public ProgressListener {
 public:
  void InitProgress(int32_t) override {}
  void Progress(int32_t) override {}
  void Complete(int32_t) override {}
};

}  // namespace zefrin
