#include "platform/qt/image_codecs.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cctype>


namespace zefrin {

namespace {

std::string lowerExtension(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  std::string extension(path.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

const char* qtFormatName(ImageFormat format) {
  switch (format) {
    case ImageFormat::Png: return "png";
    case ImageFormat::Jpeg: return "jpeg";
    case ImageFormat::Bmp: return "bmp";
  }
  return "png";
}

}  // namespace

std::optional<ImageFormat> imageFormatForPath(std::string_view path) {
  const std::string extension = lowerExtension(path);
  if (extension == "png") return ImageFormat::Png;
  if (extension == "jpg" || extension == "jpeg") return ImageFormat::Jpeg;
  if (extension == "bmp") return ImageFormat::Bmp;
  return std::nullopt;
}

std::string encodeImage(const RasterImage& image, ImageFormat format, std::vector<char>& bytes,
                        int jpegQuality) {
  bytes.clear();
  if (image.empty()) return "cannot encode an empty picture";
  // The const constructor wraps the pixels read-only: no copy is made.
  const QImage view(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                    static_cast<qsizetype>(image.width()) * 4, QImage::Format_RGB32);
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, qtFormatName(format));
  if (format == ImageFormat::Jpeg) writer.setQuality(std::clamp(jpegQuality, 0, 100));
  if (!writer.write(view)) {
    return std::string("cannot encode ") + qtFormatName(format) + ": " +
           writer.errorString().toStdString();
  }
  bytes.assign(encoded.constData(), encoded.constData() + encoded.size());
  return {};
}

}  // namespace zefrin
