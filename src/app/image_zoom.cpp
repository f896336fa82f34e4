// The zoomed view: the picture shows an enlarged copy in pixel blocks while
// the real image waits in mashtab_.

#include "app/image_window.h"

namespace zefrin {

void ImageWindow::mashtabb(int32_t sc) {
  if (zoomed()) {
    // The caller has checked the window state (it owns the message box).
    mashtabreturn();
    return;
  }
  zoomFactor_ = sc / 100;
  if (zoomFactor_ < 2) return;
  setmashtab();
}

void ImageWindow::setmashtab() {
  ImageDocument& doc = *document_;
  deleteframe();
  Scaleflag = 1;
  mashtab_ = doc.picture().persistentRaster();
  const int32_t width = mashtab_->width() * zoomFactor_;
  const int32_t height = mashtab_->height() * zoomFactor_;
  doc.form3pic11sizeset(width, height, genset_);
  Picture& picture = doc.picture();
  picture.emptyBase();
  picture.clearDrawings();
  picture.stretchFrom(*mashtab_, mashtab_->bounds(), RectI{0, 0, width, height});
  picture.commit();
  sizeimagewindow(width, height, 120, 120);
}

void ImageWindow::mashtabreturn() {
  ImageDocument& doc = *document_;
  deleteframe();
  Scaleflag = 0;
  if (mashtab_) {
    doc.picture().load(*mashtab_);
    doc.picture().commit();
    mashtab_.reset();
  }
  doc.selectall(genset_);
  sizeimagewindow(doc.ImageWidth(), doc.ImageHeight(), 120, 120);
}

}  // namespace zefrin
