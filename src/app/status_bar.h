// The main window's status bar: the message pane ("Ready"), the cursor
// position, the active image's name and size, and a progress bar that lies
// over the message pane while a long operation runs.
#pragma once

#include <QStatusBar>
#include <string>

class QLabel;
class QProgressBar;

namespace zefrin {

class MainStatusBar final : public QStatusBar {
 public:
  explicit MainStatusBar(QWidget* parent = nullptr);

  // Each text is followed by one blank; "#" leaves its pane as it is.
  void SetStatus(const std::string& sMain, const std::string& sImage, const std::string& sSize);
  void ShowProgress(bool bShow);
  void ProgressMax(int32_t lMax);
  void ProgressValue(int32_t lValue);

  QLabel* lblStatus() const { return lblStatus_; }
  QLabel* lblsite() const { return lblsite_; }
  QLabel* lblImage() const { return lblImage_; }
  QLabel* lblSize() const { return lblSize_; }
  QProgressBar* prgMain() const { return prgMain_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeProgressBar();

  QLabel* lblStatus_;
  QLabel* lblsite_;
  QLabel* lblImage_;
  QLabel* lblSize_;
  QProgressBar* prgMain_;
};

}  // namespace zefrin
