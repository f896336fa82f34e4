#include "app/picture_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include "platform/raster/picture.h"

namespace zefrin {

PictureView::PictureView(Picture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(picture_.width(), picture_.height());
}

void PictureView::syncWithPicture() {
  const RectI dirty = picture_.takeDirtyRect();
  if (size() != QSize(picture_.width(), picture_.height())) {
    setFixedSize(picture_.width(), picture_.height());
    update();
    return;
  }
  if (!dirty.empty()) update(QRect(dirty.left, dirty.top, dirty.width(), dirty.height()));
}

void PictureView::paintEvent(QPaintEvent* event) {
  const RasterImage& screen = picture_.screen();
  if (screen.empty()) return;
  // Wraps the pixels; nothing is copied until drawImage reads the exposed rectangles.
  const QImage wrapped(reinterpret_cast<const uchar*>(screen.data()), screen.width(), screen.height(),
                       static_cast<qsizetype>(screen.width()) * 4, QImage::Format_RGB32);
  QPainter painter(this);
  const QRect bounds(0, 0, screen.width(), screen.height());
  for (const QRect& exposed : event->region()) {
    const QRect part = exposed.intersected(bounds);
    if (!part.isEmpty()) painter.drawImage(part.topLeft(), wrapped, part);
  }
}

}  // namespace zefrin
