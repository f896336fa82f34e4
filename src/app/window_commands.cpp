// Windows menu: arrange the image windows and list them.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

#include "app/main_window.h"

namespace zefrin {

namespace {

// Side by side (columns) or one above the other (rows), filling the area.
void tile(QMdiArea& area, bool inRows) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* window : area.subWindowList()) {
    if (!window->isMinimized()) windows << window;
  }
  if (windows.isEmpty()) return;
  const QSize room = area.viewport()->size();
  const int count = static_cast<int>(windows.size());
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* window = windows[i];
    if (window->isMaximized()) window->showNormal();
    QRect place;
    if (inRows) {
      const int top = room.height() * i / count;
      place = QRect(0, top, room.width(), room.height() * (i + 1) / count - top);
    } else {
      const int left = room.width() * i / count;
      place = QRect(left, 0, room.width() * (i + 1) / count - left, room.height());
    }
    window->setGeometry(place);
  }
}

}  // namespace

void MainWindow::cascade() { mdi_->cascadeSubWindows(); }

// "Horizontal" tiling lays the windows out as horizontal bands, one above the other.
void MainWindow::tileHorizontally() { tile(*mdi_, true); }

void MainWindow::tileVertically() { tile(*mdi_, false); }

void MainWindow::refreshWindowList() {
  const QList<QAction*> actions = windowsMenu_->actions();
  const qsizetype start = actions.indexOf(windowListStart_);
  for (qsizetype i = start + 1; i < actions.size(); ++i) {
    windowsMenu_->removeAction(actions[i]);
    actions[i]->deleteLater();
  }
  int number = 1;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    QAction* entry = windowsMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
    entry->setCheckable(true);
    entry->setChecked(window == mdi_->currentSubWindow());
    connect(entry, &QAction::triggered, this, [this, target = QPointer<QMdiSubWindow>(window)] {
      if (target) mdi_->setActiveSubWindow(target);
    });
  }
  windowListStart_->setVisible(!mdi_->subWindowList().isEmpty());
}

}  // namespace zefrin
