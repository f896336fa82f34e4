#include "cli/colour_choice.h"

#include <string>

#include "cli/name_tables.h"
#include "cli/option_error.h"
#include "cli/text_values.h"

namespace zefrin {

namespace {

// The set may grow to the gradient limit's index, so this many colours.
constexpr int32_t kMaxColours = colorcl::kGradientLimit + 1;

Colour colourOrThrow(std::string_view text) {
  const auto colour = parseColour(text);
  if (!colour) {
    throw OptionError("bad colour '" + std::string(text) + "' (expected 0xBBGGRR or #RRGGBB)");
  }
  return *colour;
}

}  // namespace

void parseColourSet(std::string_view text, ColourChoice& choice) {
  using Base = ColourChoice::Base;
  const std::string lower = lowerAscii(text);
  if (lower == "8" || lower == "16" || lower == "35") {
    choice.base = lower == "8" ? Base::Fixed8 : lower == "16" ? Base::Fixed16 : Base::Fixed35;
    return;
  }
  if (lower.starts_with("random:")) {
    const auto count = parseInt32(text.substr(7), 1, kMaxColours);
    if (!count) {
      throw OptionError("bad colour count in '" + std::string(text) + "' (expected random:N, N 1.." +
                        std::to_string(kMaxColours) + ")");
    }
    choice.base = Base::Random;
    choice.randomCount = *count;
    return;
  }
  if (lower.starts_with("list:")) {
    std::vector<Colour> colours;
    for (std::string_view part : splitText(text.substr(5), ',')) colours.push_back(colourOrThrow(part));
    if (static_cast<int32_t>(colours.size()) > kMaxColours) {
      throw OptionError("too many colours in the list (at most " + std::to_string(kMaxColours) + ")");
    }
    choice.base = Base::List;
    choice.list = std::move(colours);
    return;
  }
  throw OptionError("bad colour set '" + std::string(text) +
                    "' (expected 8, 16, 35, random:N or list:C1,C2,...)");
}

ColourGradient parseGradient(std::string_view text) {
  const auto parts = splitText(text, ',');
  if (parts.size() != 5) {
    throw OptionError("bad gradient '" + std::string(text) + "' (expected STYLE,C1,C2,FROM,TO)");
  }
  ColourGradient gradient;
  gradient.style = gradientStyleFromText(parts[0]);
  gradient.from = colourOrThrow(parts[1]);
  gradient.to = colourOrThrow(parts[2]);
  const auto first = parseInt32(parts[3], 1, kMaxColours);
  const auto last = parseInt32(parts[4], 1, kMaxColours);
  if (!first || !last) {
    throw OptionError("bad gradient positions in '" + std::string(text) + "' (FROM and TO are 1.." +
                      std::to_string(kMaxColours) + ")");
  }
  gradient.first = *first;
  gradient.last = *last;
  return gradient;
}

void applyColourChoice(const ColourChoice& choice, colorcl& colours, RandomSource& random) {
  using Base = ColourChoice::Base;
  switch (choice.base) {
    case Base::Initial: break;
    case Base::Fixed8: colours.redimcolor8(); break;
    case Base::Fixed16: colours.redimcolor16(); break;
    case Base::Fixed35: colours.redimcolor35(); break;
    case Base::Random: colours.redimcolors(choice.randomCount - 1, random); break;
    case Base::List:
      colours.redimcolor1(choice.list.front());
      for (size_t i = 1; i < choice.list.size(); ++i) {
        colours.adddelcolors(choice.list[i], static_cast<int32_t>(i), true);
      }
      break;
  }
  for (const ColourGradient& g : choice.gradients) {
    colours.colorgrad(g.from, g.to, g.style, g.first, g.last);
  }
}

}  // namespace zefrin
