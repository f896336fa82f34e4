// The main window "Zefrin": image windows in a multiple-document area, the
// menu bar, two toolbars and the status bar. It owns the program-wide state
// (settings, generator, run loop, recent files) and routes every command;
// the commands live in one file per menu (file_commands.cpp, ...).
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/image_window.h"
#include "app/qt_event_pump.h"
#include "app/qt_progress.h"
#include "files/recent_files.h"
#include "generator/run_loop.h"
#include "platform/seams/clock.h"
#include "platform/seams/random_source.h"
#include "session/application_state.h"

class QAction;
class QMdiArea;
class QMenu;
class QPrinter;
class QToolBar;

namespace zefrin {

class DialogProvider;
class MainStatusBar;
class Messenger;
class RecentFilesMenu;
class SettingsStore;
class ZoomDialog;

// The address "Zefrin on the Web" opens.
inline constexpr const char* kProductWebPage = "https://zefrin.example.org";

// What the main window is handed: message boxes, dialogs and the per-user
// settings store. The program passes Qt's; tests pass recorders.
struct AppSeams {
  Messenger& messenger;
  DialogProvider& dialogs;
  SettingsStore& settings;
};

class MainWindow final : public QMainWindow, private ImageWindowHost {
 public:
  explicit MainWindow(AppSeams seams);
  ~MainWindow() override;

  ApplicationState& state() { return *state_; }
  GenSet& genset() { return state_->genset; }
  RunLoop& runLoop() { return *runLoop_; }
  cMRUFileList& recentFiles() { return recentFiles_; }
  MainStatusBar& statusPanes() { return *status_; }
  QToolBar* toolbar1() const { return toolbar1_; }
  QToolBar* toolbar2() const { return toolbar2_; }
  ZoomDialog* zoomDialog() const { return zoomDialog_; }
  QMdiArea* mdiArea() const { return mdi_; }

  // The active image window; without one it says "Please select an Image to
  // process." and returns nullptr.
  ImageWindow* activeimage();
  std::vector<ImageWindow*> imageWindows() const;
  int32_t amountchildforms() const { return amountchildforms_; }
  int32_t NewImageIndex() { return ++imageCounter_; }
  void SetStatus(const std::string& sMain, const std::string& sImage, const std::string& sSize);
  void AddMRUFile(const std::string& path);

  // Shared values of the drawing tools.
  int16_t paintwidth = 1;
  int16_t eraserwidth = 1;
  int16_t selectorshape = 1;
  Colour paintcolour = 0xFFFFC0;
  Colour erasercolour = 0xC0FFC0;

  // File menu.
  ImageWindow* newImage();
  ImageWindow* openImage(const std::string& prefill = {});
  // Saves the active image through the save dialog; false when there is
  // none, the dialog was cancelled or the save failed (the user was told why).
  bool saveActiveImage();
  bool saveImage(ImageWindow& window);
  void printSetup();
  void printActiveImage();
  void closeActiveImage();
  // Edit menu and toolbar.
  void undo();
  void startRun();
  void breakRun();
  void clearImage();
  void showSelection();
  void selectAll();
  void setClearUp(bool pressed);
  void toggleSelectorShape(bool pressed);
  void chooseSelectorShape(int16_t kind);
  void togglePaintToolbar(bool pressed);
  void resetpainttools();
  void zoomButton();
  // Windows menu.
  void cascade();
  void tileHorizontally();
  void tileVertically();
  // Help menu.
  void showHelpContent();
  void openWebPage();
  void showAbout();

  // The image window the next run draws into, and every window's repaint
  // of what changed (the event pump calls it before letting events run).
  void syncViews();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // ImageWindowHost
  bool mayCloseImage(ImageWindow& window) override;
  void imageWindowClosed(ImageWindow& window) override;
  int32_t currentSelectorShape() const override { return selectorshape; }

  void buildMenus();
  void buildToolbars();
  QToolBar* buildMainToolbar();
  QToolBar* buildPaintToolbar();
  void onSubWindowActivated();
  void refreshWindowList();
  ImageWindow* createImageWindow(int32_t width, int32_t height);
  void closeWindowsLeftFromRun();

  Messenger& messenger_;
  DialogProvider& dialogs_;
  SettingsStore& settings_;
  QtEventPump pump_;
  QtProgress progress_;
  SystemClock clock_;
  MersenneRandom random_;
  EngineServices services_;
  std::unique_ptr<ApplicationState> state_;
  std::unique_ptr<RunLoop> runLoop_;
  std::unique_ptr<RunCollaborators> collaborators_;
  cMRUFileList recentFiles_;

  QMdiArea* mdi_ = nullptr;
  MainStatusBar* status_ = nullptr;
  QToolBar* toolbar1_ = nullptr;
  QToolBar* toolbar2_ = nullptr;
  QMenu* windowsMenu_ = nullptr;
  QAction* windowListStart_ = nullptr;
  std::unique_ptr<RecentFilesMenu> recentMenu_;
  ZoomDialog* zoomDialog_ = nullptr;
  std::unique_ptr<QPrinter> printer_;

  int32_t imageCounter_ = 0;
  int32_t amountchildforms_ = 0;
  bool closeRequestedDuringRun_ = false;
};

}  // namespace zefrin
