// What the open and save dialogs offer: the codecs the platform has, the
// dialog filter text built from them, and the choice of encoder and file
// extension for a save. Pure logic; the codec list itself comes from the Qt
// layer (platform/qt/image_files.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefrin {

struct ImageCodec {
  std::string description;  // "PNG"
  std::string extensions;   // "*.PNG" or "*.JPG;*.JPEG"
  std::string mimeType;     // "image/png"
  std::string format;       // the platform's own name for it ("png")
  bool operator==(const ImageCodec&) const = default;
};

// Fixed save options: JPEG quality 50, no JPEG transformation, TIFF
// uncompressed at 24 bits.
struct cSaveOptions {
  int32_t JpgQuality = 50;
  int32_t JpgTransformation = 0;
  int32_t TiffCompression = 6;
  int32_t TiffBitDepth = 24;
};

// "PNG(*.PNG)|*.PNG|JPEG(*.JPG;*.JPEG)|*.JPG;*.JPEG|All Files (*.*)|*.*"
std::string codecFilterText(const std::vector<ImageCodec>& codecs);

// The encoder for a save: the chosen filter's codec when the filter is one
// of them (0-based index into the list), else, for "All Files", the first
// codec whose extension list holds the name's extension (compared
// regardless of letter case), else the first codec. nullopt only for an
// empty list.
std::optional<ImageCodec> chooseEncoder(const std::vector<ImageCodec>& encoders,
                                        int32_t filterIndex, std::string_view fileName);

// The file name to write: unchanged when it has an extension of its own (a
// '.' after its last folder separator), else with the encoder's first
// extension appended (".JPG").
std::string nameWithExtension(std::string_view fileName, const ImageCodec& encoder);

}  // namespace zefrin
