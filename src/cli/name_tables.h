// The names the command line accepts for patterns, shapes, operation modes
// and gradient styles, each also by its number.
#pragma once

#include <cstdint>
#include <string_view>

namespace zefrin {

// Pattern name as the Pattern dialog lists it ("Spider", "50 Variants"),
// any letter case, or its number 0..25. Throws OptionError otherwise.
int32_t patternFromText(std::string_view text);

// Shape component label ("Rectangle", "Rhombus", "Octagon", "Oval"), any
// letter case, or its number 0..41. Throws OptionError otherwise.
int32_t shapeFromText(std::string_view text);

// automatic | multioutline | manual | complex (any letter case) or 0..3.
int32_t operationModeFromText(std::string_view text);

// sinusoid | triangle | dexponent | HLS | gradient | exponent (any letter
// case) or 0..5.
int32_t gradientStyleFromText(std::string_view text);

}  // namespace zefrin
