#include "platform/raster/picture.h"

#include <algorithm>

#include "platform/raster/picture_targets.h"
#include "platform/raster/rect_ops.h"

namespace zefrin {

namespace {

// Copies the overlap of src into dst at the top-left corner.
void copyTopLeft(const RasterImage& src, RasterImage& dst) {
  const int32_t width = std::min(src.width(), dst.width());
  const int32_t height = std::min(src.height(), dst.height());
  for (int32_t y = 0; y < height; ++y) std::copy_n(src.row(y), width, dst.row(y));
}

}  // namespace

Picture::Picture(int32_t width, int32_t height, Colour background)
    : background_(background), persistent_(width, height, pixelFromColour(background)) {}

void Picture::resize(int32_t width, int32_t height) {
  RasterImage resized(width, height, pixelFromColour(background_));
  copyTopLeft(persistent_, resized);
  persistent_ = std::move(resized);
  screen_.reset();
  transientArea_ = {};
  markDirty(persistent_.bounds());
}

void Picture::load(const RasterImage& raster) {
  persistent_ = raster;
  screen_.reset();
  transientArea_ = {};
  markDirty(persistent_.bounds());
}

void Picture::refresh() {
  if (!screen_) return;
  screen_.reset();
  dirty_ = uniteRects(dirty_, transientArea_);
  transientArea_ = {};
}

void Picture::clearDrawings() {
  // A base of another size shows at the top left over the background.
  persistent_.fill(pixelFromColour(background_));
  if (base_) copyTopLeft(*base_, persistent_);
  screen_.reset();
  transientArea_ = {};
  markDirty(persistent_.bounds());
}

void Picture::commit() { base_ = persistent_; }

void Picture::emptyBase() { base_.reset(); }

void Picture::saveState() { savedStates_.push_back(state_); }

void Picture::restoreState() {
  if (savedStates_.empty()) return;
  state_ = std::move(savedStates_.back());
  savedStates_.pop_back();
}

Colour Picture::getPixel(int32_t x, int32_t y) const {
  if (!persistent_.contains(x, y)) return kInvalidColour;
  return colourFromPixel(persistent_.at(x, y));
}

void Picture::setPixel(int32_t x, int32_t y, Colour colour) {
  if (!persistent_.contains(x, y)) return;
  if (const Region* clip = clipRegion(); clip && !clip->contains(x, y)) return;
  const Pixel pixel = pixelFromColour(colour);
  forEachTarget([&](RasterImage& target) { target.set(x, y, pixel); });
  markDirty(RectI{x, y, x + 1, y + 1});
}

RectI Picture::takeDirtyRect() {
  const RectI dirty = dirty_;
  dirty_ = {};
  return dirty;
}

void Picture::markDirty(const RectI& rect) {
  const RectI changed = intersectRects(rect, persistent_.bounds());
  dirty_ = uniteRects(dirty_, changed);
  if (!state_.persistent) transientArea_ = uniteRects(transientArea_, changed);
}

RectI Picture::drawableArea() const {
  const RectI bounds = persistent_.bounds();
  if (const Region* clip = clipRegion()) return intersectRects(bounds, clip->boundingBox());
  return bounds;
}

}  // namespace zefrin
