// The animated selection frame: drawn with persistent drawing off, so a
// refresh wipes it and the picture itself never changes.
#include <QTimer>

#include "app/image_window.h"

namespace zefrin {

namespace {

constexpr Colour kLightGrey = 0xC0C0C0;
constexpr Colour kBlack = 0x000000;
constexpr int32_t kDash = 1;
constexpr int32_t kDot = 2;
constexpr int32_t kSolid = 0;
constexpr int32_t kLineSelection = 4;

void drawHandle(Picture& picture, PointI at) {
  picture.state().penStyle = kSolid;
  picture.moveTo(at.x - 3, at.y - 3);
  picture.lineTo(at.x + 3, at.y - 3);
  picture.lineTo(at.x + 3, at.y + 3);
  picture.lineTo(at.x - 3, at.y + 3);
  picture.lineTo(at.x - 3, at.y - 3);
}

}  // namespace

void ImageWindow::deleteframe() {
  selectionTimer_.stop();
  document_->deleteframe();
  syncView();
}

void ImageWindow::selectorset() {
  deleteframe();
  ImageDocument& doc = *document_;
  doc.picture().state().persistent = false;
  // The shaped outlines of the other kinds come with the selection tools;
  // until then every kind shows its rectangle.
  outline_ = {{doc.stx, doc.sty}, {doc.enx, doc.sty}, {doc.enx, doc.eny}, {doc.stx, doc.eny}, {doc.stx, doc.sty}};
  lightPhase_ = true;
  doc.SettingState = 2;
  selectionTimer_.start();
  animateFrame();
}

void ImageWindow::animateFrame() {
  ImageDocument& doc = *document_;
  if (doc.SettingState <= 0 || outline_.empty()) {
    selectionTimer_.stop();
    return;
  }
  Picture& picture = doc.picture();
  const int32_t kind = host_.currentSelectorShape();
  if (!lightPhase_) picture.refresh();
  picture.saveState();
  picture.state().persistent = false;
  picture.state().rasterMode = raster_mode::kCopyPen;
  picture.state().penWidth = 1;
  picture.state().penColour = lightPhase_ ? kLightGrey : kBlack;
  picture.state().penStyle = kind == kLineSelection ? kSolid : (lightPhase_ ? kDot : kDash);
  picture.moveTo(outline_.front().x, outline_.front().y);
  for (size_t i = 1; i < outline_.size(); ++i) picture.lineTo(outline_[i].x, outline_[i].y);
  if (kind == kLineSelection && (doc.SettingState == 2 || doc.SettingState == 7)) {
    for (size_t i = 0; i + 1 < outline_.size(); ++i) drawHandle(picture, outline_[i]);
  }
  if (kind == 3 || kind == 5) {
    const bool closed = outline_.size() > 1 && outline_.front() == outline_.back();
    drawHandle(picture, closed ? outline_[outline_.size() - 2] : outline_.back());
  }
  picture.restoreState();
  lightPhase_ = !lightPhase_;
  syncView();
}

}  // namespace zefrin
