#include "app/qt_progress.h"

#include <string>

#include "app/status_bar.h"

namespace zefrin {

void QtProgress::InitProgress(int32_t lMax) {
  if (!bar_) return;
  bar_->ProgressMax(lMax);
  bar_->ProgressValue(0);
  bar_->ShowProgress(true);
}

void QtProgress::Progress(int32_t lPosition) {
  if (bar_) bar_->ProgressValue(lPosition);
}

void QtProgress::Complete(int32_t lTimeMs) {
  if (!bar_) return;
  bar_->ShowProgress(false);
  bar_->SetStatus("Complete.  Time = " + std::to_string(lTimeMs), "#", "#");
}

}  // namespace zefrin
