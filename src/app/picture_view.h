// Shows a picture's screen raster. The QImage it paints from wraps the
// raster's memory (same 0xFFRRGGBB layout as QImage::Format_RGB32), so a paint
// copies only the exposed part and nothing converts the whole picture.
#pragma once

#include <QWidget>

namespace zefrin {

class Picture;

class PictureView final : public QWidget {
 public:
  explicit PictureView(Picture& picture, QWidget* parent = nullptr);

  // Follows the picture: a new size resizes the view and repaints it all;
  // otherwise only the part the engine changed since the last call repaints.
  void syncWithPicture();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture& picture_;
};

}  // namespace zefrin
