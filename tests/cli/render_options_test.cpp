#include "cli/render_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/option_error.h"

namespace zefrin {
namespace {

RenderOptions parse(std::vector<std::string_view> args) { return parseRenderOptions(args); }

std::string errorOf(std::vector<std::string_view> args) {
  try {
    parseRenderOptions(args);
  } catch (const OptionError& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(RenderOptions, DefaultsNeedOnlyAnOutput) {
  const RenderOptions o = parse({"-o", "out.png"});
  EXPECT_EQ(o.action, RenderOptions::Action::Render);
  EXPECT_EQ(o.output, "out.png");
  EXPECT_EQ(o.outputKind, OutputKind::Png);
  EXPECT_EQ(o.genset, GenSet{});
  EXPECT_EQ(o.pictureWidth(), 400);
  EXPECT_EQ(o.pictureHeight(), 300);
  EXPECT_FALSE(o.selection.has_value());
  EXPECT_FALSE(o.seed.has_value());
  EXPECT_FALSE(o.linesPath.has_value());
  EXPECT_EQ(o.selectorshape, 1);
  EXPECT_EQ(o.jpegQuality, 50);
  EXPECT_FALSE(o.colours.changesSet());
  EXPECT_TRUE(o.warnings.empty());
}

TEST(RenderOptions, FriendlyOptionsSetTheirFields) {
  const RenderOptions o =
      parse({"--pattern", "spider", "--shape=Octagon", "--mode", "MultiOutline", "--size", "800x600",
             "--selection", "10,20,300,200", "--background", "#102030", "--seed", "77", "--lines",
             "run.json", "--output", "pic.JPEG", "--set", "contup=60", "--set", "segpause=0.5",
             "--jpeg-quality", "90"});
  EXPECT_EQ(o.genset.funcs, 15);
  EXPECT_EQ(o.genset.shapes, 2);
  EXPECT_EQ(o.genset.Operationmode, 1);
  EXPECT_EQ(o.pictureWidth(), 800);
  EXPECT_EQ(o.pictureHeight(), 600);
  EXPECT_EQ(o.selection, (SelectionRect{10, 20, 300, 200}));
  EXPECT_EQ(o.genset.backcolor, rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(o.seed, 77u);
  EXPECT_EQ(o.linesPath, "run.json");
  EXPECT_EQ(o.outputKind, OutputKind::Jpeg);
  EXPECT_EQ(o.genset.contup, 60);
  EXPECT_FLOAT_EQ(o.genset.segpause, 0.5f);
  EXPECT_EQ(o.jpegQuality, 90);
}

TEST(RenderOptions, NamesAndNumbers) {
  struct Case {
    std::vector<std::string_view> args;
    int32_t GenSet::*field;
    int32_t value;
  };
  const Case cases[] = {
      {{"--pattern", "Random"}, &GenSet::funcs, 0},
      {{"--pattern", "50 variants"}, &GenSet::funcs, 25},
      {{"--pattern", "BUTERFLY"}, &GenSet::funcs, 16},
      {{"--pattern", "25"}, &GenSet::funcs, 25},
      {{"--shape", "rectangle"}, &GenSet::shapes, 0},
      {{"--shape", "Rhombus"}, &GenSet::shapes, 1},
      {{"--shape", "oval"}, &GenSet::shapes, 3},
      {{"--shape", "41"}, &GenSet::shapes, 41},
      {{"--mode", "automatic"}, &GenSet::Operationmode, 0},
      {{"--mode", "manual"}, &GenSet::Operationmode, 2},
      {{"--mode", "1"}, &GenSet::Operationmode, 1},
      // Options apply in order: the later one wins.
      {{"--pattern", "Net", "--set", "funcs=3"}, &GenSet::funcs, 3},
      {{"--set", "funcs=3", "--pattern", "Net"}, &GenSet::funcs, 11},
      {{"--set", "imagewidth=640"}, &GenSet::imagewidth, 640},
  };
  for (const Case& c : cases) {
    std::vector<std::string_view> args = c.args;
    args.insert(args.end(), {"-o", "x.png"});
    EXPECT_EQ(parse(args).genset.*(c.field), c.value) << c.args.front() << " " << c.args[1];
  }
}

TEST(RenderOptions, OutputKindsByExtension) {
  EXPECT_EQ(parse({"-o", "a.png"}).outputKind, OutputKind::Png);
  EXPECT_EQ(parse({"-o", "a.jpg"}).outputKind, OutputKind::Jpeg);
  EXPECT_EQ(parse({"-o", "dir.v2/a.jpeg"}).outputKind, OutputKind::Jpeg);
  EXPECT_EQ(parse({"-o", "A.BMP"}).outputKind, OutputKind::Bmp);
  EXPECT_EQ(parse({"-o", "a.svg"}).outputKind, OutputKind::Svg);
}

TEST(RenderOptions, HelpAndVersionNeedNothingElse) {
  EXPECT_EQ(parse({"--help"}).action, RenderOptions::Action::Help);
  EXPECT_EQ(parse({"-h"}).action, RenderOptions::Action::Help);
  EXPECT_EQ(parse({"--version"}).action, RenderOptions::Action::Version);
  EXPECT_NE(usageText().find("--gradient STYLE,C1,C2,FROM,TO"), std::string::npos);
}

TEST(RenderOptions, MistakesGiveOneLineErrors) {
  struct Case {
    std::vector<std::string_view> args;
    const char* message;
  };
  const Case cases[] = {
      {{}, "no output file: give -o FILE"},
      {{"--pattern", "Spider"}, "no output file: give -o FILE"},
      {{"-o", "x.gif"}, "unknown output format 'x.gif' (use .png, .jpg, .jpeg, .bmp or .svg)"},
      {{"-o", "png"}, "unknown output format 'png' (use .png, .jpg, .jpeg, .bmp or .svg)"},
      {{"-o", "dir.png/x"}, "unknown output format 'dir.png/x' (use .png, .jpg, .jpeg, .bmp or .svg)"},
      {{"-o"}, "option '-o' needs a value"},
      {{"-o", "x.png", "--pattern"}, "option '--pattern' needs a value"},
      {{"-o", "x.png", "--colour", "8"}, "unknown option '--colour' (see --help)"},
      {{"-o", "x.png", "-x"}, "unknown option '-x' (see --help)"},
      {{"-o", "x.png", "extra"}, "unexpected argument 'extra' (options start with --)"},
      {{"-o", "x.png", "--pattern", "Spiders"},
       "unknown pattern 'Spiders' (a number 0..25 or one of Random, Null, Horizontal, Vertical, "
       "Diagonal, Eight, Hyperbola1, Hyperbola2, Forages, Corner, Baloon, Net, Iks, Propeller, "
       "Screw, Spider, Buterfly, Bouquet, Bays, Turn, Labyrinth, Crossing, Waves1, Waves2, Chains, "
       "50 Variants)"},
      {{"-o", "x.png", "--pattern", "26"}, "unknown pattern '26' (a number 0..25 or one of Random, Null, Horizontal, Vertical, Diagonal, Eight, Hyperbola1, Hyperbola2, Forages, Corner, Baloon, Net, Iks, Propeller, Screw, Spider, Buterfly, Bouquet, Bays, Turn, Labyrinth, Crossing, Waves1, Waves2, Chains, 50 Variants)"},
      {{"-o", "x.png", "--shape", "42"}, "unknown shape '42' (a number 0..41 or Rectangle, Rhombus, Octagon, Oval)"},
      {{"-o", "x.png", "--shape", "Star"}, "unknown shape 'Star' (a number 0..41 or Rectangle, Rhombus, Octagon, Oval)"},
      {{"-o", "x.png", "--mode", "auto"}, "unknown mode 'auto' (automatic, multioutline, manual or complex)"},
      {{"-o", "x.png", "--mode", "complex"}, "the Complex mode is not available in zefrin-render yet"},
      {{"-o", "x.png", "--set", "Operationmode=3"}, "the Complex mode is not available in zefrin-render yet"},
      {{"-o", "x.png", "--size", "800"}, "bad size '800' (expected WIDTHxHEIGHT, each 1..32767, e.g. 800x600)"},
      {{"-o", "x.png", "--size", "0x600"}, "bad size '0x600' (expected WIDTHxHEIGHT, each 1..32767, e.g. 800x600)"},
      {{"-o", "x.png", "--size", "800x-6"}, "bad size '800x-6' (expected WIDTHxHEIGHT, each 1..32767, e.g. 800x600)"},
      {{"-o", "x.png", "--set", "imagewidth=0"}, "bad picture size 0x300 (each side 1..32767, at most 268435456 pixels)"},
      {{"-o", "x.png", "--size", "32767x32767"}, "bad picture size 32767x32767 (each side 1..32767, at most 268435456 pixels)"},
      {{"-o", "x.png", "--selection", "1,2,3"}, "bad selection '1,2,3' (expected LEFT,TOP,WIDTH,HEIGHT with WIDTH and HEIGHT at least 1)"},
      {{"-o", "x.png", "--selection", "1,2,0,4"}, "bad selection '1,2,0,4' (expected LEFT,TOP,WIDTH,HEIGHT with WIDTH and HEIGHT at least 1)"},
      {{"-o", "x.png", "--background", "blue"}, "bad colour for --background: 'blue' (expected 0xBBGGRR or #RRGGBB)"},
      {{"-o", "x.png", "--colors", "12"}, "bad colour set '12' (expected 8, 16, 35, random:N or list:C1,C2,...)"},
      {{"-o", "x.png", "--colors", "random:0"}, "bad colour count in 'random:0' (expected random:N, N 1..5001)"},
      {{"-o", "x.png", "--colors", "list:#FF0000,,#00FF00"}, "bad colour '' (expected 0xBBGGRR or #RRGGBB)"},
      {{"-o", "x.png", "--gradient", "4,#FF0000,#0000FF,1"}, "bad gradient '4,#FF0000,#0000FF,1' (expected STYLE,C1,C2,FROM,TO)"},
      {{"-o", "x.png", "--gradient", "rainbow,#FF0000,#0000FF,1,5"}, "unknown gradient style 'rainbow' (0..5 or sinusoid, triangle, dexponent, HLS, gradient, exponent)"},
      {{"-o", "x.png", "--gradient", "4,#FF0000,#0000FF,0,5"}, "bad gradient positions in '4,#FF0000,#0000FF,0,5' (FROM and TO are 1..5001)"},
      {{"-o", "x.png", "--set", "contup"}, "bad --set 'contup' (expected NAME=VALUE)"},
      {{"-o", "x.png", "--set", "=5"}, "bad --set '=5' (expected NAME=VALUE)"},
      {{"-o", "x.png", "--set", "nosuch=5"}, "unknown genset field 'nosuch'"},
      {{"-o", "x.png", "--seed", "-1"}, "bad seed '-1' (expected a whole number 0 or more)"},
      {{"-o", "x.png", "--seed", "abc"}, "bad seed 'abc' (expected a whole number 0 or more)"},
      {{"-o", "x.png", "--selectorshape", "6"}, "bad --selectorshape '6' (expected 1..5)"},
      {{"-o", "x.png", "--outline", "00100020003"}, "bad outline: expected 8-digit records, x and y with 4 digits each (e.g. 0000000001000000)"},
      {{"-o", "x.png", "--outline", "0010002x"}, "bad outline: expected 8-digit records, x and y with 4 digits each (e.g. 0000000001000000)"},
      {{"-o", "x.png", "--jpeg-quality", "101"}, "bad --jpeg-quality '101' (expected 0..100)"},
      {{"-o", "x.png", "--lines", ""}, "--lines needs a file name"},
  };
  for (const Case& c : cases) {
    const std::string error = errorOf(c.args);
    EXPECT_EQ(error, c.message);
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(RenderOptions, IgnoredCombinationsWarn) {
  EXPECT_EQ(parse({"-o", "x.png", "--manual", "0103070000000000-1001"}).warnings,
            std::vector<std::string>{"--manual is used only with --mode manual; ignored"});
  EXPECT_TRUE(parse({"-o", "x.png", "--mode", "manual", "--manual", "01"}).warnings.empty());
  EXPECT_EQ(parse({"-o", "x.png", "--outline", "0000000001000100"}).warnings,
            std::vector<std::string>{"--outline is used only with --selectorshape 3 or more; ignored"});
  EXPECT_TRUE(parse({"-o", "x.png", "--outline", "0000000001000100", "--selectorshape", "3"})
                  .warnings.empty());
  EXPECT_EQ(parse({"-o", "x.png", "--set", "drawborder=1"}).warnings.size(), 1u);
  EXPECT_TRUE(parse({"-o", "x.png", "--set", "drawborder=1", "--set", "simpleborder=1"}).warnings.empty());
}

}  // namespace
}  // namespace zefrin
