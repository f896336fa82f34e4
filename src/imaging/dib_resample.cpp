#include "imaging/dib_resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace zefrin {

namespace {

// Nearest integer with halves to even, for the weighted means of bytes the
// resampling rounds (never negative, far below 2^31). Inline and without a
// branch on the rounding mode, so the inner loop stays tight; it agrees with
// roundHalfEven on that range.
inline int32_t roundHalfEvenNonNegative(double value) {
  const auto whole = static_cast<int32_t>(value);  // truncation is floor here
  const double fraction = value - whole;
  // Bitwise, not logical, operators: no branch to mispredict on noisy data.
  return whole + (static_cast<int32_t>(fraction > 0.5) |
                  (static_cast<int32_t>(fraction == 0.5) & whole & 1));
}

inline uint8_t clampToByte(int32_t value) {
  return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// Where one destination position samples the source along one axis.
struct Sample {
  int32_t lowerIndex;  // the lower neighbour
  int32_t upperIndex;  // the upper neighbour, held to the last index
  double weight;       // fraction towards the upper neighbour
};

std::vector<Sample> samplesFor(int32_t sourceSize, int32_t destSize) {
  const float scale = static_cast<float>(sourceSize - 1) / static_cast<float>(destSize);
  std::vector<Sample> samples(static_cast<size_t>(destSize));
  for (int32_t i = 0; i < destSize; ++i) {
    // A float times an index below 2^24 is exact in double.
    const double position = static_cast<double>(scale) * i;
    const double floorPosition = std::floor(position);
    const auto lowerIndex = static_cast<int32_t>(floorPosition);
    samples[static_cast<size_t>(i)] = {lowerIndex, std::min(lowerIndex + 1, sourceSize - 1),
                                       position - floorPosition};
  }
  return samples;
}

}  // namespace

void copyDibPixels(const cDIBSection& source, cDIBSection& destination) {
  if (!source.hasRaster() || !destination.hasRaster()) return;
  if (source.width() != destination.width() || source.height() != destination.height()) return;
  const size_t stride = static_cast<size_t>(source.BytesPerScanLine());
  const size_t pixelBytes = 3 * static_cast<size_t>(source.width());
  for (int32_t r = 0; r < source.height(); ++r) {
    std::memcpy(destination.DIBSectionBitsPtr() + static_cast<size_t>(r) * stride,
                source.DIBSectionBitsPtr() + static_cast<size_t>(r) * stride, pixelBytes);
  }
}

void resampleBilinear(const cDIBSection& source, cDIBSection& destination) {
  if (!source.hasRaster() || !destination.hasRaster()) return;
  const int32_t destWidth = destination.width();
  const int32_t destHeight = destination.height();
  const std::vector<Sample> rows = samplesFor(source.height(), destHeight);
  const std::vector<Sample> xs = samplesFor(source.width(), destWidth);

  // Each row is done in two passes: first the vertical blend ("left" and
  // "right" values) of every source column the row reads, once per column,
  // then the horizontal blend per destination pixel. Neighbouring
  // destination columns share source columns, so enlargements round far
  // fewer vertical blends; the results are the same as blending per pixel.
  std::vector<int32_t> slotOfColumn(static_cast<size_t>(source.width()), -1);
  std::vector<size_t> usedColumnBytes;  // byte offset of each used source column
  struct ColumnTap {
    size_t leftSlot;   // offsets into the blended values of one row
    size_t rightSlot;
    double weight;
  };
  std::vector<ColumnTap> columns;
  columns.reserve(static_cast<size_t>(destWidth));
  auto slotFor = [&](int32_t column) {
    int32_t& slot = slotOfColumn[static_cast<size_t>(column)];
    if (slot < 0) {
      slot = static_cast<int32_t>(usedColumnBytes.size());
      usedColumnBytes.push_back(3 * static_cast<size_t>(column));
    }
    return 3 * static_cast<size_t>(slot);
  };
  for (const Sample& x : xs) {
    const size_t left = slotFor(x.lowerIndex);
    columns.push_back({left, slotFor(x.upperIndex), x.weight});
  }
  std::vector<double> blended(3 * usedColumnBytes.size());

  const size_t sourceStride = static_cast<size_t>(source.BytesPerScanLine());
  const size_t destStride = static_cast<size_t>(destination.BytesPerScanLine());
  const uint8_t* sourceBits = source.DIBSectionBitsPtr();
  uint8_t* destBits = destination.DIBSectionBitsPtr();

  for (int32_t r = 0; r < destHeight; ++r) {
    const Sample& row = rows[static_cast<size_t>(r)];
    const uint8_t* lower = sourceBits + static_cast<size_t>(row.lowerIndex) * sourceStride;
    const uint8_t* upper = sourceBits + static_cast<size_t>(row.upperIndex) * sourceStride;
    const double fy = row.weight;
    const double gy = 1.0 - fy;
    double* blend = blended.data();
    for (const size_t offset : usedColumnBytes) {
      for (size_t k = 0; k < 3; ++k) {
        blend[k] = roundHalfEvenNonNegative(gy * lower[offset + k] + fy * upper[offset + k]);
      }
      blend += 3;
    }
    const double* values = blended.data();
    uint8_t* out = destBits + static_cast<size_t>(r) * destStride;
    for (const ColumnTap& column : columns) {
      const double fx = column.weight;
      const double gx = 1.0 - fx;
      const double* left = values + column.leftSlot;
      const double* right = values + column.rightSlot;
      for (size_t k = 0; k < 3; ++k) {
        out[k] = clampToByte(roundHalfEvenNonNegative(gx * left[k] + fx * right[k]));
      }
      out += 3;
    }
  }
}

}  // namespace zefrin
