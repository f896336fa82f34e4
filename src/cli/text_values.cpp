#include "cli/text_values.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace zefrin {

std::optional<int64_t> parseWholeNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[0]))) return std::nullopt;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (magnitude > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
  const auto value = static_cast<int64_t>(magnitude);
  return negative ? -value : value;
}

std::optional<int32_t> parseInt32(std::string_view text, int64_t lo, int64_t hi) {
  const auto value = parseWholeNumber(text);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::optional<float> parseFloat(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  float value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<Colour> parseColour(std::string_view text) {
  if (!text.empty() && text[0] == '#') {
    text.remove_prefix(1);
    if (text.size() != 6) return std::nullopt;
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return rgb(static_cast<int32_t>(value >> 16), static_cast<int32_t>((value >> 8) & 0xFF),
               static_cast<int32_t>(value & 0xFF));
  }
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) return std::nullopt;
  return parseInt32(text, 0, 0xFFFFFF);
}

std::vector<std::string_view> splitText(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
}

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace zefrin
