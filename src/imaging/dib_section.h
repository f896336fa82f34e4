// The 24-bit pixel buffer every image operation works on. The buffer keeps
// its pixel memory itself, laid out as a device-independent bitmap:
// - row 0 is the bottom line of the picture; picture line y (from the top)
//   is row height - 1 - y;
// - each pixel is three bytes, blue, green, red: pixel column p occupies
//   bytes 3p, 3p + 1 and 3p + 2 of its row;
// - rows are padded to a multiple of 4 bytes (BytesPerScanLine). Padding is
//   zero from creation on and no operation writes it.
// Byte (x, r) lies at DIBSectionBitsPtr() + r * BytesPerScanLine() + x.
//
// Pictures come in and go out as RasterImage (32-bit, top to bottom). The
// block transfers use picture coordinates (top-down) for the buffer too, and
// are clipped to both rasters: pixels whose source lies outside the source
// raster are left as they were.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/raster/raster_image.h"
#include "platform/seams/clipboard.h"
#include "platform/seams/messenger.h"
#include "platform/seams/random_source.h"

namespace zefrin {

// The standard 40-byte bitmap information header, kept as data.
struct DibInfoHeader {
  uint32_t headerSize = 40;
  int32_t width = 0;
  int32_t height = 0;  // positive: rows are stored bottom-up
  uint16_t planes = 1;
  uint16_t bitCount = 24;
  uint32_t compression = 0;  // uncompressed
  uint32_t imageSize = 0;    // BytesPerScanLine * height
};

// Largest width and height Create accepts. 30000 x 30000 is 2.7 GB of
// pixels, which still fits the 32-bit image size field.
inline constexpr int32_t kMaxDibDimension = 30000;

// (3 * width + 3) with the two low bits cleared.
constexpr int32_t dibBytesPerScanLine(int32_t width) { return (3 * width + 3) & ~3; }

class cDIBSection {
 public:
  cDIBSection() = default;
  ~cDIBSection() = default;
  cDIBSection(const cDIBSection&) = delete;
  cDIBSection& operator=(const cDIBSection&) = delete;
  cDIBSection(cDIBSection&&) noexcept = default;
  cDIBSection& operator=(cDIBSection&&) noexcept = default;

  // Drops any raster held, then makes a zeroed one of lWidth x lHeight.
  // False, with the buffer empty and its size 0 x 0, for sizes <= 0, sizes
  // above kMaxDibDimension, or when the memory cannot be had.
  bool Create(int32_t lWidth, int32_t lHeight);

  // A buffer the size of the picture holding a copy of it. An empty picture
  // leaves the buffer empty.
  void CreateFromPicture(const RasterImage& picture);

  // Copies src, from (lSrcLeft, lSrcTop), into this buffer at (0, 0). A
  // negative width or height means this buffer's own.
  void LoadPictureBlt(const RasterImage& src, int32_t lSrcLeft, int32_t lSrcTop,
                      int32_t lSrcWidth = -1, int32_t lSrcHeight = -1);

  // Copies this buffer, from (lSrcLeft, lSrcTop), onto dst at (lDestLeft,
  // lDestTop). A negative width or height means this buffer's own.
  void PaintPicture(RasterImage& dst, int32_t lDestLeft = 0, int32_t lDestTop = 0,
                    int32_t lDestWidth = -1, int32_t lDestHeight = -1, int32_t lSrcLeft = 0,
                    int32_t lSrcTop = 0) const;

  int32_t BytesPerScanLine() const { return dibBytesPerScanLine(header_.width); }
  // The header's values; they survive ClearUp.
  int32_t width() const { return header_.width; }
  int32_t height() const { return header_.height; }
  const DibInfoHeader& header() const { return header_; }

  // First byte of row 0; nullptr when no raster exists.
  uint8_t* DIBSectionBitsPtr() { return bits_.get(); }
  const uint8_t* DIBSectionBitsPtr() const { return bits_.get(); }
  bool hasRaster() const { return bits_ != nullptr; }

  // A new buffer of lNewWidth x lNewHeight (height first) with this one's
  // picture: an exact copy at the same size, bilinear interpolation
  // otherwise. nullptr when this buffer is empty or the new one cannot be
  // made (sizes <= 0 included). This buffer is not changed.
  std::unique_ptr<cDIBSection> Resample(int32_t lNewHeight, int32_t lNewWidth) const;

  // With bAsDIB: says it cannot and puts nothing. Otherwise puts the picture
  // on the clipboard as a plain bitmap. True when the clipboard took it.
  bool CopyToClipboard(bool bAsDIB, ClipboardSink& clipboard, Messenger& messenger) const;

  // Fills the pixels with noise after reseeding from the clock: grey values
  // row by row with bGray, otherwise column by column blue 0 and independent
  // green and red.
  void RandomiseBits(bool bGray, RandomSource& random);

  // Drops the raster; width and height keep their values.
  void ClearUp();

 private:
  struct FreeBytes {
    void operator()(uint8_t* bytes) const { std::free(bytes); }
  };

  DibInfoHeader header_;
  std::unique_ptr<uint8_t, FreeBytes> bits_;
};

inline constexpr const char* kDibClipboardMessage =
    "I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!";

}  // namespace zefrin
