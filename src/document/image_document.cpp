#include "document/image_document.h"

#include <algorithm>
#include <cstdlib>

namespace zefrin {

namespace {

int32_t distanceBetween(int32_t a, int32_t b) {
  const int64_t d = std::llabs(int64_t{a} - b);
  return static_cast<int32_t>(std::min<int64_t>(d, INT32_MAX));
}

}  // namespace

ImageDocument::ImageDocument(int32_t width, int32_t height, Colour background)
    : picture_(width, height, background) {
  enx = picture_.width();
  eny = picture_.height();
}

void ImageDocument::setFilename(const std::string& path) {
  filename_ = path;
  // Windows-style and Unix-style separators both end a folder name.
  const size_t separator = path.find_last_of("\\/");
  fileTitle_ = separator == std::string::npos ? path : path.substr(separator + 1);
}

int32_t ImageDocument::selogicalx() const { return distanceBetween(stx, enx); }
int32_t ImageDocument::selogicaly() const { return distanceBetween(sty, eny); }
int32_t ImageDocument::ofselogicalx() const { return std::min(stx, enx); }
int32_t ImageDocument::ofselogicaly() const { return std::min(sty, eny); }

SelectionArea ImageDocument::selection() const {
  return SelectionArea{selogicalx(), selogicaly(), ofselogicalx(), ofselogicaly()};
}

void ImageDocument::selogicalxy(int32_t startX, int32_t startY, int32_t endX, int32_t endY) {
  deleteframe();
  stx = startX;
  sty = startY;
  enx = endX;
  eny = endY;
}

void ImageDocument::deleteframe() {
  if (SettingState <= 0) return;
  picture_.refresh();
  picture_.state().persistent = true;
  SettingState = 0;
  HasCapture = 0;
}

void ImageDocument::undosetting() {
  deleteframe();
  if (undoTop_ > kUndoSlots - 2) dropOldestSnapshot();  // full
  ++undoTop_;
  undoSlots_[static_cast<size_t>(undoTop_)] = picture_.persistentRaster();
  // There is no redo: snapshots above the top can never come back.
  for (size_t i = static_cast<size_t>(undoTop_) + 1; i < undoSlots_.size(); ++i) undoSlots_[i].reset();
  auto storedBytes = [&] {
    size_t total = 0;
    for (int32_t i = 0; i <= undoTop_; ++i) total += undoSlots_[static_cast<size_t>(i)]->byteCount();
    return total;
  };
  while (undoTop_ > 0 && storedBytes() > undoBudgetBytes_) dropOldestSnapshot();
  dirty_ = true;
}

void ImageDocument::dropOldestSnapshot() {
  if (undoTop_ < 0) return;
  std::rotate(undoSlots_.begin(), undoSlots_.begin() + 1, undoSlots_.end());
  undoSlots_.back().reset();
  --undoTop_;
}

void ImageDocument::undo(GenSet& genset) {
  if (undoTop_ < 0) return;
  deleteframe();
  const RasterImage& snapshot = *undoSlots_[static_cast<size_t>(undoTop_)];
  genset.imagewidth = snapshot.width();
  genset.imageheight = snapshot.height();
  form3pic11sizeset(snapshot.width(), snapshot.height(), genset);
  picture_.load(snapshot);
  --undoTop_;
}

void ImageDocument::form3pic11sizeset(int32_t width, int32_t height, GenSet& genset) {
  if (width == picture_.width() && height == picture_.height()) return;
  picture_.resize(width, height);
  selectWholePicture(genset);
}

void ImageDocument::selectall(GenSet& genset) {
  deleteframe();
  selectWholePicture(genset);
  SettingState = 0;
}

void ImageDocument::selectWholePicture(GenSet& genset) {
  stx = 0;
  sty = 0;
  enx = picture_.width();
  eny = picture_.height();
  genset.logicalX = picture_.width();
  genset.logicalY = picture_.height();
  genset.offsetlogicalX = 0;
  genset.offsetlogicalY = 0;
}

ImageDocument::ProcessingArea ImageDocument::prepareprocessing() {
  undosetting();
  picture_.commit();
  imageBuffer_.CreateFromPicture(picture_.persistentRaster());
  workBuffer_.CreateFromPicture(picture_.persistentRaster());
  ProcessingArea area;
  area.left = std::max(ofselogicalx(), 0);
  area.top = std::max(ofselogicaly(), 0);
  const int64_t right = int64_t{area.left} + selogicalx();
  const int64_t bottom = int64_t{area.top} + selogicaly();
  area.right = right < imageBuffer_.width() ? static_cast<int32_t>(right) : imageBuffer_.width();
  area.bottom = bottom < imageBuffer_.height() ? static_cast<int32_t>(bottom) : imageBuffer_.height();
  return area;
}

}  // namespace zefrin
