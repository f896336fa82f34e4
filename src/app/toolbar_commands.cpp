// Toolbar toggles: the selection kind, the paint toolbar, the zoom button.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

#include "app/main_window.h"
#include "app/zoom_dialog.h"
#include "platform/seams/messenger.h"

namespace zefrin {

void MainWindow::toggleSelectorShape(bool pressed) {
  if (amountchildforms_ > 0) {
    if (ImageWindow* window = activeimage()) window->deleteframe();
  }
  selectorshape = pressed ? 2 : 1;
}

void MainWindow::chooseSelectorShape(int16_t kind) { selectorshape = kind; }

void MainWindow::togglePaintToolbar(bool pressed) {
  if (amountchildforms_ > 0 && pressed) {
    if (ImageWindow* window = activeimage()) {
      window->deleteframe();
      toolbar2_->show();
      erasercolour = window->document().picture().background();
      resetpainttools();
      return;
    }
  }
  toolbar2_->setVisible(pressed);
  resetpainttools();
}

void MainWindow::resetpainttools() {
  for (QAction* action : toolbar2_->actions()) {
    if (action->objectName() != QLatin1String("mashtab") && action->isCheckable()) action->setChecked(false);
  }
  if (amountchildforms_ <= 0) return;
  if (ImageWindow* window = activeimage()) {
    window->document().SettingState = 0;
    window->document().picture().state().persistent = true;
  }
}

void MainWindow::zoomButton() {
  ImageWindow* window = activeimage();
  if (!window) return;
  if (window->zoomed()) {
    if (window->isMinimized() || window->isMaximized()) {
      messenger_.information("Active window must be normal state for this action");
      return;
    }
    window->mashtabb(100);
    onSubWindowActivated();
    return;
  }
  if (!zoomDialog_) {
    zoomDialog_ = new ZoomDialog(this);
    connect(zoomDialog_, &QDialog::accepted, this, [this] {
      const int32_t percent = zoomDialog_->selectedPercent();
      if (percent == 100) return;
      if (auto* target = dynamic_cast<ImageWindow*>(mdiArea()->currentSubWindow())) {
        target->mashtabb(percent);
        onSubWindowActivated();
      }
    });
  }
  zoomDialog_->prepare(window->document().ImageWidth(), window->document().ImageHeight());
  zoomDialog_->open();
}

}  // namespace zefrin
