// The system clipboard, as the engine puts pictures on it. The desktop
// program hands the picture to the Qt clipboard; tests record what was put.
#pragma once

#include "platform/raster/raster_image.h"

namespace zefrin {

class ClipboardSink {
 public:
  virtual ~ClipboardSink() = default;
  // Empties the clipboard and puts the picture on it as a plain bitmap.
  // False when the clipboard could not be opened or refused the picture.
  virtual bool putBitmap(const RasterImage& picture) = 0;
};

}  // namespace zefrin
