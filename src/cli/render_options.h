// What zefrin-render is asked to do, read from its command line.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/colour_choice.h"
#include "generator/settings.h"

namespace zefrin {

enum class OutputKind { Png, Jpeg, Bmp, Svg };

struct SelectionRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const SelectionRect&) const = default;
};

struct RenderOptions {
  enum class Action { Render, Help, Version };
  Action action = Action::Render;

  GenSet genset;  // the defaults with every option applied, in command-line order
  std::string output;
  OutputKind outputKind = OutputKind::Png;
  std::optional<std::string> linesPath;     // --lines: JSON of every drawn line
  std::optional<SelectionRect> selection;   // none: the whole picture
  ColourChoice colours;
  std::string manualText;                   // Manual mode's connection text
  std::optional<std::string> outline;       // stored-outline records
  int32_t selectorshape = 1;                // selection kind 1..5
  std::optional<uint64_t> seed;             // none: seeded from the clock
  int32_t jpegQuality = 50;
  std::vector<std::string> warnings;        // said on stderr, the run goes on

  int32_t pictureWidth() const { return genset.imagewidth; }
  int32_t pictureHeight() const { return genset.imageheight; }
};

// Reads the arguments after the program name. Throws OptionError with a
// one-line message for anything it cannot use. --help and --version stop
// the reading and need nothing else.
RenderOptions parseRenderOptions(std::span<const std::string_view> args);

// The output kind for a file name's extension; nothing when unknown.
std::optional<OutputKind> outputKindForPath(std::string_view path);

std::string usageText();

}  // namespace zefrin
