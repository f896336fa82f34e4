// Edit menu: undo, clear, selection, select all.
#include <QToolBar>

#include "app/main_window.h"

namespace zefrin {

void MainWindow::undo() {
  ImageWindow* window = activeimage();
  if (!window) return;
  ImageDocument& doc = window->document();
  window->deleteframe();
  const int32_t oldWidth = doc.ImageWidth();
  const int32_t oldHeight = doc.ImageHeight();
  doc.undo(state_->genset);
  if (doc.ImageWidth() != oldWidth || doc.ImageHeight() != oldHeight) {
    window->sizeimagewindow(doc.ImageWidth(), doc.ImageHeight(), 100, 100);
    onSubWindowActivated();
  }
  window->syncView();
}

void MainWindow::clearImage() {
  ImageWindow* window = activeimage();
  if (!window) return;
  ImageDocument& doc = window->document();
  doc.undosetting();
  window->deleteframe();
  doc.picture().emptyBase();
  doc.picture().clearDrawings();
  window->syncView();
}

void MainWindow::showSelection() {
  ImageWindow* window = activeimage();
  if (!window) return;
  if (!toolbar2_->isVisible()) window->selectorset();
}

void MainWindow::selectAll() {
  ImageWindow* window = activeimage();
  if (!window) return;
  window->deleteframe();
  window->document().selectall(state_->genset);
}

}  // namespace zefrin
