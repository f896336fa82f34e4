#include "cli/console_progress.h"

namespace zefrin {

namespace {
constexpr auto kQuietTime = std::chrono::seconds(1);
// A terminal line is rewritten in place; a log gets a new line each time.
constexpr auto kTerminalUpdateEvery = std::chrono::milliseconds(100);
constexpr auto kLogUpdateEvery = std::chrono::seconds(1);
}  // namespace

ConsoleProgress::ConsoleProgress(std::FILE* out, bool terminal, LineObserver* next)
    : out_(out), terminal_(terminal), next_(next), start_(Clock::now()), lastShown_(start_) {}

bool ConsoleProgress::due() {
  const auto now = Clock::now();
  if (!terminal_ && now - start_ < kQuietTime) return false;
  if (shown_ && now - lastShown_ < (terminal_ ? kTerminalUpdateEvery : kLogUpdateEvery)) return false;
  lastShown_ = now;
  return true;
}

void ConsoleProgress::show(const char* text) {
  if (terminal_) {
    std::fprintf(out_, "\rzefrin-render: %-40s", text);
  } else {
    std::fprintf(out_, "zefrin-render: %s\n", text);
  }
  std::fflush(out_);
  shown_ = true;
}

void ConsoleProgress::InitProgress(int32_t lMax) { layoutMax_ = lMax; }

void ConsoleProgress::Progress(int32_t lPosition) {
  if (layoutMax_ <= 0 || !due()) return;
  char text[64];
  std::snprintf(text, sizeof text, "laying out the lines %d%%",
                static_cast<int>(int64_t{lPosition} * 100 / layoutMax_));
  show(text);
}

void ConsoleProgress::Complete(int32_t) {}

void ConsoleProgress::lineDrawn(std::span<const LinePoint> points, int32_t penWidth) {
  ++lines_;
  if (next_ != nullptr) next_->lineDrawn(points, penWidth);
  if ((lines_ & 31) != 1 || !due()) return;
  char text[64];
  const int32_t total = generator_ != nullptr ? generator_->amountoflines() : 0;
  if (total > 0) {
    std::snprintf(text, sizeof text, "drawing line %lld of %d", static_cast<long long>(lines_), total);
  } else {
    std::snprintf(text, sizeof text, "drawing line %lld", static_cast<long long>(lines_));
  }
  show(text);
}

void ConsoleProgress::finish() {
  if (!shown_) return;
  const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  char text[64];
  std::snprintf(text, sizeof text, "%lld lines drawn in %.1f s", static_cast<long long>(lines_), seconds);
  show(text);
  if (terminal_) std::fputc('\n', out_);
}

}  // namespace zefrin
