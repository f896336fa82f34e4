#include "app/recent_files_menu.h"

#include <QAction>
#include <QMenu>

#include "files/recent_files.h"

namespace zefrin {

RecentFilesMenu::RecentFilesMenu(QMenu& menu, std::function<void(const std::string&)> open) {
  for (int32_t i = 0; i < kItems; ++i) {
    QAction* action = menu.addAction(QString());
    action->setObjectName(QStringLiteral("mnuMRU%1").arg(i + 1));
    action->setVisible(false);
    const size_t index = static_cast<size_t>(i);
    QObject::connect(action, &QAction::triggered, action, [this, open, index] { open(paths_[index]); });
    items_[index] = action;
  }
  separator_ = menu.addSeparator();
  separator_->setObjectName(QStringLiteral("mnuMRUSeparator"));
  separator_->setVisible(false);
}

void RecentFilesMenu::refresh(const cMRUFileList& list) {
  for (int32_t i = 1; i <= kItems; ++i) {
    QAction* action = item(i);
    const size_t index = static_cast<size_t>(i - 1);
    if (i <= list.FileCount() && list.FileExists(i)) {
      paths_[index] = list.File(i);
      action->setText(QString::fromStdString(list.MenuCaption(i)));
      action->setVisible(true);
    } else {
      paths_[index].clear();
      action->setVisible(false);
    }
  }
  separator_->setVisible(list.FileCount() > 0);
}

}  // namespace zefrin
