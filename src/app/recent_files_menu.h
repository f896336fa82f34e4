// The four recent-file items of the File menu and the separator before
// "&Close": items hidden until filled, the separator shown only when the
// list is not empty.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>

class QAction;
class QMenu;

namespace zefrin {

class cMRUFileList;

class RecentFilesMenu final {
 public:
  static constexpr int32_t kItems = 4;
  // Adds the items and the separator to `menu` at the current end; `open`
  // is called with the path of a clicked item.
  RecentFilesMenu(QMenu& menu, std::function<void(const std::string&)> open);

  void refresh(const cMRUFileList& list);
  QAction* item(int32_t i) const { return items_[static_cast<size_t>(i - 1)]; }  // 1-based
  QAction* separator() const { return separator_; }

 private:
  std::array<QAction*, kItems> items_{};
  std::array<std::string, kItems> paths_{};
  QAction* separator_ = nullptr;
};

}  // namespace zefrin
