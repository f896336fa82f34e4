#include "imaging/dib_resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "imaging/dib_section.h"
#include "platform/numbers.h"

namespace zefrin {
namespace {

// Byte k (0 blue, 1 green, 2 red) of pixel column x in row r (bottom-up).
uint8_t& byteAt(cDIBSection& dib, int32_t x, int32_t r, int32_t k) {
  return dib.DIBSectionBitsPtr()[static_cast<size_t>(r) * dib.BytesPerScanLine() + 3 * x + k];
}
uint8_t byteAt(const cDIBSection& dib, int32_t x, int32_t r, int32_t k) {
  return dib.DIBSectionBitsPtr()[static_cast<size_t>(r) * dib.BytesPerScanLine() + 3 * x + k];
}

std::vector<uint8_t> allBytes(const cDIBSection& dib) {
  return {dib.DIBSectionBitsPtr(), dib.DIBSectionBitsPtr() + dib.header().imageSize};
}

cDIBSection noiseBuffer(int32_t width, int32_t height, uint32_t seed) {
  cDIBSection dib;
  EXPECT_TRUE(dib.Create(width, height));
  std::mt19937 engine(seed);
  for (int32_t r = 0; r < height; ++r)
    for (int32_t x = 0; x < width; ++x)
      for (int32_t k = 0; k < 3; ++k) byteAt(dib, x, r, k) = static_cast<uint8_t>(engine() & 0xFF);
  return dib;
}

// The bilinear steps written out plainly, one pixel and one channel at a
// time, with the shared rounding helpers. Neighbours beyond the source are
// read from its last column or row.
cDIBSection referenceResample(const cDIBSection& s, int32_t dw, int32_t dh) {
  cDIBSection d;
  EXPECT_TRUE(d.Create(dw, dh));
  const int32_t sw = s.width();
  const int32_t sh = s.height();
  const float xScale = static_cast<float>(sw - 1) / static_cast<float>(dw);
  const float yScale = static_cast<float>(sh - 1) / static_cast<float>(dh);
  for (int32_t r = 0; r < dh; ++r) {
    const double sy = static_cast<double>(yScale) * r;
    const int32_t yi = floorInt(sy);
    const double fy = sy - yi;
    const int32_t yj = std::min(yi + 1, sh - 1);
    for (int32_t c = 0; c < dw; ++c) {
      const double sx = static_cast<double>(xScale) * c;
      const int32_t xi = floorInt(sx);
      const double fx = sx - xi;
      const int32_t xj = std::min(xi + 1, sw - 1);
      for (int32_t k = 0; k < 3; ++k) {
        const int32_t left = roundHalfEven((1 - fy) * byteAt(s, xi, yi, k) + fy * byteAt(s, xi, yj, k));
        const int32_t right = roundHalfEven((1 - fy) * byteAt(s, xj, yi, k) + fy * byteAt(s, xj, yj, k));
        const int32_t value = roundHalfEven((1 - fx) * left + fx * right);
        byteAt(d, c, r, k) = static_cast<uint8_t>(std::clamp(value, 0, 255));
      }
    }
  }
  return d;
}

bool paddingIsZero(const cDIBSection& dib) {
  for (int32_t r = 0; r < dib.height(); ++r)
    for (int32_t x = 3 * dib.width(); x < dib.BytesPerScanLine(); ++x)
      if (dib.DIBSectionBitsPtr()[static_cast<size_t>(r) * dib.BytesPerScanLine() + x] != 0) return false;
  return true;
}

TEST(DibResample, SameSizeIsAnExactCopyAndTheSourceStays) {
  const cDIBSection source = noiseBuffer(13, 7, 1);
  const std::vector<uint8_t> before = allBytes(source);
  const std::unique_ptr<cDIBSection> copy = source.Resample(7, 13);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->width(), 13);
  EXPECT_EQ(copy->height(), 7);
  EXPECT_EQ(allBytes(*copy), before);
  EXPECT_EQ(allBytes(source), before);
}

TEST(DibResample, HeightComesFirst) {
  const cDIBSection source = noiseBuffer(4, 4, 2);
  const std::unique_ptr<cDIBSection> result = source.Resample(3, 9);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->width(), 9);
  EXPECT_EQ(result->height(), 3);
}

// 4 x 4 to 8 x 8: xScale = yScale = 0.375, so destination column 7 and row 7
// sample at 2.625: source columns 2 and 3, rows 2 and 3, weights 0.625.
TEST(DibResample, FourToEightReadsColumnsTwoAndThree) {
  const uint8_t red[4][4] = {
      {10, 20, 30, 40},     // row 0, the bottom line
      {50, 60, 70, 80},
      {5, 15, 100, 101},
      {200, 210, 152, 153},
  };
  cDIBSection source;
  ASSERT_TRUE(source.Create(4, 4));
  for (int32_t r = 0; r < 4; ++r)
    for (int32_t x = 0; x < 4; ++x) byteAt(source, x, r, 2) = red[r][x];
  const std::unique_ptr<cDIBSection> result = source.Resample(8, 8);
  ASSERT_NE(result, nullptr);
  // Row 0: round(0.375 * 30 + 0.625 * 40) = round(36.25).
  EXPECT_EQ(byteAt(*result, 7, 0, 2), 36);
  // Row 7: left = round(0.375 * 100 + 0.625 * 152) = round(132.5) = 132,
  // right = round(0.375 * 101 + 0.625 * 153) = round(133.5) = 134,
  // result = round(0.375 * 132 + 0.625 * 134) = round(133.25) = 133.
  // Rounding halves up would give 133, 134 and then 134.
  EXPECT_EQ(byteAt(*result, 7, 7, 2), 133);
  EXPECT_EQ(byteAt(*result, 0, 0, 2), 10);
  EXPECT_EQ(byteAt(*result, 7, 7, 0), 0);
  EXPECT_EQ(byteAt(*result, 7, 7, 1), 0);
}

TEST(DibResample, MatchesThePlainStepsOverManySizes) {
  struct Case {
    int32_t sw, sh, dw, dh;
  };
  const Case cases[] = {
      {4, 4, 8, 8},   {3, 3, 4, 4},  {5, 3, 7, 9},    {10, 10, 3, 3}, {9, 6, 2, 17},
      {7, 7, 1, 1},   {1, 5, 4, 4},  {5, 1, 3, 7},    {1, 1, 6, 5},   {2, 2, 33, 1},
      {64, 48, 100, 75}, {101, 37, 50, 91}, {2, 3, 2, 9}, {6, 2, 6, 5},
  };
  uint32_t seed = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh);
    const cDIBSection source = noiseBuffer(c.sw, c.sh, seed++);
    const std::unique_ptr<cDIBSection> result = source.Resample(c.dh, c.dw);
    ASSERT_NE(result, nullptr);
    const cDIBSection expected = referenceResample(source, c.dw, c.dh);
    EXPECT_EQ(allBytes(*result), allBytes(expected));
    EXPECT_TRUE(paddingIsZero(*result));
  }
}

TEST(DibResample, OnePixelSourcesRepeatTheirPixels) {
  cDIBSection dot;
  ASSERT_TRUE(dot.Create(1, 1));
  byteAt(dot, 0, 0, 0) = 9;
  byteAt(dot, 0, 0, 1) = 99;
  byteAt(dot, 0, 0, 2) = 199;
  const std::unique_ptr<cDIBSection> spread = dot.Resample(4, 5);
  ASSERT_NE(spread, nullptr);
  for (int32_t r = 0; r < 4; ++r)
    for (int32_t x = 0; x < 5; ++x) {
      EXPECT_EQ(byteAt(*spread, x, r, 0), 9);
      EXPECT_EQ(byteAt(*spread, x, r, 1), 99);
      EXPECT_EQ(byteAt(*spread, x, r, 2), 199);
    }

  // One pixel wide: every destination column is the same vertical blend.
  const cDIBSection column = noiseBuffer(1, 6, 3);
  const std::unique_ptr<cDIBSection> wide = column.Resample(10, 4);
  ASSERT_NE(wide, nullptr);
  for (int32_t r = 0; r < 10; ++r)
    for (int32_t x = 1; x < 4; ++x)
      for (int32_t k = 0; k < 3; ++k) EXPECT_EQ(byteAt(*wide, x, r, k), byteAt(*wide, 0, r, k));
}

TEST(DibResample, NoBufferForBadSizesOrAnEmptySource) {
  const cDIBSection source = noiseBuffer(4, 4, 4);
  EXPECT_EQ(source.Resample(0, 5), nullptr);
  EXPECT_EQ(source.Resample(5, 0), nullptr);
  EXPECT_EQ(source.Resample(-1, -1), nullptr);
  EXPECT_EQ(source.Resample(kMaxDibDimension + 1, 2), nullptr);
  cDIBSection empty;
  EXPECT_EQ(empty.Resample(4, 4), nullptr);
}

}  // namespace
}  // namespace zefrin
