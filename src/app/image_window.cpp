#include "app/image_window.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollArea>
#include <algorithm>

#include "app/picture_view.h"

namespace zefrin {

ImageWindow::ImageWindow(ImageWindowHost& host, GenSet& genset, int32_t width, int32_t height,
                         Colour background)
    : host_(host),
      genset_(genset),
      document_(std::make_unique<ImageDocument>(width, height, background)) {
  setAttribute(Qt::WA_DeleteOnClose);
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll_->setBackgroundRole(QPalette::Dark);
  view_ = new PictureView(document_->picture(), scroll_);
  scroll_->setWidget(view_);
  setWidget(scroll_);
  selectionTimer_.setInterval(200);
  QObject::connect(&selectionTimer_, &QTimer::timeout, this, [this] { animateFrame(); });
}

ImageWindow::~ImageWindow() = default;

void ImageWindow::syncView() { view_->syncWithPicture(); }

void ImageWindow::sizeimagewindow(int32_t w, int32_t h, int32_t x, int32_t y) {
  // The frame around the client area: title bar and borders.
  const QSize frame = size() - scroll_->size();
  QSize room(w, h);
  QPoint place(x, y);
  if (QMdiArea* area = mdiArea()) {
    const QSize available = area->viewport()->size() - frame;
    room = room.boundedTo(available).expandedTo(QSize(1, 1));
    const QSize outer = room + frame;
    place.setX(std::clamp(x, 0, std::max(0, area->viewport()->width() - outer.width())));
    place.setY(std::clamp(y, 0, std::max(0, area->viewport()->height() - outer.height())));
  }
  resize(room + frame);
  move(place);
  syncView();
}

void ImageWindow::closeEvent(QCloseEvent* event) {
  if (!host_.mayCloseImage(*this)) {
    event->ignore();
    return;
  }
  selectionTimer_.stop();
  event->accept();
  host_.imageWindowClosed(*this);
  QMdiSubWindow::closeEvent(event);
}

}  // namespace zefrin
