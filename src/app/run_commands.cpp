// Go and Break: a generation run draws into the active image while the
// event pump keeps the window responsive.
#include <QMdiArea>

#include "app/main_window.h"
#include "platform/seams/messenger.h"

namespace zefrin {

void MainWindow::startRun() {
  ImageWindow* window = activeimage();
  if (!window) return;
  // Events run during a run, so Go can arrive again: it is not nested.
  if (runLoop_->running()) return;
  mdi_->setActiveSubWindow(window);
  const RunLoop::StartResult result = runLoop_->start(&window->document());
  syncViews();
  if (result == RunLoop::StartResult::HandedToManualMode) {
    messenger_.information("The manual connection window is not available yet: choose another operation mode.");
  }
  closeWindowsLeftFromRun();
}

void MainWindow::breakRun() { runLoop_->requestBreak(amountchildforms_ > 0); }

void MainWindow::setClearUp(bool pressed) { state_->genset.clearup = pressed ? 1 : 0; }

}  // namespace zefrin
