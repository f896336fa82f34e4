#include "platform/qt/image_codecs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <filesystem>

namespace zefrin {
namespace {

namespace fs = std::filesystem;

class ImageCodecsTest : public ::testing::Test {
 protected:
  ImageCodecsTest() {
    dir = fs::temp_directory_path() /
          ("zefrin-codecs-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Every pixel different, so a swapped channel or row shows.
    for (int32_t y = 0; y < image.height(); ++y) {
      for (int32_t x = 0; x < image.width(); ++x) {
        image.set(x, y, pixelFromColour(rgb(x * 20, y * 30, (x * 7 + y * 13) & 0xFF)));
      }
    }
  }
  ~ImageCodecsTest() override { fs::remove_all(dir); }

  fs::path dir;
  RasterImage image{7, 5};
};

TEST_F(ImageCodecsTest, LosslessFormatsRoundTrip) {
  for (const auto& [name, format] : {std::pair{"p.png", ImageFormat::Png}, std::pair{"p.bmp", ImageFormat::Bmp}}) {
    std::vector<char> bytes;
    ASSERT_EQ(encodeImage(image, format, bytes), "");
    QImage read;
    read.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    ASSERT_FALSE(read.isNull()) << name;
    read = read.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(read.width(), image.width());
    ASSERT_EQ(read.height(), image.height());
    for (int32_t y = 0; y < image.height(); ++y) {
      for (int32_t x = 0; x < image.width(); ++x) {
        EXPECT_EQ(static_cast<Pixel>(read.pixel(x, y)), image.at(x, y)) << name << " " << x << "," << y;
      }
    }
  }
}

TEST_F(ImageCodecsTest, JpegQualityIsUsed) {
  RasterImage big(64, 64);
  for (int32_t y = 0; y < 64; ++y) {
    for (int32_t x = 0; x < 64; ++x) big.set(x, y, pixelFromColour(rgb(x * 4, (x * y) & 0xFF, y * 4)));
  }
  std::vector<char> low, high;
  ASSERT_EQ(encodeImage(big, ImageFormat::Jpeg, low, 10), "");
  ASSERT_EQ(encodeImage(big, ImageFormat::Jpeg, high, 95), "");
  EXPECT_LT(low.size(), high.size());
  const QImage read = QImage::fromData(QByteArray(high.data(), static_cast<qsizetype>(high.size())), "JPEG");
  ASSERT_FALSE(read.isNull());
  EXPECT_EQ(read.size(), QSize(64, 64));
}

TEST_F(ImageCodecsTest, FormatsByExtension) {
  EXPECT_EQ(imageFormatForPath("a/b.PNG"), ImageFormat::Png);
  EXPECT_EQ(imageFormatForPath("b.jpg"), ImageFormat::Jpeg);
  EXPECT_EQ(imageFormatForPath("b.Jpeg"), ImageFormat::Jpeg);
  EXPECT_EQ(imageFormatForPath("b.bmp"), ImageFormat::Bmp);
  EXPECT_EQ(imageFormatForPath("b.svg"), std::nullopt);
  EXPECT_EQ(imageFormatForPath("b.png/c"), std::nullopt);
  EXPECT_EQ(imageFormatForPath("png"), std::nullopt);
}

}  // namespace
}  // namespace zefrin
