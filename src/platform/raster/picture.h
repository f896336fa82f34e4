// The picture of an image window: what lines are drawn into, what is saved,
// processed and restored by undo.
//
// Three rasters work together:
// - the persistent raster, which drawing changes while persistent drawing is
//   on (the default) and which everything but the screen reads;
// - the screen: while drawing with persistent drawing off (rubber bands, the
//   selection frame) it holds the persistent raster plus that transient
//   drawing; refresh() wipes it back to the persistent raster. Without
//   transient drawing the screen simply is the persistent raster;
// - the base picture: clearDrawings() resets the raster to it (or to the
//   background when there is none) and commit() makes the current raster
//   the new base.
//
// The drawing primitives follow the classic raster rules Zefrin's pictures
// rely on: lines leave out their last pixel; pens have a style (0 solid,
// 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 null, 6 inside-frame; styles
// other than solid only at width 1, wider pens draw solid with round ends);
// every pixel a pen or brush writes goes through the raster mode 1..16 (13 =
// plain copy of the pen colour); drawing is limited to the clip region when
// one is set. Blits copy plainly and are not clipped.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/colour.h"
#include "platform/raster/raster_image.h"
#include "platform/raster/region.h"

namespace zefrin {

// What getPixel returns outside the picture; equals no colour value.
inline constexpr Colour kInvalidColour = static_cast<Colour>(0xFFFFFFFF);

namespace raster_mode {
inline constexpr int32_t kBlack = 1;
inline constexpr int32_t kNotMergePen = 2;
inline constexpr int32_t kMaskNotPen = 3;
inline constexpr int32_t kNotCopyPen = 4;
inline constexpr int32_t kMaskPenNot = 5;
inline constexpr int32_t kNot = 6;
inline constexpr int32_t kXorPen = 7;
inline constexpr int32_t kNotMaskPen = 8;
inline constexpr int32_t kMaskPen = 9;
inline constexpr int32_t kNotXorPen = 10;
inline constexpr int32_t kNop = 11;
inline constexpr int32_t kMergeNotPen = 12;
inline constexpr int32_t kCopyPen = 13;
inline constexpr int32_t kMergePenNot = 14;
inline constexpr int32_t kMergePen = 15;
inline constexpr int32_t kWhite = 16;
}  // namespace raster_mode

// Result of one raster mode for pen colour `pen` over destination `dest`
// (both 24-bit, any alpha byte ignored; the result has alpha 0xFF).
Pixel applyRasterMode(int32_t mode, Pixel pen, Pixel dest);

struct DrawingState {
  Colour penColour = 0;
  int32_t penWidth = 1;
  int32_t penStyle = 0;
  int32_t rasterMode = raster_mode::kCopyPen;
  bool persistent = true;
  PointI penPosition{};
  std::optional<Region> clip;
};

class Picture {
 public:
  Picture(int32_t width, int32_t height, Colour background);

  int32_t width() const { return persistent_.width(); }
  int32_t height() const { return persistent_.height(); }
  Colour background() const { return background_; }
  void setBackground(Colour background) { background_ = background; }

  // New size; the top-left part is kept, new area gets the background.
  // The base picture is kept as it is.
  void resize(int32_t width, int32_t height);
  // Replaces size and content (a decoded file, an undo snapshot).
  void load(const RasterImage& raster);

  const RasterImage& persistentRaster() const { return persistent_; }
  RasterImage& persistentRaster() { return persistent_; }
  // What a view shows.
  const RasterImage& screen() const { return screen_ ? *screen_ : persistent_; }
  bool hasTransientDrawing() const { return screen_.has_value(); }

  void refresh();        // wipes transient drawing from the screen
  void clearDrawings();  // raster = base picture, or background where it has none
  void commit();         // base picture = current raster
  void emptyBase();      // no base picture: clearing leaves only the background
  const std::optional<RasterImage>& base() const { return base_; }
  void setBase(RasterImage base) { base_ = std::move(base); }

  DrawingState& state() { return state_; }
  const DrawingState& state() const { return state_; }
  void saveState();     // pushes the drawing state
  void restoreState();  // pops it (does nothing when none is saved)

  // Pen drawing with the current state. A pen of width 1 or less draws thin
  // lines (Bresenham, end pixel left out, dash patterns running on from
  // segment to segment until the next moveTo); a wider pen draws a solid
  // stroke with round ends. A segment of length 0 draws nothing. Unknown
  // pen styles draw solid; raster modes outside 1..16 act as 13.
  void moveTo(int32_t x, int32_t y);
  void lineTo(int32_t x, int32_t y);
  // Brush fill of a half-open rectangle with the raster mode and clip.
  void fillRect(const RectI& rect, Colour colour);
  // Fills a region with a colour through the raster mode and clip.
  void fillRegion(const Region& region, Colour colour);

  Colour getPixel(int32_t x, int32_t y) const;  // kInvalidColour outside
  void setPixel(int32_t x, int32_t y, Colour colour);  // plain write, clip applies

  // Nearest-pixel stretch of src's srcRect onto dstRect (enlargement
  // repeats pixels); a plain copy when both have the same size.
  void stretchFrom(const RasterImage& src, const RectI& srcRect, const RectI& dstRect);
  // Source-over blend of src's srcRect onto dstRect with constant opacity 0..255.
  void alphaBlendFrom(const RasterImage& src, const RectI& srcRect, const RectI& dstRect,
                      int32_t opacity);

  // The part of the screen that changed since the last call, for views that
  // repaint only what changed. Empty when nothing changed.
  RectI takeDirtyRect();

 private:
  // Where drawing goes: the persistent raster (and the screen when it holds
  // transient drawing), or the screen alone while persistent drawing is off.
  template <typename Fn>
  void forEachTarget(Fn&& fn);
  void markDirty(const RectI& rect);
  // The picture cut to the clip region's box: no pen or brush writes outside it.
  RectI drawableArea() const;
  const Region* clipRegion() const { return state_.clip ? &*state_.clip : nullptr; }
  void drawThin(PointI from, PointI to);
  void drawWide(PointI from, PointI to);

  Colour background_;
  RasterImage persistent_;
  std::optional<RasterImage> screen_;
  std::optional<RasterImage> base_;
  DrawingState state_;
  std::vector<DrawingState> savedStates_;
  RectI dirty_{};
  RectI transientArea_{};  // what transient drawing touched; refresh() repaints it
  int32_t dashPhase_ = 0;  // position in the dash pattern, carried from segment to segment
};

}  // namespace zefrin
