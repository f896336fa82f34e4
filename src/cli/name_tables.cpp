#include "cli/name_tables.h"

#include <array>
#include <span>
#include <string>

#include "cli/option_error.h"
#include "cli/text_values.h"
#include "generator/patterns.h"
#include "shapes/shape_catalogue.h"

namespace zefrin {

namespace {

constexpr std::array<std::string_view, 4> kModeNames = {"automatic", "multioutline", "manual",
                                                        "complex"};
constexpr std::array<std::string_view, 6> kGradientNames = {"sinusoid", "triangle", "dexponent",
                                                            "hls",      "gradient", "exponent"};

// Index of `text` among `names` (compared without letter case), or its
// number below `count`; -1 when it is neither.
int32_t lookUp(std::string_view text, int32_t count, auto nameOf) {
  const std::string lower = lowerAscii(text);
  for (int32_t i = 0; i < count; ++i) {
    const std::string_view name = nameOf(i);
    if (!name.empty() && lowerAscii(name) == lower) return i;
  }
  if (const auto number = parseInt32(text, 0, count - 1)) return *number;
  return -1;
}

std::string joined(auto names) {
  std::string text;
  for (std::string_view name : names) {
    if (name.empty()) continue;
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

}  // namespace

int32_t patternFromText(std::string_view text) {
  const auto& names = patternNames();
  const int32_t found = lookUp(text, static_cast<int32_t>(names.size()),
                               [&](int32_t i) { return names[static_cast<size_t>(i)]; });
  if (found < 0) {
    throw OptionError("unknown pattern '" + std::string(text) + "' (a number 0..25 or one of " +
                      joined(names) + ")");
  }
  return found;
}

int32_t shapeFromText(std::string_view text) {
  const auto& variants = shapeVariants();
  const int32_t found = lookUp(text, kShapeVariantCount,
                               [&](int32_t i) { return variants[static_cast<size_t>(i)].label; });
  if (found < 0) {
    throw OptionError("unknown shape '" + std::string(text) +
                      "' (a number 0..41 or Rectangle, Rhombus, Octagon, Oval)");
  }
  return found;
}

int32_t operationModeFromText(std::string_view text) {
  const int32_t found = lookUp(text, static_cast<int32_t>(kModeNames.size()),
                               [](int32_t i) { return kModeNames[static_cast<size_t>(i)]; });
  if (found < 0) {
    throw OptionError("unknown mode '" + std::string(text) +
                      "' (automatic, multioutline, manual or complex)");
  }
  return found;
}

int32_t gradientStyleFromText(std::string_view text) {
  const int32_t found = lookUp(text, static_cast<int32_t>(kGradientNames.size()),
                               [](int32_t i) { return kGradientNames[static_cast<size_t>(i)]; });
  if (found < 0) {
    throw OptionError("unknown gradient style '" + std::string(text) +
                      "' (0..5 or sinusoid, triangle, dexponent, HLS, gradient, exponent)");
  }
  return found;
}

}  // namespace zefrin
