// Encoding a RasterImage into memory as PNG, JPEG or BMP without a display
// and without copying its pixels (its memory already has the layout of an
// RGB32 QImage). Files are written with saveImageFile (image_files.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/raster_image.h"

namespace zefrin {

enum class ImageFormat { Png, Jpeg, Bmp };

// The program saves JPEG files with quality 50.
inline constexpr int kDefaultJpegQuality = 50;

// The format for a file name's extension (.png, .jpg, .jpeg, .bmp, any
// letter case); nothing for other extensions.
std::optional<ImageFormat> imageFormatForPath(std::string_view path);

// Encodes into memory. Returns an empty text on success, else the encoder's
// error. jpegQuality (0..100) is used for JPEG only.
std::string encodeImage(const RasterImage& image, ImageFormat format, std::vector<char>& bytes,
                        int jpegQuality = kDefaultJpegQuality);

}  // namespace zefrin
