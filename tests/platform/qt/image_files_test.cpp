#include "platform/qt/image_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

namespace zefrin {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// A picture whose every pixel differs from its neighbours, so lost columns
// and swapped channels show.
RasterImage patterned(int32_t width, int32_t height) {
  RasterImage image(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      image.set(x, y, 0xFF000000u | (static_cast<uint32_t>(x * 7 & 0xFF) << 16) |
                          (static_cast<uint32_t>(y * 13 & 0xFF) << 8) | static_cast<uint32_t>((x + 3 * y) & 0xFF));
    }
  }
  return image;
}

// Few colours, for formats that keep a colour table (XPM).
RasterImage stripes(int32_t width, int32_t height) {
  RasterImage image(width, height);
  const Pixel colours[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu, 0xFF123456u};
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) image.set(x, y, colours[(x / 3 + y) % 5]);
  }
  return image;
}

class ImageFiles : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return dir_.filePath(QString::fromStdString(name)).toStdString(); }

  static QByteArray contents(const std::string& file) {
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void put(const std::string& file, const QByteArray& bytes) {
    QFile f(QString::fromStdString(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  static ImageCodec encoder(const std::string& format) {
    for (const ImageCodec& codec : imageEncoders()) {
      if (codec.format == format) return codec;
    }
    ADD_FAILURE() << "no encoder " << format;
    return {};
  }
  static QByteArray encodedPng(const RasterImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage(reinterpret_cast<const uchar*>(image.data()), image.width(), image.height(), QImage::Format_RGB32)
        .save(&buffer, "PNG");
    return bytes;
  }

  QTemporaryDir dir_;
};

TEST_F(ImageFiles, CodecListsHoldTheWellKnownFormatsInOrder) {
  std::vector<std::string> decoders;
  for (const ImageCodec& c : imageDecoders()) decoders.push_back(c.format);
  std::vector<std::string> encoders;
  for (const ImageCodec& c : imageEncoders()) encoders.push_back(c.format);
  // QtGui always has these; TIFF and WebP come with the image formats plugins.
  EXPECT_THAT(decoders, ::testing::IsSupersetOf({"bmp", "jpeg", "gif", "png"}));
  EXPECT_THAT(encoders, ::testing::IsSupersetOf({"bmp", "jpeg", "png"}));
  EXPECT_EQ(decoders.front(), "bmp");
  EXPECT_EQ(encoders.front(), "bmp");
  EXPECT_THAT(encoders, ::testing::Not(::testing::Contains("gif")));
  for (const char* exotic : {"icns", "tga", "mng", "ico", "svg", "wbmp"}) {
    EXPECT_THAT(decoders, ::testing::Not(::testing::Contains(exotic)));
  }
  const ImageCodec jpeg = encoder("jpeg");
  EXPECT_EQ(jpeg, (ImageCodec{"JPEG", "*.JPG;*.JPEG", "image/jpeg", "jpeg"}));
}

TEST_F(ImageFiles, EveryEncoderRoundTrips) {
  for (const ImageCodec& codec : imageEncoders()) {
    const bool lossy = codec.format == "jpeg" || codec.format == "webp";
    const RasterImage original = codec.format == "xpm" ? stripes(37, 23) : patterned(37, 23);
    const std::string file = path("round." + codec.format);
    const ImageSaveResult saved = saveImageFile(original, file, codec);
    ASSERT_TRUE(saved.ok) << codec.format << ": " << saved.error;
    const ImageLoadResult loaded = loadImageFile(file);
    ASSERT_TRUE(loaded.ok) << codec.format << ": " << loaded.error;
    EXPECT_EQ(loaded.image.width(), 37) << codec.format;
    EXPECT_EQ(loaded.image.height(), 23) << codec.format;
    if (!lossy) {
      EXPECT_TRUE(loaded.image == original) << codec.format << " is not pixel-exact";
    }
  }
}

TEST_F(ImageFiles, TiffIsWrittenUncompressedAt24Bits) {
  if (!QImageWriter::supportedImageFormats().contains("tiff")) GTEST_SKIP() << "no TIFF plugin";
  const std::string file = path("flat.tif");
  ASSERT_TRUE(saveImageFile(patterned(40, 30), file, encoder("tiff")).ok);
  // Uncompressed at 3 bytes a pixel: the pixel data, a header and a few tags.
  const qsizetype size = contents(file).size();
  EXPECT_GE(size, 40 * 30 * 3);
  EXPECT_LT(size, 40 * 30 * 4);
}

TEST_F(ImageFiles, JpegUsesTheQualityOption) {
  const RasterImage image = patterned(64, 64);
  cSaveOptions low;
  low.JpgQuality = 5;
  cSaveOptions high;
  high.JpgQuality = 95;
  ASSERT_TRUE(saveImageFile(image, path("low.jpg"), encoder("jpeg"), low).ok);
  ASSERT_TRUE(saveImageFile(image, path("high.jpg"), encoder("jpeg"), high).ok);
  EXPECT_LT(contents(path("low.jpg")).size(), contents(path("high.jpg")).size());
}

// JPEG data in a file named .png (what a save with the JPEG filter makes of
// picture.png) opens as the JPEG it is.
TEST_F(ImageFiles, TheContentDecidesTheFormatNotTheName) {
  const std::string file = path("picture.png");
  ASSERT_TRUE(saveImageFile(patterned(37, 23), file, encoder("jpeg")).ok);
  ASSERT_TRUE(contents(file).startsWith("\xFF\xD8"));
  const ImageLoadResult loaded = loadImageFile(file);
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_EQ(loaded.image.width(), 37);
}

TEST_F(ImageFiles, WidePicturesLoadWhole) {
  const RasterImage original = patterned(1024, 600);
  const std::string file = path("wide.png");
  ASSERT_TRUE(saveImageFile(original, file, encoder("png")).ok);
  const ImageLoadResult loaded = loadImageFile(file);
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_TRUE(loaded.image == original);
}

// Qt's own default allocation limit (128 MB) would refuse this.
TEST_F(ImageFiles, APhotoSizedPictureIsNotRefused) {
  QImage big(8000, 4500, QImage::Format_RGB32);
  big.fill(qRgb(10, 200, 30));
  const std::string file = path("photo.png");
  ASSERT_TRUE(big.save(QString::fromStdString(file), "PNG"));
  const ImageLoadResult loaded = loadImageFile(file);
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_EQ(loaded.image.width(), 8000);
  EXPECT_EQ(loaded.image.at(7999, 4499), 0xFF0AC81Eu);
}

TEST_F(ImageFiles, TransparentPartsLoadOverWhite) {
  QImage rgba(2, 1, QImage::Format_ARGB32);
  rgba.setPixel(0, 0, qRgba(255, 0, 0, 0));
  rgba.setPixel(1, 0, qRgba(0, 0, 0, 255));
  const std::string file = path("alpha.png");
  ASSERT_TRUE(rgba.save(QString::fromStdString(file), "PNG"));
  const ImageLoadResult loaded = loadImageFile(file);
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_EQ(loaded.image.at(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(loaded.image.at(1, 0), 0xFF000000u);
}

uint32_t crc32(const QByteArray& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char byte : bytes) {
    crc ^= static_cast<uint8_t>(byte);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray bigEndian(uint32_t v) {
  QByteArray out;
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((v >> shift) & 0xFF));
  return out;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
  const QByteArray body = type + data;
  return bigEndian(static_cast<uint32_t>(data.size())) + body + bigEndian(crc32(body));
}

// A well-formed PNG that promises width x height pixels and holds a few bytes.
QByteArray pngDeclaring(uint32_t width, uint32_t height) {
  return QByteArray("\x89PNG\r\n\x1a\n", 8) +
         pngChunk("IHDR", bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\x00\x00\x00", 5)) +
         pngChunk("IDAT", QByteArray("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9)) + pngChunk("IEND", QByteArray());
}

TEST_F(ImageFiles, HostileAndBrokenFilesGiveReasons) {
  // An Apple icon header claiming an enormous entry, in a file named .png.
  QByteArray icns = QByteArray("icns") + bigEndian(35) + QByteArray("ic08") + bigEndian(0x7FFFFFF0u);
  icns.append(QByteArray(35 - icns.size(), '\x01'));
  const QByteArray png = encodedPng(patterned(64, 64));
  struct Case {
    std::string name;
    QByteArray bytes;
    std::string reason;
  };
  const std::vector<Case> cases = {
      {"icon.png", icns, "ICNS format are not supported"},
      {"empty.png", QByteArray(), "The file is empty."},
      {"half.png", png.left(png.size() / 2), "damaged or incomplete"},
      {"headless.png", png.left(20), "damaged or incomplete"},
      {"notes.png", QByteArray("Hello, this is a shopping list, not a picture.\n"), "not a picture in a known format"},
      {"bomb.png", pngDeclaring(100000, 100000), "too large (100000 x 100000 pixels)"},
      {"tall.png", pngDeclaring(1, 40000), "too large (1 x 40000 pixels)"},
  };
  ASSERT_EQ(icns.size(), 35);
  for (const Case& c : cases) {
    put(path(c.name), c.bytes);
    const ImageLoadResult loaded = loadImageFile(path(c.name));
    EXPECT_FALSE(loaded.ok) << c.name;
    EXPECT_THAT(loaded.error, HasSubstr(c.reason)) << c.name;
    EXPECT_TRUE(loaded.image.empty()) << c.name;
  }
  EXPECT_EQ(loadImageFile(path("missing.png")).error, "The file does not exist.");
  EXPECT_EQ(loadImageFile(dir_.path().toStdString()).error, "This is not a file.");
}

// Every failed save leaves the old file exactly as it was.
class FailedSave : public ImageFiles {
 protected:
  void SetUp() override {
    ASSERT_TRUE(saveImageFile(stripes(8, 8), target_, encoder("png")).ok);
    old_ = contents(target_);
    ASSERT_FALSE(old_.isEmpty());
  }
  void expectOldFileIntact() {
    EXPECT_EQ(contents(target_), old_);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.png"}) << "left-overs";
  }
  std::string target_ = path("old.png");
  QByteArray old_;
};

TEST_F(FailedSave, AnEncoderFailure) {
  // JPEG cannot hold a picture this wide.
  const ImageSaveResult saved = saveImageFile(RasterImage(70000, 1), target_, encoder("jpeg"));
  EXPECT_FALSE(saved.ok);
  EXPECT_THAT(saved.error, StartsWith("The JPEG encoder failed"));
  expectOldFileIntact();
}

TEST_F(FailedSave, AnUnknownEncoder) {
  const ImageSaveResult saved = saveImageFile(patterned(4, 4), target_, ImageCodec{"Nope", "*.NOPE", "", "nope"});
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.error, "Pictures cannot be saved in the Nope format.");
  expectOldFileIntact();
}

// A full disk, made with a file-size limit that binds root too.
TEST_F(FailedSave, AShortWrite) {
  const RasterImage noisy = patterned(256, 256);  // far more than the limit once encoded
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = before;
  limited.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const ImageSaveResult saved = saveImageFile(noisy, target_, encoder("bmp"));
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(saved.ok);
  EXPECT_THAT(saved.error, HasSubstr("the old file is unchanged"));
  expectOldFileIntact();
}

TEST_F(FailedSave, AFolderThatCannotBeWritten) {
  ASSERT_EQ(chmod(dir_.path().toLocal8Bit().constData(), 0555), 0);
  const bool chmodBinds = !QFile(dir_.filePath("probe")).open(QIODevice::WriteOnly);
  if (chmodBinds) {
    const ImageSaveResult saved = saveImageFile(patterned(4, 4), target_, encoder("png"));
    EXPECT_FALSE(saved.ok);
    EXPECT_THAT(saved.error, StartsWith("The file cannot be written"));
  }
  ASSERT_EQ(chmod(dir_.path().toLocal8Bit().constData(), 0755), 0);
  if (!chmodBinds) {
    // Running as root: a folder that is really a file cannot take a new file either.
    QFile(dir_.filePath("probe")).remove();
    const ImageSaveResult saved = saveImageFile(patterned(4, 4), target_ + "/inside.png", encoder("png"));
    EXPECT_FALSE(saved.ok);
    EXPECT_THAT(saved.error, StartsWith("The file cannot be written"));
  }
  expectOldFileIntact();
}

TEST_F(ImageFiles, NothingToSaveOrNoName) {
  EXPECT_EQ(saveImageFile(RasterImage(), path("x.png"), encoder("png")).error, "There is no picture to save.");
  EXPECT_EQ(saveImageFile(patterned(2, 2), "", encoder("png")).error, "No file name was given.");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path("x.png"))));
}

}  // namespace
}  // namespace zefrin
