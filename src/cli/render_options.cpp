#include "cli/render_options.h"

#include <algorithm>
#include <cctype>

#include "cli/genset_fields.h"
#include "cli/name_tables.h"
#include "cli/option_error.h"
#include "cli/text_values.h"

namespace zefrin {

namespace {

constexpr int64_t kMaxPictureSide = 32767;
constexpr int64_t kMaxPicturePixels = int64_t{1} << 28;  // 1 GiB of pixels

// Options that take a value; everything else is a flag.
constexpr std::string_view kValueOptions[] = {
    "--output", "--set", "--pattern", "--shape", "--mode", "--size", "--selection", "--background",
    "--colors", "--gradient", "--manual", "--outline", "--selectorshape", "--seed", "--lines",
    "--jpeg-quality"};

bool takesValue(std::string_view name) {
  return std::find(std::begin(kValueOptions), std::end(kValueOptions), name) != std::end(kValueOptions);
}

void parseSet(std::string_view text, GenSet& genset) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) {
    throw OptionError("bad --set '" + std::string(text) + "' (expected NAME=VALUE)");
  }
  setGensetField(genset, text.substr(0, equals), text.substr(equals + 1));
}

void parseSize(std::string_view text, GenSet& genset) {
  const size_t x = text.find_first_of("xX");
  std::optional<int32_t> width, height;
  if (x != std::string_view::npos) {
    width = parseInt32(text.substr(0, x), 1, kMaxPictureSide);
    height = parseInt32(text.substr(x + 1), 1, kMaxPictureSide);
  }
  if (!width || !height) {
    throw OptionError("bad size '" + std::string(text) +
                      "' (expected WIDTHxHEIGHT, each 1..32767, e.g. 800x600)");
  }
  genset.imagewidth = *width;
  genset.imageheight = *height;
}

SelectionRect parseSelection(std::string_view text) {
  const auto parts = splitText(text, ',');
  std::optional<int32_t> values[4];
  if (parts.size() == 4) {
    values[0] = parseInt32(parts[0], -kMaxPictureSide, kMaxPictureSide);
    values[1] = parseInt32(parts[1], -kMaxPictureSide, kMaxPictureSide);
    values[2] = parseInt32(parts[2], 1, kMaxPictureSide);
    values[3] = parseInt32(parts[3], 1, kMaxPictureSide);
  }
  if (!values[0] || !values[1] || !values[2] || !values[3]) {
    throw OptionError("bad selection '" + std::string(text) +
                      "' (expected LEFT,TOP,WIDTH,HEIGHT with WIDTH and HEIGHT at least 1)");
  }
  return SelectionRect{*values[0], *values[1], *values[2], *values[3]};
}

Colour parseColourOption(std::string_view option, std::string_view text) {
  const auto colour = parseColour(text);
  if (!colour) {
    throw OptionError("bad colour for " + std::string(option) + ": '" + std::string(text) +
                      "' (expected 0xBBGGRR or #RRGGBB)");
  }
  return *colour;
}

// Free-form outline records: x and y, four digits each.
std::string parseOutline(std::string_view text) {
  const bool digits = std::all_of(text.begin(), text.end(),
                                  [](unsigned char c) { return std::isdigit(c) != 0; });
  if (text.empty() || text.size() % 8 != 0 || !digits) {
    throw OptionError("bad outline: expected 8-digit records, x and y with 4 digits each "
                      "(e.g. 0000000001000000)");
  }
  return std::string(text);
}

void applyOption(std::string_view name, std::string_view value, RenderOptions& options) {
  GenSet& genset = options.genset;
  if (name == "--output") {
    options.output = value;
  } else if (name == "--set") {
    parseSet(value, genset);
  } else if (name == "--pattern") {
    genset.funcs = patternFromText(value);
  } else if (name == "--shape") {
    genset.shapes = shapeFromText(value);
  } else if (name == "--mode") {
    genset.Operationmode = operationModeFromText(value);
  } else if (name == "--size") {
    parseSize(value, genset);
  } else if (name == "--selection") {
    options.selection = parseSelection(value);
  } else if (name == "--background") {
    genset.backcolor = parseColourOption(name, value);
  } else if (name == "--colors") {
    parseColourSet(value, options.colours);
  } else if (name == "--gradient") {
    options.colours.gradients.push_back(parseGradient(value));
  } else if (name == "--manual") {
    options.manualText = value;
  } else if (name == "--outline") {
    options.outline = parseOutline(value);
  } else if (name == "--selectorshape") {
    const auto kind = parseInt32(value, 1, 5);
    if (!kind) throw OptionError("bad --selectorshape '" + std::string(value) + "' (expected 1..5)");
    options.selectorshape = *kind;
  } else if (name == "--seed") {
    const auto seed = parseWholeNumber(value);
    if (!seed || *seed < 0) {
      throw OptionError("bad seed '" + std::string(value) + "' (expected a whole number 0 or more)");
    }
    options.seed = static_cast<uint64_t>(*seed);
  } else if (name == "--lines") {
    options.linesPath = std::string(value);
  } else if (name == "--jpeg-quality") {
    const auto quality = parseInt32(value, 0, 100);
    if (!quality) throw OptionError("bad --jpeg-quality '" + std::string(value) + "' (expected 0..100)");
    options.jpegQuality = *quality;
  }
}

void checkAndWarn(RenderOptions& options) {
  const GenSet& genset = options.genset;
  if (options.output.empty()) throw OptionError("no output file: give -o FILE");
  const auto kind = outputKindForPath(options.output);
  if (!kind) {
    throw OptionError("unknown output format '" + options.output +
                      "' (use .png, .jpg, .jpeg, .bmp or .svg)");
  }
  options.outputKind = *kind;
  if (options.linesPath && options.linesPath->empty()) throw OptionError("--lines needs a file name");

  const int64_t width = genset.imagewidth;
  const int64_t height = genset.imageheight;
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide ||
      width * height > kMaxPicturePixels) {
    throw OptionError("bad picture size " + std::to_string(width) + "x" + std::to_string(height) +
                      " (each side 1..32767, at most 268435456 pixels)");
  }
  if (genset.Operationmode == operation_mode::kComplex) {
    throw OptionError("the Complex mode is not available in zefrin-render yet");
  }

  if (!options.manualText.empty() && genset.Operationmode != operation_mode::kManual) {
    options.warnings.push_back("--manual is used only with --mode manual; ignored");
  }
  if (options.outline && options.selectorshape < 3) {
    options.warnings.push_back("--outline is used only with --selectorshape 3 or more; ignored");
  }
  if (!options.outline && options.selectorshape >= 3) {
    options.warnings.push_back("--selectorshape " + std::to_string(options.selectorshape) +
                               " without --outline: the built-in shapes are used");
  }
  if (genset.drawborder == 1 && genset.simpleborder == 0) {
    options.warnings.push_back(
        "the complex border (simpleborder=0) is not available yet; no border is drawn "
        "(--set simpleborder=1 draws the simple one)");
  }
}

}  // namespace

std::optional<OutputKind> outputKindForPath(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return std::nullopt;
  }
  const std::string extension = lowerAscii(path.substr(dot + 1));
  if (extension == "png") return OutputKind::Png;
  if (extension == "jpg" || extension == "jpeg") return OutputKind::Jpeg;
  if (extension == "bmp") return OutputKind::Bmp;
  if (extension == "svg") return OutputKind::Svg;
  return std::nullopt;
}

RenderOptions parseRenderOptions(std::span<const std::string_view> args) {
  RenderOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.action = RenderOptions::Action::Help;
      return options;
    }
    if (arg == "--version") {
      options.action = RenderOptions::Action::Version;
      return options;
    }
    std::string_view name = arg;
    std::optional<std::string_view> value;
    if (arg == "-o") {
      name = "--output";
    } else if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
      name = arg.substr(0, arg.find('='));
      value = arg.substr(arg.find('=') + 1);
    }
    if (!takesValue(name)) {
      if (!arg.starts_with("-")) {
        throw OptionError("unexpected argument '" + std::string(arg) + "' (options start with --)");
      }
      throw OptionError("unknown option '" + std::string(name) + "' (see --help)");
    }
    if (!value) {
      if (i + 1 >= args.size()) throw OptionError("option '" + std::string(arg) + "' needs a value");
      value = args[++i];
    }
    applyOption(name, *value, options);
  }
  checkAndWarn(options);
  return options;
}

std::string usageText() {
  return R"(Usage: zefrin-render [options] -o FILE

Runs one generation of Zefrin's line patterns into an offscreen picture and
writes it. The output format follows FILE's extension: .png, .jpg/.jpeg
(quality 50 unless --jpeg-quality), .bmp, or .svg (the lines as vectors,
solid, in their colours and widths; raster modes and pen styles apply to
the pixel formats only).

Settings (applied in the order given):
  --set NAME=VALUE        any generation setting by its exact name, e.g.
                          --set funcs=15 --set contup=60 --set segpause=0.5;
                          colours as 0xBBGGRR or #RRGGBB
  --pattern NAME|N        pattern by name (Random, Spider, "50 Variants", ...)
                          or number 0..25
  --shape NAME|N          first shape component: Rectangle, Rhombus, Octagon,
                          Oval or a number 0..41
  --mode MODE             automatic, multioutline or manual (complex is not
                          available here yet and is refused)
  --size WxH              picture size (default 400x300; the same as
                          --set imagewidth=W --set imageheight=H)
  --selection L,T,W,H     the area that receives the pattern (default: the
                          whole picture)
  --background COLOUR     picture background (default 0x800000)

Colours:
  --colors 8|16|35        one of the fixed colour sets
  --colors random:N       N random colours
  --colors list:C1,C2,... these colours, in this order
  --gradient STYLE,C1,C2,FROM,TO
                          a gradient over positions FROM..TO (from 1), laid
                          over the set; STYLE 0..5 or sinusoid, triangle,
                          dexponent, HLS, gradient, exponent; repeatable

Manual mode and free-form borders:
  --manual TEXT           the connection text of the Manual mode
  --outline TEXT          a free-form border: 8-digit records, x and y with
                          4 digits each; used with --selectorshape 3..5
  --selectorshape N       selection kind 1..5 (default 1, Rectangular)

Output:
  -o, --output FILE       the picture (required)
  --lines FILE.json       also write every drawn line as JSON:
                          {"lines": [{"width": W, "points": [[x, y, colour], ...]}, ...]}
  --jpeg-quality N        0..100 (default 50)
  --seed N                reproducible random patterns and colour sets
  -h, --help              this text
  --version               the version

Exit status: 0 on success, 2 for a bad command line, 1 when the run or a
file could not be written.
)";
}

}  // namespace zefrin
