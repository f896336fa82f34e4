// zefrin-render as a user runs it: the built program writes PNG, SVG and
// JSON files, which must match an in-process run of the same settings
// through the run loop.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "document/image_document.h"
#include "generator/line_export.h"
#include "generator/run_loop.h"
#include "session/application_state.h"

#ifndef ZEFRIN_RENDER_PATH
#error "the build passes the path of zefrin-render"
#endif

namespace zefrin {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string quoted(const std::string& arg) {
  std::string out = "'";
  for (char c : arg) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  out += '\'';
  return out;
}

struct ProgramResult {
  int exitCode = -1;
  std::string err;
  std::string out;
};

class RenderProgramTest : public ::testing::Test {
 protected:
  RenderProgramTest() {
    dir = fs::temp_directory_path() /
          ("zefrin-render-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~RenderProgramTest() override { fs::remove_all(dir); }

  ProgramResult runProgram(const std::vector<std::string>& args) {
    std::string command = quoted(ZEFRIN_RENDER_PATH);
    for (const std::string& arg : args) {
      command += ' ';
      command += quoted(arg);
    }
    command += " >";
    command += quoted((dir / "stdout.txt").string());
    command += " 2>";
    command += quoted((dir / "stderr.txt").string());
    const int status = std::system(command.c_str());
    ProgramResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(dir / "stdout.txt");
    result.err = readFile(dir / "stderr.txt");
    return result;
  }

  std::string path(const char* name) const { return (dir / name).string(); }

  fs::path dir;
};

// One render case: the command line, and the same settings made by hand on
// a fresh state for the in-process reference.
struct RenderCase {
  const char* name;
  std::vector<std::string> args;
  int32_t width;
  int32_t height;
  uint64_t seed;
  std::function<void(ApplicationState&, RandomSource&)> configure;
  std::optional<RectI> selection = std::nullopt;  // none: the whole picture
  int32_t selectorshape = 1;
  std::string manualText = "";
};

class SelectionKind final : public RunCollaborators {
 public:
  explicit SelectionKind(int32_t kind) : kind_(kind) {}
  int32_t selectorshape() const override { return kind_; }

 private:
  int32_t kind_;
};

struct Reference {
  RasterImage picture;
  std::vector<DrawnLine> lines;
};

Reference renderInProcess(const RenderCase& c) {
  NoEventPump pump;
  SilentMessenger messenger;
  NoProgress progress;
  SystemClock clock;
  MersenneRandom random(c.seed);
  const EngineServices services{pump, messenger, progress, clock, random};
  ApplicationState state(services);
  state.genset.imagewidth = c.width;
  state.genset.imageheight = c.height;
  c.configure(state, random);
  ImageDocument document(c.width, c.height, state.genset.backcolor);
  if (c.selection) {
    document.selogicalxy(c.selection->left, c.selection->top, c.selection->right, c.selection->bottom);
  }
  RunLoop loop(state, services);
  SelectionKind kind(c.selectorshape);
  loop.setCollaborators(&kind);
  LineCollector collector;
  loop.setObserver(&collector);
  EXPECT_TRUE(loop.run(document, c.manualText));
  return Reference{document.picture().persistentRaster(), collector.lines()};
}

// Two connections: top 3 to left 7 in the set's colours, width 3; top 5 to
// bottom 12 in red, width 2.
constexpr const char* kManualText = "010307" "00000000-1" "003" "070512" "0000000255" "002";

std::vector<RenderCase> renderCases() {
  std::vector<RenderCase> cases;
  cases.push_back({"spider_gradient_border",
                   {"--pattern", "Spider", "--colors", "16", "--gradient", "HLS,#FF0000,#0000FF,2,9",
                    "--set", "linewidth=3", "--set", "drawborder=1", "--set", "simpleborder=1",
                    "--set", "borderwidth=4", "--size", "200x150", "--selection", "10,12,160,120"},
                   200, 150, 1,
                   [](ApplicationState& s, RandomSource&) {
                     s.genset.funcs = 15;
                     s.generator.colorob().redimcolor16();
                     s.generator.colorob().colorgrad(0x0000FF, 0xFF0000, 3, 2, 9);
                     s.genset.numcolors = 16;
                     s.genset.linewidth = 3;
                     s.genset.drawborder = 1;
                     s.genset.simpleborder = 1;
                     s.genset.borderwidth = 4;
                   },
                   RectI{10, 12, 170, 132}});
  cases.push_back({"random_multicolour",
                   {"--pattern", "0", "--set", "modeparam1=40", "--colors", "random:5", "--set",
                    "chlinecol=1", "--set", "linelength=12", "--seed", "11", "--shape", "Oval"},
                   400, 300, 11,
                   [](ApplicationState& s, RandomSource& random) {
                     s.genset.funcs = 0;
                     s.genset.modeparam1 = 40;
                     s.generator.colorob().redimcolors(4, random);
                     s.genset.numcolors = 5;
                     s.genset.chlinecol = 1;
                     s.genset.linelength = 12;
                     s.genset.shapes = 3;
                   }});
  cases.push_back({"multioutline_inner_first",
                   {"--mode", "multioutline", "--set", "numblines=6", "--set", "outldirection=1",
                    "--background", "#FFFFFF", "--colors", "list:0x0000FF,#00FF00", "--size", "120x90"},
                   120, 90, 1,
                   [](ApplicationState& s, RandomSource&) {
                     s.genset.Operationmode = 1;
                     s.genset.numblines = 6;
                     s.genset.outldirection = 1;
                     s.genset.backcolor = 0xFFFFFF;
                     s.generator.colorob().redimcolor1(0x0000FF);
                     s.generator.colorob().adddelcolors(0x00FF00, 1, true);
                     s.genset.numcolors = 2;
                   }});
  cases.push_back({"manual_connections",
                   {"--mode", "manual", "--manual", kManualText,
                    "--size", "160x120"},
                   160, 120, 1,
                   [](ApplicationState& s, RandomSource&) { s.genset.Operationmode = 2; },
                   std::nullopt, 1, kManualText});
  cases.push_back({"freeform_outline",
                   {"--selectorshape", "3", "--outline", "00000000" "01000000" "01000050" "00000050",
                    "--pattern", "Net", "--size", "150x100"},
                   150, 100, 1,
                   [](ApplicationState& s, RandomSource&) {
                     s.genset.funcs = 11;
                     s.storedOutline = "00000000" "01000000" "01000050" "00000050";
                     s.storedoutlinesize = {100, 50};
                   },
                   std::nullopt, 3});
  return cases;
}

TEST_F(RenderProgramTest, PictureAndLinesMatchAnInProcessRun) {
  for (const RenderCase& c : renderCases()) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--seed", std::to_string(c.seed), "-o", path("out.png"), "--lines", path("out.json")});
    const ProgramResult result = runProgram(args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");

    const Reference reference = renderInProcess(c);
    ASSERT_FALSE(reference.lines.empty());
    QImage png(QString::fromStdString(path("out.png")));
    ASSERT_FALSE(png.isNull());
    png = png.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(png.width(), c.width);
    ASSERT_EQ(png.height(), c.height);
    int64_t differing = 0;
    for (int32_t y = 0; y < c.height; ++y) {
      const auto* row = reinterpret_cast<const Pixel*>(png.constScanLine(y));
      for (int32_t x = 0; x < c.width; ++x) differing += row[x] != reference.picture.at(x, y);
    }
    EXPECT_EQ(differing, 0);
    // The run drew something besides the background.
    const Pixel background = reference.picture.at(0, 0);
    bool drawn = false;
    for (int32_t y = 0; y < c.height && !drawn; ++y) {
      for (int32_t x = 0; x < c.width && !drawn; ++x) drawn = reference.picture.at(x, y) != background;
    }
    EXPECT_TRUE(drawn);

    EXPECT_EQ(readFile(dir / "out.json"), linesToJson(reference.lines));

    // The same run as vectors: one polyline point more than segments per run.
    args.resize(args.size() - 4);
    args.insert(args.end(), {"-o", path("out.svg")});
    ASSERT_EQ(runProgram(args).exitCode, 0);
    const std::string svg = readFile(dir / "out.svg");
    const std::regex polyline("<polyline points=\"([^\"]*)\"");
    int64_t segments = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), polyline); it != std::sregex_iterator(); ++it) {
      const std::string points = (*it)[1];
      segments += std::count(points.begin(), points.end(), ' ');  // points - 1
    }
    EXPECT_EQ(segments, drawnSegmentCount(reference.lines));
    EXPECT_NE(svg.find("width=\"" + std::to_string(c.width) + "\" height=\"" + std::to_string(c.height) + "\""),
              std::string::npos);
  }
}

TEST_F(RenderProgramTest, BorderIsTheLastLine) {
  const ProgramResult result =
      runProgram({"--pattern", "Horizontal", "--set", "drawborder=1", "--set", "simpleborder=1", "--set",
                  "borderwidth=5", "-o", path("b.png"), "--lines", path("b.json")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string json = readFile(dir / "b.json");
  std::vector<int> widths;
  const std::regex width("\\{\"width\": ([0-9]+), ");
  for (auto it = std::sregex_iterator(json.begin(), json.end(), width); it != std::sregex_iterator(); ++it) {
    widths.push_back(std::stoi((*it)[1]));
  }
  // The pattern's lines at linewidth 2, then the border at borderwidth.
  ASSERT_GE(widths.size(), 2u);
  EXPECT_EQ(widths.back(), 5);
  widths.pop_back();
  EXPECT_EQ(std::count(widths.begin(), widths.end(), 2), static_cast<long>(widths.size()));
}

TEST_F(RenderProgramTest, SeededRandomRunsRepeat) {
  const std::vector<std::string> args = {"--pattern", "Random", "--colors", "random:7", "--seed", "42"};
  auto withOutput = [&](const char* name) {
    auto a = args;
    a.insert(a.end(), {"-o", path(name)});
    return a;
  };
  ASSERT_EQ(runProgram(withOutput("a.bmp")).exitCode, 0);
  ASSERT_EQ(runProgram(withOutput("b.bmp")).exitCode, 0);
  EXPECT_EQ(readFile(dir / "a.bmp"), readFile(dir / "b.bmp"));
  ASSERT_EQ(runProgram(withOutput("c.jpg")).exitCode, 0);
  const QImage jpeg(QString::fromStdString(path("c.jpg")));
  EXPECT_EQ(jpeg.size(), QSize(400, 300));
}

TEST_F(RenderProgramTest, MistakesExitNonZeroWithOneLine) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string err;
  };
  const std::string missing = path("no-such-dir/out.png");
  const Case cases[] = {
      {{"--pattern", "Nope", "-o", path("x.png")}, 2,
       "zefrin-render: unknown pattern 'Nope' (a number 0..25 or one of Random, Null, Horizontal, "
       "Vertical, Diagonal, Eight, Hyperbola1, Hyperbola2, Forages, Corner, Baloon, Net, Iks, Propeller, "
       "Screw, Spider, Buterfly, Bouquet, Bays, Turn, Labyrinth, Crossing, Waves1, Waves2, Chains, 50 "
       "Variants)\n"},
      {{"--set", "contup=many", "-o", path("x.png")}, 2,
       "zefrin-render: bad value for contup: 'many' (expected a whole number)\n"},
      {{"--bogus"}, 2, "zefrin-render: unknown option '--bogus' (see --help)\n"},
      {{"--mode", "complex", "-o", path("x.png")}, 2,
       "zefrin-render: the Complex mode is not available in zefrin-render yet\n"},
  };
  for (const Case& c : cases) {
    const ProgramResult result = runProgram(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.err, c.err);
  }
  EXPECT_FALSE(fs::exists(path("x.png")));

  const ProgramResult unwritable = runProgram({"-o", missing});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_TRUE(unwritable.err.starts_with("zefrin-render: unwritable file " + missing)) << unwritable.err;
  EXPECT_EQ(std::count(unwritable.err.begin(), unwritable.err.end(), '\n'), 1);
  EXPECT_FALSE(fs::exists(missing));

  const ProgramResult badJson = runProgram({"-o", path("ok.png"), "--lines", missing});
  EXPECT_EQ(badJson.exitCode, 1);
  EXPECT_TRUE(badJson.err.starts_with("zefrin-render: unwritable file")) << badJson.err;
}

TEST_F(RenderProgramTest, HelpAndVersion) {
  const ProgramResult help = runProgram({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: zefrin-render [options] -o FILE\n"));
  EXPECT_EQ(help.err, "");
  const ProgramResult version = runProgram({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("zefrin-render [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
}

TEST_F(RenderProgramTest, WarningsDoNotStopTheRun) {
  const ProgramResult result = runProgram({"--manual", "01", "-o", path("w.png")});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "zefrin-render: warning: --manual is used only with --mode manual; ignored\n");
  EXPECT_TRUE(fs::exists(path("w.png")));
}

}  // namespace
}  // namespace zefrin
