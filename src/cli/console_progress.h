// The progress line zefrin-render writes on stderr: the layout's percentage,
// then the line being drawn. On a terminal it appears at once and is
// rewritten in place; otherwise it appears only once the run has taken more
// than a second, as a new line at most every second, so short runs and
// scripts see nothing.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <span>

#include "generator/generator.h"
#include "generator/run_loop.h"
#include "platform/seams/progress_listener.h"

namespace zefrin {

class ConsoleProgress final : public ProgressListener, public LineObserver {
 public:
  // next, when given, also sees every drawn line.
  ConsoleProgress(std::FILE* out, bool terminal, LineObserver* next = nullptr);

  // Where the run's line count is read from.
  void setGenerator(const igen* generator) { generator_ = generator; }

  void InitProgress(int32_t lMax) override;
  void Progress(int32_t lPosition) override;
  void Complete(int32_t lTimeMs) override;
  void lineDrawn(std::span<const LinePoint> points, int32_t penWidth) override;

  // Ends the progress line (when one was shown) with a summary.
  void finish();
  bool shown() const { return shown_; }

 private:
  bool due();
  void show(const char* text);

  using Clock = std::chrono::steady_clock;
  std::FILE* out_;
  bool terminal_;
  LineObserver* next_;
  const igen* generator_ = nullptr;
  Clock::time_point start_;
  Clock::time_point lastShown_;
  int32_t layoutMax_ = 0;
  int64_t lines_ = 0;
  bool shown_ = false;
};

}  // namespace zefrin
