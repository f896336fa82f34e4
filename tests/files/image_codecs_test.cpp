#include "files/image_codecs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zefrin {
namespace {

const ImageCodec kBmp{"BMP", "*.BMP;*.DIB", "image/bmp", "bmp"};
const ImageCodec kJpeg{"JPEG", "*.JPG;*.JPEG", "image/jpeg", "jpeg"};
const ImageCodec kPng{"PNG", "*.PNG", "image/png", "png"};
const std::vector<ImageCodec> kEncoders = {kBmp, kJpeg, kPng};
constexpr int32_t kAllFiles = 3;  // the filter after the codecs

TEST(CodecFilterText, ListsEachCodecTwiceThenAllFiles) {
  EXPECT_EQ(codecFilterText({kJpeg, kPng}), "JPEG(*.JPG;*.JPEG)|*.JPG;*.JPEG|PNG(*.PNG)|*.PNG|All Files (*.*)|*.*");
  EXPECT_EQ(codecFilterText({}), "All Files (*.*)|*.*");
}

TEST(ChooseEncoder, FilterOrExtensionOrTheFirstCodec) {
  struct Case {
    int32_t filter;
    std::string name;
    std::string expected;  // format
  };
  const std::vector<Case> cases = {
      {1, "picture", "jpeg"},
      {1, "picture.png", "jpeg"},  // the chosen filter wins over the name
      {2, "x.BMP", "png"},
      {kAllFiles, "picture.PNG", "png"},
      {kAllFiles, "picture.JPEG", "jpeg"},
      {kAllFiles, "c:\\a.JPG\\picture", "bmp"},  // "JPG\picture" is no extension
      {kAllFiles, "picture.png", "png"},         // extensions match whatever their case
      {kAllFiles, "photo.Jpg", "jpeg"},
      {kAllFiles, "picture.PE", "bmp"},          // whole entries only, not a part of "*.JPEG"
      {kAllFiles, "picture.", "bmp"},
      {kAllFiles, "picture", "bmp"},
      {-1, "picture.PNG", "png"},  // out of range counts as "All Files"
      {99, "picture.JPG", "jpeg"},
  };
  for (const Case& c : cases) {
    std::optional<ImageCodec> chosen = chooseEncoder(kEncoders, c.filter, c.name);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->format, c.expected) << c.filter << " " << c.name;
  }
  EXPECT_FALSE(chooseEncoder({}, 0, "picture.png").has_value());
}

TEST(NameWithExtension, AppendsTheFirstExtensionOnlyWhenThereIsNone) {
  struct Case {
    std::string name;
    ImageCodec encoder;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"picture", kJpeg, "picture.JPG"},
      {"picture.png", kJpeg, "picture.png"},
      {"c:\\a.b\\picture", kBmp, "c:\\a.b\\picture.BMP"},
      {"/home/a.b/picture", kPng, "/home/a.b/picture.PNG"},
      {"/home/ab/picture.", kPng, "/home/ab/picture."},
      {"picture", ImageCodec{"Odd", ".XYZ", "", "xyz"}, "picture.XYZ"},
      {"picture", ImageCodec{"None", "", "", "none"}, "picture"},
  };
  for (const Case& c : cases) EXPECT_EQ(nameWithExtension(c.name, c.encoder), c.expected) << c.name;
}

}  // namespace
}  // namespace zefrin
