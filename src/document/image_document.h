// The document behind an image window: its picture, name, selection, undo
// store and dirty flag. Everything here runs without a display; the Qt window
// is a view of it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "generator/settings.h"
#include "imaging/dib_section.h"
#include "platform/raster/picture.h"

namespace zefrin {

class ImageDocument {
 public:
  static constexpr int32_t kUndoSlots = 10;
  // Snapshots of very large pictures are dropped, oldest first, once the
  // store would hold more than this; the newest snapshot is always kept.
  static constexpr size_t kDefaultUndoBudgetBytes = size_t{1} << 30;

  ImageDocument(int32_t width, int32_t height, Colour background);

  Picture& picture() { return picture_; }
  const Picture& picture() const { return picture_; }
  int32_t ImageWidth() const { return picture_.width(); }
  int32_t ImageHeight() const { return picture_.height(); }

  // Full path, or "Image N" for an unsaved window; the title is the part
  // after the last path separator ('\' or '/').
  const std::string& Filename() const { return filename_; }
  void setFilename(const std::string& path);
  const std::string& FileTitle() const { return fileTitle_; }

  // The selection: two corners in picture pixels, in either order.
  int32_t stx = 0, sty = 0, enx = 0, eny = 0;
  int32_t selogicalx() const;    // width
  int32_t selogicaly() const;    // height
  int32_t ofselogicalx() const;  // left
  int32_t ofselogicaly() const;  // top
  SelectionArea selection() const;
  // Removes the selection frame and sets the two corners.
  void selogicalxy(int32_t startX, int32_t startY, int32_t endX, int32_t endY);

  // State of the current tool or selection; above 0 while a frame is shown.
  int16_t SettingState = 0;
  int16_t HasCapture = 0;
  // Removes the selection frame (the selection itself stays).
  void deleteframe();

  // Undo: ten snapshots of the persistent raster; the oldest is dropped when
  // full or when the snapshots together pass the memory budget.
  void undosetting();
  void setUndoBudget(size_t bytes) { undoBudgetBytes_ = bytes; }
  // Restores the newest snapshot into the picture (at its size) and writes
  // that size into genset's imagewidth/imageheight and the pattern area.
  void undo(GenSet& genset);
  int32_t undoTop() const { return undoTop_; }
  // Set by every snapshot; never cleared (saving does not clear it either).
  bool Dirty() const { return dirty_; }
  void markDirty() { dirty_ = true; }

  // New picture size; the selection becomes the whole picture and genset's
  // pattern area follows. Nothing happens when the size is unchanged.
  void form3pic11sizeset(int32_t width, int32_t height, GenSet& genset);
  // The whole picture becomes the selection; genset's pattern area follows.
  void selectall(GenSet& genset);

  // The area an image operation works on, clipped to the image buffer.
  struct ProcessingArea {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ProcessingArea&) const = default;
  };
  // Before every image operation: an undo snapshot, the picture committed,
  // both pixel buffers filled from it; returns the selection's area.
  ProcessingArea prepareprocessing();
  cDIBSection& imageBuffer() { return imageBuffer_; }
  cDIBSection& workBuffer() { return workBuffer_; }

 private:
  void dropOldestSnapshot();
  // The selection and genset's pattern area become the whole picture.
  void selectWholePicture(GenSet& genset);

  Picture picture_;
  cDIBSection imageBuffer_;
  cDIBSection workBuffer_;
  std::string filename_;
  std::string fileTitle_;
  std::array<std::optional<RasterImage>, kUndoSlots> undoSlots_;
  int32_t undoTop_ = -1;
  size_t undoBudgetBytes_ = kDefaultUndoBudgetBytes;
  bool dirty_ = false;
};

}  // namespace zefrin
