#include "platform/qt/image_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cstring>
#include <new>

namespace zefrin {

namespace {

// The raster formats Zefrin reads and writes, in the order the dialogs list
// them. Anything else Qt may have a plugin for (ICNS, TGA, MNG, ...) is
// never handed a file: exotic decoders are where hostile files do harm.
struct KnownFormat {
  const char* format;              // Qt's name, used to pick the writer
  const char* description;
  const char* readExtensions;
  const char* writeExtensions;     // nullptr: Zefrin does not write it
  const char* mimeType;
  const char* detectedAs[3];       // what content detection may call it
};

const KnownFormat kKnownFormats[] = {
    {"bmp", "BMP", "*.BMP;*.DIB", "*.BMP;*.DIB", "image/bmp", {"bmp", "dib"}},
    {"jpeg", "JPEG", "*.JPG;*.JPEG", "*.JPG;*.JPEG", "image/jpeg", {"jpeg", "jpg"}},
    {"gif", "GIF", "*.GIF", nullptr, "image/gif", {"gif"}},
    {"tiff", "TIFF", "*.TIF;*.TIFF", "*.TIF;*.TIFF", "image/tiff", {"tiff", "tif"}},
    {"png", "PNG", "*.PNG", "*.PNG", "image/png", {"png"}},
    {"webp", "WEBP", "*.WEBP", "*.WEBP", "image/webp", {"webp"}},
    {"ppm", "PPM", "*.PPM;*.PGM;*.PBM", "*.PPM", "image/x-portable-pixmap", {"ppm", "pgm", "pbm"}},
    {"xpm", "XPM", "*.XPM", "*.XPM", "image/x-xpixmap", {"xpm"}},
};

const KnownFormat* knownFormatDetectedAs(const QByteArray& detected) {
  const QByteArray name = detected.toLower();
  for (const KnownFormat& known : kKnownFormats) {
    for (const char* alias : known.detectedAs) {
      if (alias != nullptr && name == alias) return &known;
    }
  }
  return nullptr;
}

// Qt's decoders refuse to allocate more than this many megabytes for one
// picture. Qt 6.4's default (128) refuses an ordinary 8000 x 4000 photo; this
// admits the largest picture we accept at 4 bytes a pixel, and the declared
// size is checked before decoding anyway.
constexpr int kAllocationLimitMb = static_cast<int>((kMaxImagePixels * 4) >> 20) + 1;

bool sizeAccepted(QSize size) {
  return size.width() > 0 && size.height() > 0 && size.width() <= kMaxImageSide &&
         size.height() <= kMaxImageSide && int64_t{size.width()} * size.height() <= kMaxImagePixels;
}

std::string tooLargeReason(QSize size) {
  return "The picture is too large (" + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
         " pixels); pictures of up to " + std::to_string(kMaxImageSide) + " pixels a side and " +
         std::to_string(kMaxImagePixels) + " pixels in all can be opened.";
}

std::string text(const QString& s) { return s.toStdString(); }

// Transparent parts are shown over white, as on a new page.
QImage opaqueOverWhite(const QImage& decoded) {
  QImage argb = decoded.convertToFormat(QImage::Format_ARGB32);
  if (argb.isNull()) return argb;
  for (int y = 0; y < argb.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = line[x];
      const int a = qAlpha(p);
      const auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
      line[x] = qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
    }
  }
  argb.reinterpretAsFormat(QImage::Format_RGB32);
  return argb;
}

std::vector<ImageCodec> codecs(bool forWriting) {
  const QList<QByteArray> supported =
      forWriting ? QImageWriter::supportedImageFormats() : QImageReader::supportedImageFormats();
  std::vector<ImageCodec> list;
  for (const KnownFormat& known : kKnownFormats) {
    const char* extensions = forWriting ? known.writeExtensions : known.readExtensions;
    if (extensions == nullptr || !supported.contains(QByteArray(known.format))) continue;
    list.push_back(ImageCodec{known.description, extensions, known.mimeType, known.format});
  }
  return list;
}

// The picture's pixels as an RGB32 QImage, without copying.
QImage wrap(const RasterImage& image) {
  return QImage(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(),
                static_cast<qsizetype>(image.width()) * 4, QImage::Format_RGB32);
}

// Whether the encoded bytes read back as a whole picture of the given size.
bool readsBack(const QByteArray& bytes, const QByteArray& format, QSize expected) {
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  reader.setAllocationLimit(kAllocationLimitMb);
  QImage decoded;
  return reader.size() == expected && reader.read(&decoded) && decoded.size() == expected;
}

// Our TIFF option follows the classic numbering, where 6 is "no compression"
// and 2 LZW; Qt's TIFF writer takes 0 for none and 1 for LZW.
int qtTiffCompression(int32_t tiffCompression) { return tiffCompression == 2 ? 1 : 0; }

}  // namespace

std::vector<ImageCodec> imageDecoders() { return codecs(false); }
std::vector<ImageCodec> imageEncoders() { return codecs(true); }

ImageLoadResult loadImageFile(const std::string& path) {
  ImageLoadResult result;
  const QString qpath = QString::fromStdString(path);
  const QFileInfo info(qpath);
  if (path.empty() || !info.exists()) {
    result.error = "The file does not exist.";
    return result;
  }
  if (!info.isFile()) {
    result.error = "This is not a file.";
    return result;
  }
  QFile file(qpath);
  if (!file.open(QIODevice::ReadOnly)) {
    result.error = "The file cannot be read: " + text(file.errorString());
    return result;
  }
  if (file.size() == 0) {
    result.error = "The file is empty.";
    return result;
  }

  // The format comes from the content alone, never from the name.
  QImageReader reader(&file);
  reader.setDecideFormatFromContent(true);
  reader.setAllocationLimit(kAllocationLimitMb);
  const QByteArray detected = reader.format();
  if (detected.isEmpty()) {
    result.error = "The file is not a picture in a known format.";
    return result;
  }
  if (knownFormatDetectedAs(detected) == nullptr) {
    result.error = "Pictures in the " + detected.toUpper().toStdString() + " format are not supported.";
    return result;
  }

  const QSize declared = reader.size();
  if (!declared.isValid()) {
    result.error = "The picture data is damaged or incomplete: " + text(reader.errorString());
    return result;
  }
  if (!sizeAccepted(declared)) {
    result.error = tooLargeReason(declared);
    return result;
  }

  QImage decoded;
  if (!reader.read(&decoded) || decoded.isNull()) {
    result.error = "The picture data is damaged or incomplete: " + text(reader.errorString());
    return result;
  }
  if (!sizeAccepted(decoded.size())) {
    result.error = tooLargeReason(decoded.size());
    return result;
  }

  try {
    if (decoded.hasAlphaChannel()) {
      decoded = opaqueOverWhite(decoded);
    } else {
      decoded.convertTo(QImage::Format_RGB32);
    }
    if (decoded.isNull() || decoded.format() != QImage::Format_RGB32) throw std::bad_alloc();
    RasterImage image(decoded.width(), decoded.height());
    for (int y = 0; y < decoded.height(); ++y) {
      std::memcpy(image.row(y), decoded.constScanLine(y), static_cast<size_t>(decoded.width()) * 4);
    }
    result.image = std::move(image);
  } catch (const std::bad_alloc&) {
    result.error = "There is not enough memory for a picture of " + std::to_string(decoded.width()) + " x " +
                   std::to_string(decoded.height()) + " pixels.";
    return result;
  }
  result.ok = true;
  return result;
}

// Nothing reaches the disk until the encoded picture has been read back
// whole; the old file is replaced only after every byte of the new one is
// known to be written.
ImageSaveResult saveImageFile(const RasterImage& image, const std::string& path, const ImageCodec& encoder,
                              const cSaveOptions& options) {
  ImageSaveResult result;
  if (image.empty()) {
    result.error = "There is no picture to save.";
    return result;
  }
  if (path.empty()) {
    result.error = "No file name was given.";
    return result;
  }
  const QByteArray format = QByteArray::fromStdString(encoder.format);
  const std::string name = encoder.description.empty() ? encoder.format : encoder.description;
  if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format)) {
    result.error = "Pictures cannot be saved in the " + name + " format.";
    return result;
  }

  QImage picture = wrap(image);
  QBuffer encoded;
  encoded.open(QIODevice::WriteOnly);
  QImageWriter writer(&encoded, format);
  if (encoder.mimeType == "image/jpeg") {
    writer.setQuality(std::clamp(options.JpgQuality, 0, 100));
  } else if (encoder.mimeType == "image/tiff") {
    writer.setCompression(qtTiffCompression(options.TiffCompression));
    picture = picture.convertToFormat(QImage::Format_RGB888);  // 24 bits a pixel
  }
  if (picture.isNull()) {
    result.error = "There is not enough memory to save the picture.";
    return result;
  }
  const bool wrote = writer.write(picture);
  encoded.close();
  const QByteArray bytes = encoded.data();
  if (!wrote || bytes.isEmpty()) {
    result.error = "The " + name + " encoder failed: " + text(writer.errorString());
    return result;
  }
  if (!readsBack(bytes, format, picture.size())) {
    result.error = "The " + name + " encoder made a file that cannot be read back; nothing was written.";
    return result;
  }

  QSaveFile out(QString::fromStdString(path));
  out.setDirectWriteFallback(false);  // never write over the old file in place
  if (!out.open(QIODevice::WriteOnly)) {
    result.error = "The file cannot be written: " + text(out.errorString());
    return result;
  }
  // A short write can go unreported (a full disk), so the bytes that reached
  // the file are counted before the old file is replaced.
  const qint64 written = out.write(bytes);
  if (written != bytes.size() || !out.flush() || out.size() != bytes.size() ||
      out.error() != QFileDevice::NoError) {
    const std::string why = out.error() != QFileDevice::NoError ? text(out.errorString()) : "the disk may be full";
    out.cancelWriting();
    result.error = "Not all of the file could be written (" + why + "); the old file is unchanged.";
    return result;
  }
  if (!out.commit()) {
    result.error = "The file could not be written: " + text(out.errorString());
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace zefrin
