#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

#include "app/dialog_provider.h"
#include "app/recent_files_menu.h"
#include "app/status_bar.h"
#include "app/zoom_dialog.h"
#include "platform/seams/messenger.h"
#include "platform/seams/settings_store.h"

namespace zefrin {

namespace {

// Run collaborators as they stand: the selection kind comes from the main
// window; brush stamping comes with the paint tools, so until then a run
// always draws its lines.
class MainRunCollaborators final : public RunCollaborators {
 public:
  explicit MainRunCollaborators(const int16_t& selectorShape) : selectorShape_(selectorShape) {}
  int32_t selectorshape() const override { return selectorShape_; }

 private:
  const int16_t& selectorShape_;
};

// 700 twips (1/1440 inch) at the screen's logical resolution.
int twipsToPixels(int twips, const QScreen* screen) {
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  return static_cast<int>(twips * dpi / 1440.0 + 0.5);
}

}  // namespace

MainWindow::MainWindow(AppSeams seams)
    : messenger_(seams.messenger),
      dialogs_(seams.dialogs),
      settings_(seams.settings),
      services_{pump_, messenger_, progress_, clock_, random_},
      state_(std::make_unique<ApplicationState>(services_)),
      runLoop_(std::make_unique<RunLoop>(*state_, services_)),
      collaborators_(std::make_unique<MainRunCollaborators>(selectorshape)),
      printer_(std::make_unique<QPrinter>(QPrinter::ScreenResolution)) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(QStringLiteral("Zefrin"));
  runLoop_->setCollaborators(collaborators_.get());
  pump_.setBeforePump([this] { syncViews(); });

  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { onSubWindowActivated(); });
  status_ = new MainStatusBar(this);
  setStatusBar(status_);
  progress_.setStatusBar(status_);

  buildMenus();
  buildToolbars();

  // The recent files: whatever a damaged store still gives is kept.
  recentFiles_.setMaxFileCount(4);
  try {
    recentFiles_.Load(settings_);
  } catch (...) {
  }
  recentMenu_->refresh(recentFiles_);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    setGeometry(area.left(), area.top(), area.width(),
                std::max(200, area.height() - twipsToPixels(700, screen)));
  }
  resetpainttools();
}

MainWindow::~MainWindow() = default;

ImageWindow* MainWindow::activeimage() {
  if (auto* window = dynamic_cast<ImageWindow*>(mdi_->currentSubWindow())) return window;
  messenger_.information("Please select an Image to process.");
  return nullptr;
}

std::vector<ImageWindow*> MainWindow::imageWindows() const {
  std::vector<ImageWindow*> windows;
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (auto* window = dynamic_cast<ImageWindow*>(sub)) windows.push_back(window);
  }
  return windows;
}

void MainWindow::SetStatus(const std::string& sMain, const std::string& sImage, const std::string& sSize) {
  status_->SetStatus(sMain, sImage, sSize);
}

void MainWindow::AddMRUFile(const std::string& path) {
  recentFiles_.AddFile(path);
  recentMenu_->refresh(recentFiles_);
}

void MainWindow::syncViews() {
  for (ImageWindow* window : imageWindows()) window->syncView();
}

ImageWindow* MainWindow::createImageWindow(int32_t width, int32_t height) {
  auto* window = new ImageWindow(*this, state_->genset, width, height, state_->genset.backcolor);
  mdi_->addSubWindow(window);
  ++amountchildforms_;
  window->show();
  return window;
}

void MainWindow::onSubWindowActivated() {
  auto* window = dynamic_cast<ImageWindow*>(mdi_->currentSubWindow());
  if (!window) return;
  ImageDocument& doc = window->document();
  SetStatus("#", doc.FileTitle(), std::to_string(doc.ImageWidth()) + " x " + std::to_string(doc.ImageHeight()));
}

bool MainWindow::mayCloseImage(ImageWindow& window) {
  if (runLoop_->running()) {
    // The run draws into a window's picture: stop it, close once it ended.
    runLoop_->requestBreak(true);
    window.closeRequestedDuringRun = true;
    return false;
  }
  if (!window.document().Dirty()) return true;
  const std::string question =
      "The image '" + window.document().FileTitle() + "' has been changed.\n\nDo you want to save it?";
  switch (messenger_.question(question, QuestionButtons::YesNoCancel)) {
    case Answer::Yes:
      // A cancelled or failed save keeps the window and its picture.
      return saveImage(window);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void MainWindow::imageWindowClosed(ImageWindow& window) {
  --amountchildforms_;
  window.deleteframe();
}

void MainWindow::closeWindowsLeftFromRun() {
  for (ImageWindow* window : imageWindows()) {
    if (window->closeRequestedDuringRun) {
      window->closeRequestedDuringRun = false;
      window->close();
    }
  }
  if (closeRequestedDuringRun_) {
    closeRequestedDuringRun_ = false;
    close();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (runLoop_->running()) {
    runLoop_->requestBreak(amountchildforms_ > 0);
    closeRequestedDuringRun_ = true;
    event->ignore();
    return;
  }
  recentFiles_.Save(settings_);
  for (ImageWindow* window : imageWindows()) {
    mdi_->setActiveSubWindow(window);
    if (!window->close()) {
      event->ignore();
      return;
    }
  }
  if (zoomDialog_) zoomDialog_->close();
  event->accept();
}

}  // namespace zefrin
