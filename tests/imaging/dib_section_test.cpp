#include "imaging/dib_section.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "support/recording_messenger.h"

namespace zefrin {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Every pixel different, every channel busy.
Pixel patternPixel(int32_t x, int32_t y) {
  return 0xFF000000u | (static_cast<uint32_t>((x * 7 + y * 3) & 0xFF) << 16) |
         (static_cast<uint32_t>((x * 13 + 5 * y + 1) & 0xFF) << 8) |
         static_cast<uint32_t>((x ^ (y * 11)) & 0xFF);
}

RasterImage patternPicture(int32_t width, int32_t height) {
  RasterImage picture(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) picture.set(x, y, patternPixel(x, y));
  return picture;
}

// The buffer's pixel at picture coordinates (x, y), read from its bytes.
Pixel pixelAt(const cDIBSection& dib, int32_t x, int32_t y) {
  const uint8_t* bytes = dib.DIBSectionBitsPtr() +
                         static_cast<size_t>(dib.height() - 1 - y) * dib.BytesPerScanLine() + 3 * x;
  return 0xFF000000u | (uint32_t{bytes[2]} << 16) | (uint32_t{bytes[1]} << 8) | bytes[0];
}

bool paddingIsZero(const cDIBSection& dib) {
  for (int32_t r = 0; r < dib.height(); ++r) {
    const uint8_t* row = dib.DIBSectionBitsPtr() + static_cast<size_t>(r) * dib.BytesPerScanLine();
    for (int32_t x = 3 * dib.width(); x < dib.BytesPerScanLine(); ++x)
      if (row[x] != 0) return false;
  }
  return true;
}

TEST(DibSectionCreate, StrideHeaderAndZeroedMemory) {
  struct Case {
    int32_t width;
    int32_t stride;
  };
  for (const Case c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}, Case{7, 24},
                       Case{8, 24}, Case{300, 900}, Case{301, 904}}) {
    SCOPED_TRACE(c.width);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(c.width, 3));
    EXPECT_EQ(dib.BytesPerScanLine(), c.stride);
    const DibInfoHeader& h = dib.header();
    EXPECT_EQ(h.headerSize, 40u);
    EXPECT_EQ(h.width, c.width);
    EXPECT_EQ(h.height, 3);
    EXPECT_EQ(h.planes, 1);
    EXPECT_EQ(h.bitCount, 24);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.imageSize, static_cast<uint32_t>(c.stride * 3));
    const uint8_t* bits = dib.DIBSectionBitsPtr();
    ASSERT_NE(bits, nullptr);
    EXPECT_EQ(std::vector<uint8_t>(bits, bits + h.imageSize), std::vector<uint8_t>(h.imageSize, 0));
  }
}

TEST(DibSectionCreate, BadSizesFailAndLeaveTheBufferEmpty) {
  struct Case {
    int32_t width;
    int32_t height;
  };
  for (const Case c : {Case{0, 5}, Case{5, 0}, Case{-1, 5}, Case{5, -3}, Case{kMaxDibDimension + 1, 1},
                       Case{1, kMaxDibDimension + 1}, Case{kMax, kMax}, Case{kMin, 2}}) {
    SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(4, 4));  // a raster held before is dropped
    EXPECT_FALSE(dib.Create(c.width, c.height));
    EXPECT_FALSE(dib.hasRaster());
    EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
    EXPECT_EQ(dib.width(), 0);
    EXPECT_EQ(dib.height(), 0);
  }
  cDIBSection widest;
  EXPECT_TRUE(widest.Create(kMaxDibDimension, 1));
  EXPECT_EQ(widest.BytesPerScanLine(), 3 * kMaxDibDimension);
}

TEST(DibSectionCreate, ClearUpDropsPixelsButKeepsTheSize) {
  cDIBSection dib;
  dib.CreateFromPicture(patternPicture(5, 3));
  dib.ClearUp();
  EXPECT_FALSE(dib.hasRaster());
  EXPECT_EQ(dib.DIBSectionBitsPtr(), nullptr);
  EXPECT_EQ(dib.width(), 5);
  EXPECT_EQ(dib.height(), 3);
  RasterImage untouched(5, 3, 0xFF123456u);
  dib.PaintPicture(untouched);  // nothing to paint
  EXPECT_EQ(untouched, RasterImage(5, 3, 0xFF123456u));
}

TEST(DibSectionLayout, RowsBottomUpBytesBlueGreenRed) {
  RasterImage picture(3, 2);
  picture.set(0, 0, 0xFF010203u);  // top-left
  picture.set(2, 0, 0xFFA0B0C0u);  // top-right
  picture.set(1, 1, 0xFF0A0B0Cu);  // bottom-middle
  cDIBSection dib;
  dib.CreateFromPicture(picture);
  ASSERT_TRUE(dib.hasRaster());
  ASSERT_EQ(dib.BytesPerScanLine(), 12);
  const uint8_t* bits = dib.DIBSectionBitsPtr();
  // Picture line 0 (top) is row 1; line 1 is row 0.
  const std::vector<uint8_t> row0(bits, bits + 12);
  const std::vector<uint8_t> row1(bits + 12, bits + 24);
  EXPECT_EQ(row0, (std::vector<uint8_t>{0, 0, 0, 0x0C, 0x0B, 0x0A, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(row1, (std::vector<uint8_t>{0x03, 0x02, 0x01, 0, 0, 0, 0xC0, 0xB0, 0xA0, 0, 0, 0}));
}

TEST(DibSectionBlit, PictureRoundTripIsExact) {
  const RasterImage picture = patternPicture(300, 200);
  cDIBSection dib;
  dib.CreateFromPicture(picture);
  ASSERT_EQ(dib.width(), 300);
  ASSERT_EQ(dib.height(), 200);
  RasterImage back(300, 200, 0xFF777777u);
  dib.PaintPicture(back, 0, 0, -1, -1);
  EXPECT_EQ(back, picture);
}

TEST(DibSectionBlit, EmptyPictureLeavesTheBufferEmpty) {
  cDIBSection dib;
  ASSERT_TRUE(dib.Create(2, 2));
  dib.CreateFromPicture(RasterImage());
  EXPECT_FALSE(dib.hasRaster());
}

// Both blits against a per-pixel statement of the clipping: a pixel is
// copied when it lies inside the transfer and inside both rasters, and is
// left alone otherwise. White sources make any stray write to padding show.
struct BlitCase {
  int32_t destLeft, destTop, width, height, srcLeft, srcTop;
};

const BlitCase kBlitCases[] = {
    {0, 0, -1, -1, 0, 0},      {0, 0, 2, 1, 0, 0},        {0, 0, -1, -1, 2, 1},
    {0, 0, -1, -1, -2, -1},    {0, 0, 100, 100, 1, 1},    {2, 1, -1, -1, 0, 0},
    {-2, -1, -1, -1, 0, 0},    {-1, 3, 9, 9, 1, -1},      {4, 3, 5, 5, 3, 0},
    {0, 0, 0, 0, 0, 0},        {7, 0, -1, -1, 0, 0},      {0, 0, -1, -1, 5, 0},
    {kMin, kMin, kMax, kMax, 0, 0}, {kMax, kMax, kMax, kMax, kMin, kMin},
    {0, 0, kMax, kMax, kMin, kMin},
};

TEST(DibSectionBlit, LoadPictureBltClipsToBothRasters) {
  const RasterImage source = patternPicture(5, 4);
  for (const BlitCase& c : kBlitCases) {
    SCOPED_TRACE(::testing::Message() << c.srcLeft << "," << c.srcTop << " " << c.width << "x"
                                      << c.height);
    cDIBSection dib;
    ASSERT_TRUE(dib.Create(3, 3));
    dib.LoadPictureBlt(source, c.srcLeft, c.srcTop, c.width, c.height);
    const int64_t w = c.width < 0 ? 3 : c.width;
    const int64_t h = c.height < 0 ? 3 : c.height;
    for (int32_t y = 0; y < 3; ++y) {
      for (int32_t x = 0; x < 3; ++x) {
        const int64_t sx = int64_t{c.srcLeft} + x;
        const int64_t sy = int64_t{c.srcTop} + y;
        const bool copied = x < w && y < h && sx >= 0 && sy >= 0 && sx < 5 && sy < 4;
        const Pixel expected = copied ? patternPixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy))
                                      : 0xFF000000u;
        EXPECT_EQ(pixelAt(dib, x, y), expected) << "at " << x << "," << y;
      }
    }
  }
  cDIBSection whiteWithPadding;
  ASSERT_TRUE(whiteWithPadding.Create(1, 3));
  whiteWithPadding.LoadPictureBlt(RasterImage(4, 4, 0xFFFFFFFFu), 0, 0, 9, 9);
  EXPECT_EQ(pixelAt(whiteWithPadding, 0, 2), 0xFFFFFFFFu);
  EXPECT_TRUE(paddingIsZero(whiteWithPadding));
}

TEST(DibSectionBlit, PaintPictureClipsToBothRasters) {
  cDIBSection dib;
  dib.CreateFromPicture(patternPicture(4, 3));
  constexpr Pixel kSentinel = 0xFF5A5A5Au;
  for (const BlitCase& c : kBlitCases) {
    SCOPED_TRACE(::testing::Message() << c.destLeft << "," << c.destTop << " " << c.width << "x"
                                      << c.height << " from " << c.srcLeft << "," << c.srcTop);
    RasterImage target(6, 5, kSentinel);
    dib.PaintPicture(target, c.destLeft, c.destTop, c.width, c.height, c.srcLeft, c.srcTop);
    const int64_t w = c.width < 0 ? 4 : c.width;
    const int64_t h = c.height < 0 ? 3 : c.height;
    for (int32_t y = 0; y < 5; ++y) {
      for (int32_t x = 0; x < 6; ++x) {
        const int64_t i = x - int64_t{c.destLeft};
        const int64_t j = y - int64_t{c.destTop};
        const int64_t sx = int64_t{c.srcLeft} + i;
        const int64_t sy = int64_t{c.srcTop} + j;
        const bool copied = i >= 0 && j >= 0 && i < w && j < h && sx >= 0 && sy >= 0 && sx < 4 && sy < 3;
        const Pixel expected = copied ? patternPixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy))
                                      : kSentinel;
        EXPECT_EQ(target.at(x, y), expected) << "at " << x << "," << y;
      }
    }
  }
}

class RecordingClipboard final : public ClipboardSink {
 public:
  explicit RecordingClipboard(bool accepts = true) : accepts_(accepts) {}
  bool putBitmap(const RasterImage& picture) override {
    puts.push_back(picture);
    return accepts_;
  }
  std::vector<RasterImage> puts;

 private:
  bool accepts_;
};

TEST(DibSectionClipboard, AsDibSaysSoAndPutsNothing) {
  cDIBSection dib;
  dib.CreateFromPicture(patternPicture(3, 2));
  RecordingClipboard clipboard;
  testing::RecordingMessenger messenger;
  EXPECT_FALSE(dib.CopyToClipboard(true, clipboard, messenger));
  EXPECT_TRUE(clipboard.puts.empty());
  EXPECT_EQ(messenger.texts(), std::vector<std::string>{
                                   "I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!"});
}

TEST(DibSectionClipboard, AsBitmapPutsThePicture) {
  const RasterImage picture = patternPicture(7, 5);
  cDIBSection dib;
  dib.CreateFromPicture(picture);
  testing::RecordingMessenger messenger;

  RecordingClipboard clipboard;
  EXPECT_TRUE(dib.CopyToClipboard(false, clipboard, messenger));
  ASSERT_EQ(clipboard.puts.size(), 1u);
  EXPECT_EQ(clipboard.puts[0], picture);

  RecordingClipboard refusing(false);
  EXPECT_FALSE(dib.CopyToClipboard(false, refusing, messenger));

  RecordingClipboard untouched;
  dib.ClearUp();
  EXPECT_FALSE(dib.CopyToClipboard(false, untouched, messenger));
  EXPECT_TRUE(untouched.puts.empty());
  EXPECT_TRUE(messenger.messages.empty());
}

// Draws 1/255, 2/255, ... so each drawn byte tells its place in the order;
// reseeding starts the count again.
class CountingRandom final : public RandomSource {
 public:
  float uniform() override { return static_cast<float>(++drawn) / 255.0f; }
  void reseedFromClock() override {
    drawn = 0;
    ++reseeds;
  }
  int32_t drawn = 0;
  int32_t reseeds = 0;
};

TEST(DibSectionRandomise, GreyFillsRowByRowWithEqualChannels) {
  cDIBSection dib;
  ASSERT_TRUE(dib.Create(3, 4));
  CountingRandom random;
  random.uniform();  // a stale draw that the reseed must discard
  dib.RandomiseBits(true, random);
  EXPECT_EQ(random.reseeds, 1);
  const uint8_t* bits = dib.DIBSectionBitsPtr();
  for (int32_t r = 0; r < 4; ++r) {
    for (int32_t p = 0; p < 3; ++p) {
      const uint8_t* px = bits + r * dib.BytesPerScanLine() + 3 * p;
      const uint8_t expected = static_cast<uint8_t>(1 + r * 3 + p);
      EXPECT_EQ(px[0], expected);
      EXPECT_EQ(px[1], expected);
      EXPECT_EQ(px[2], expected);
    }
  }
  EXPECT_TRUE(paddingIsZero(dib));
}

TEST(DibSectionRandomise, ColourFillsColumnByColumnWithoutBlue) {
  cDIBSection dib;
  dib.CreateFromPicture(RasterImage(3, 4, 0xFFFFFFFFu));  // blue must be cleared
  ASSERT_TRUE(dib.hasRaster());
  CountingRandom random;
  random.uniform();
  dib.RandomiseBits(false, random);
  const uint8_t* bits = dib.DIBSectionBitsPtr();
  for (int32_t p = 0; p < 3; ++p) {
    for (int32_t r = 0; r < 4; ++r) {
      const uint8_t* px = bits + r * dib.BytesPerScanLine() + 3 * p;
      const int32_t order = p * 4 + r;
      EXPECT_EQ(px[0], 0);
      EXPECT_EQ(px[1], 1 + 2 * order);
      EXPECT_EQ(px[2], 2 + 2 * order);
    }
  }
  EXPECT_TRUE(paddingIsZero(dib));
}

}  // namespace
}  // namespace zefrin
