#include "files/image_codecs.h"

#include <cstddef>

namespace zefrin {

namespace {

// The entries of an extension list: "*.JPG;*.JPEG" -> "*.JPG", "*.JPEG".
std::vector<std::string_view> extensionEntries(std::string_view list) {
  std::vector<std::string_view> entries;
  while (true) {
    const size_t semicolon = list.find(';');
    entries.push_back(list.substr(0, semicolon));
    if (semicolon == std::string_view::npos) break;
    list.remove_prefix(semicolon + 1);
  }
  return entries;
}

bool sameLettersIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Whether "*.EXT" is one of the list's entries, matched as a whole ("PE"
// does not pick "*.JPEG") and whatever the letter case: lists are upper
// case, names on Linux mostly lower case, and "picture.png" must be PNG.
bool listHoldsExtension(std::string_view list, std::string_view extension) {
  for (std::string_view entry : extensionEntries(list)) {
    if (entry.size() == extension.size() + 2 && entry.substr(0, 2) == "*." &&
        sameLettersIgnoringCase(entry.substr(2), extension)) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string codecFilterText(const std::vector<ImageCodec>& codecs) {
  std::string text;
  for (const ImageCodec& codec : codecs) {
    text += codec.description + "(" + codec.extensions + ")|" + codec.extensions + "|";
  }
  text += "All Files (*.*)|*.*";
  return text;
}

std::optional<ImageCodec> chooseEncoder(const std::vector<ImageCodec>& encoders, int32_t filterIndex,
                                        std::string_view fileName) {
  if (encoders.empty()) return std::nullopt;
  if (filterIndex >= 0 && static_cast<size_t>(filterIndex) < encoders.size()) {
    return encoders[static_cast<size_t>(filterIndex)];
  }
  // "All Files" (or any index past the codecs): go by the text after the
  // name's last '.'.
  const size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos) {
    const std::string_view extension = fileName.substr(dot + 1);
    for (const ImageCodec& encoder : encoders) {
      if (listHoldsExtension(encoder.extensions, extension)) return encoder;
    }
  }
  return encoders.front();
}

std::string nameWithExtension(std::string_view fileName, const ImageCodec& encoder) {
  const size_t dot = fileName.rfind('.');
  const size_t separator = fileName.find_last_of("\\/");
  const bool hasOwnExtension =
      dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator);
  if (hasOwnExtension) return std::string(fileName);
  std::string_view first = std::string_view(encoder.extensions).substr(0, encoder.extensions.find(';'));
  if (!first.empty() && first.front() == '*') first.remove_prefix(1);
  return std::string(fileName) + std::string(first);
}

}  // namespace zefrin
