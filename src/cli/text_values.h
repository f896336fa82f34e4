// Reading numbers and colours typed on the command line. Unlike the dialog
// boxes, which read whatever number a text starts with, the command line
// takes the whole text or nothing: "12px" is a mistake, not 12.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colour.h"

namespace zefrin {

// A whole number: decimal with an optional sign, or 0x followed by hex
// digits. Nothing when the text is anything else or beyond 64 bits.
std::optional<int64_t> parseWholeNumber(std::string_view text);

// parseWholeNumber limited to lo..hi.
std::optional<int32_t> parseInt32(std::string_view text, int64_t lo = INT32_MIN,
                                  int64_t hi = INT32_MAX);

// A decimal number with optional fraction and exponent ("0.25", "1e-2").
std::optional<float> parseFloat(std::string_view text);

// A colour: 0xBBGGRR (the value as stored, red in the low byte), #RRGGBB
// (as in HTML), or a decimal value 0..16777215.
std::optional<Colour> parseColour(std::string_view text);

// Splits at every separator; "a,,b" gives three parts, "" gives one.
std::vector<std::string_view> splitText(std::string_view text, char separator);

// Lower-case ASCII copy, for names compared without regard to case.
std::string lowerAscii(std::string_view text);

}  // namespace zefrin
