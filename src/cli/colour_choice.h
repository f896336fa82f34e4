// The colour set a render asks for: a base set (--colors) and the gradients
// laid over it afterwards (--gradient), as the Colours dialog's "Set color
// order" does.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "generator/colour_set.h"
#include "platform/colour.h"
#include "platform/seams/random_source.h"

namespace zefrin {

struct ColourGradient {
  int32_t style = 0;  // 0..5
  Colour from = 0;
  Colour to = 0;
  int32_t first = 1;  // positions counted from 1
  int32_t last = 1;
  bool operator==(const ColourGradient&) const = default;
};

struct ColourChoice {
  enum class Base { Initial, Fixed8, Fixed16, Fixed35, Random, List };
  Base base = Base::Initial;  // Initial: the set the program starts with
  int32_t randomCount = 0;    // Random: this many colours
  std::vector<Colour> list;   // List: these colours
  std::vector<ColourGradient> gradients;

  bool changesSet() const { return base != Base::Initial || !gradients.empty(); }
};

// "8", "16", "35", "random:N" (N colours, 1..5001) or "list:C1,C2,...".
// Throws OptionError.
void parseColourSet(std::string_view text, ColourChoice& choice);

// "STYLE,C1,C2,FROM,TO"; FROM and TO are positions 1..5001. Throws OptionError.
ColourGradient parseGradient(std::string_view text);

// Builds the set: the base, then each gradient in order.
void applyColourChoice(const ColourChoice& choice, colorcl& colours, RandomSource& random);

}  // namespace zefrin
