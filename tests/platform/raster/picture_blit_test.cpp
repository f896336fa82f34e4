#include <gtest/gtest.h>

#include "platform/raster/ascii_picture.h"
#include "platform/raster/picture.h"

namespace zefrin {
namespace {

RasterImage numbered(int32_t width, int32_t height) {
  RasterImage image(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) image.set(x, y, 0xFF000000u | static_cast<Pixel>(y * 256 + x));
  }
  return image;
}

TEST(PictureStretch, EnlargingRepeatsEachPixelAsABlock) {
  Picture picture(4, 4, test::kWhite);
  const RasterImage src = numbered(2, 2);
  picture.stretchFrom(src, src.bounds(), RectI{0, 0, 4, 4});
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(picture.persistentRaster().at(x, y), src.at(x / 2, y / 2)) << x << "," << y;
    }
  }
  // The zoom's case: 90 x 60 to 720 x 480, every pixel an 8 x 8 block.
  Picture zoomed(720, 480, test::kWhite);
  const RasterImage image = numbered(90, 60);
  zoomed.stretchFrom(image, image.bounds(), zoomed.persistentRaster().bounds());
  for (int32_t y = 0; y < 480; ++y) {
    for (int32_t x = 0; x < 720; ++x) {
      ASSERT_EQ(zoomed.persistentRaster().at(x, y), image.at(x / 8, y / 8)) << x << "," << y;
    }
  }
  // And back down: each block gives back its pixel.
  Picture reduced(90, 60, test::kWhite);
  reduced.stretchFrom(zoomed.persistentRaster(), zoomed.persistentRaster().bounds(), RectI{0, 0, 90, 60});
  EXPECT_EQ(reduced.persistentRaster(), image);
}

TEST(PictureStretch, SameSizeCopiesAndRectsAreClippedSoundly) {
  const RasterImage src = numbered(3, 2);
  Picture picture(4, 3, test::kWhite);
  picture.stretchFrom(src, src.bounds(), RectI{2, 1, 5, 3});  // runs off the right edge
  const Pixel white = pixelFromColour(test::kWhite);
  EXPECT_EQ(picture.persistentRaster().at(2, 1), src.at(0, 0));
  EXPECT_EQ(picture.persistentRaster().at(3, 2), src.at(1, 1));
  EXPECT_EQ(picture.persistentRaster().at(1, 1), white);

  // A source rectangle reaching outside the source leaves those pixels alone.
  Picture partial(4, 1, test::kWhite);
  partial.stretchFrom(src, RectI{-1, 0, 3, 1}, RectI{0, 0, 4, 1});
  EXPECT_EQ(partial.persistentRaster().at(0, 0), white);
  EXPECT_EQ(partial.persistentRaster().at(1, 0), src.at(0, 0));
  EXPECT_EQ(partial.persistentRaster().at(3, 0), src.at(2, 0));

  // Empty and far-away rectangles change nothing.
  Picture untouched(4, 3, test::kWhite);
  const RasterImage before = untouched.persistentRaster();
  untouched.stretchFrom(src, RectI{0, 0, 0, 2}, RectI{0, 0, 4, 3});
  untouched.stretchFrom(src, src.bounds(), RectI{3, 0, 1, 3});
  untouched.stretchFrom(src, src.bounds(), RectI{-2147483647, -2147483647, -2147483000, -2147483000});
  untouched.stretchFrom(src, src.bounds(), RectI{-2147483647, 0, 2147483647, 3});  // vast but valid
  EXPECT_EQ(untouched.persistentRaster().at(0, 0), src.at(1, 0));
  untouched.load(before);
  untouched.stretchFrom(RasterImage{}, RectI{0, 0, 2, 2}, RectI{0, 0, 2, 2});
  EXPECT_EQ(untouched.persistentRaster(), before);
}

TEST(PictureStretch, CopyingThePictureOntoItselfReadsTheOldPixels) {
  Picture picture(4, 1, test::kWhite);
  picture.persistentRaster() = numbered(4, 1);
  const RasterImage before = picture.persistentRaster();
  picture.stretchFrom(picture.persistentRaster(), RectI{0, 0, 3, 1}, RectI{1, 0, 4, 1});
  EXPECT_EQ(picture.persistentRaster().at(0, 0), before.at(0, 0));
  EXPECT_EQ(picture.persistentRaster().at(1, 0), before.at(0, 0));
  EXPECT_EQ(picture.persistentRaster().at(2, 0), before.at(1, 0));
  EXPECT_EQ(picture.persistentRaster().at(3, 0), before.at(2, 0));
}

TEST(PictureAlphaBlend, ConstantOpacityRoundsToNearest) {
  const Colour under = rgb(10, 200, 255);
  const Colour over = rgb(250, 0, 100);
  struct Case {
    int32_t opacity;
    Colour expected;
  };
  // channel = (src * a + dst * (255 - a)) / 255, to nearest
  const Case cases[] = {
      {0, under},
      {255, over},
      {128, rgb(130, 100, 177)},  // 33270/255 = 130.47; 25400/255 = 99.6; 45185/255 = 177.2
      {1, rgb(11, 199, 254)},     // 2790/255 = 10.9; 50800/255 = 199.2; 64870/255 = 254.4
      {-20, under},               // opacities are held to 0..255
      {900, over},
  };
  for (const Case& c : cases) {
    Picture picture(2, 1, under);
    picture.alphaBlendFrom(RasterImage(1, 1, pixelFromColour(over)), RectI{0, 0, 1, 1}, RectI{1, 0, 2, 1},
                           c.opacity);
    EXPECT_EQ(picture.getPixel(0, 0), under);
    EXPECT_EQ(picture.getPixel(1, 0), c.expected) << c.opacity;
  }
}

}  // namespace
}  // namespace zefrin
