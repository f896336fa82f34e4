// Reading and writing image files through Qt's codecs, safely:
// - opening accepts only known formats detected from the file's content,
//   refuses pictures whose declared size is too large before decoding them,
//   and turns every failure into a reason text;
// - saving encodes into memory, checks that the result decodes, then writes
//   it in one go through a temporary file that replaces the old one only
//   when everything succeeded. A failed save leaves the old file as it was.
#pragma once

#include <string>
#include <vector>

#include "files/image_codecs.h"
#include "platform/raster/raster_image.h"

namespace zefrin {

// Largest picture accepted, in pixels per side and in total.
inline constexpr int32_t kMaxImageSide = 32768;
inline constexpr int64_t kMaxImagePixels = int64_t{16384} * 16384;

std::vector<ImageCodec> imageDecoders();
std::vector<ImageCodec> imageEncoders();

struct ImageLoadResult {
  bool ok = false;
  RasterImage image;
  std::string error;  // why it failed, for "Could not load file: " + error
};
ImageLoadResult loadImageFile(const std::string& path);

struct ImageSaveResult {
  bool ok = false;
  std::string error;  // why it failed, shown to the user
};
ImageSaveResult saveImageFile(const RasterImage& image, const std::string& path,
                              const ImageCodec& encoder, const cSaveOptions& options = {});

}  // namespace zefrin
