// An image window: the view of one ImageDocument inside the main window.
// The picture sits in a scroll area, so a picture larger than the window
// keeps its full size and scrolls. The window also carries what only a view
// has: the animated selection frame and the zoomed view.
#pragma once

#include <QMdiSubWindow>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "document/image_document.h"

class QScrollArea;

namespace zefrin {

class PictureView;
class ImageWindow;

// What an image window asks of the main window.
class ImageWindowHost {
 public:
  virtual ~ImageWindowHost() = default;
  // Asked when the window is about to close (the save question); false keeps it open.
  virtual bool mayCloseImage(ImageWindow& window) = 0;
  virtual void imageWindowClosed(ImageWindow& window) = 0;
  // The selection kind 1..5 of the main window.
  virtual int32_t currentSelectorShape() const = 0;
};

class ImageWindow final : public QMdiSubWindow {
 public:
  ImageWindow(ImageWindowHost& host, GenSet& genset, int32_t width, int32_t height, Colour background);
  ~ImageWindow() override;

  ImageDocument& document() { return *document_; }
  PictureView& view() { return *view_; }
  QScrollArea& scrollArea() { return *scroll_; }

  // Client area w x h (at most what the main window shows; the picture
  // scrolls inside it) with its top left at (x, y) in the main window.
  void sizeimagewindow(int32_t w, int32_t h, int32_t x, int32_t y);
  // Repaints what changed in the picture (or everything after a resize).
  void syncView();

  // The selection frame.
  void selectorset();
  void deleteframe();
  bool frameShown() const { return selectionTimer_.isActive(); }
  const std::vector<PointI>& selectionOutline() const { return outline_; }
  void animateFrame();  // one 200 ms step; the timer calls it

  // Zoom: in by sc percent (200..800) or back to 100%.
  void mashtabb(int32_t sc);
  bool zoomed() const { return Scaleflag == 1; }
  int32_t zoomFactor() const { return zoomFactor_; }

  // While set, the window is closed by the main window once a run ends.
  bool closeRequestedDuringRun = false;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void setmashtab();
  void mashtabreturn();

  ImageWindowHost& host_;
  GenSet& genset_;
  std::unique_ptr<ImageDocument> document_;
  QScrollArea* scroll_;
  PictureView* view_;
  QTimer selectionTimer_;
  bool lightPhase_ = true;
  std::vector<PointI> outline_;
  int32_t Scaleflag = 0;
  int32_t zoomFactor_ = 1;
  std::optional<RasterImage> mashtab_;  // the 100% picture while zoomed
};

}  // namespace zefrin
