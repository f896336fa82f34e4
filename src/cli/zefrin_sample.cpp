// zefrin-sample: runs the generator headless with the default settings (or a
// pattern and mode given on the command line), prints what it built and
// writes the lines as an SVG picture. A stand-in until the desktop program
// and zefrin-render exist.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "generator/start_generation.h"
#include "platform/numbers.h"
#include "session/application_state.h"

namespace {

std::string svgColour(zefrin::Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", zefrin::redOf(c), zefrin::greenOf(c),
                zefrin::blueOf(c));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zefrin;
  const std::string output = argc > 1 ? argv[1] : "build/sample.svg";
  NoEventPump pump;
  SilentMessenger messenger;
  NoProgress progress;
  SystemClock clock;
  MersenneRandom random;
  ApplicationState state(EngineServices{pump, messenger, progress, clock, random});
  GenSet& genset = state.genset;
  if (argc > 2) genset.funcs = leadingInteger(argv[2]);
  if (argc > 3) genset.Operationmode = leadingInteger(argv[3]);

  const SelectionArea selection{genset.imagewidth, genset.imageheight, 0, 0};
  fittoselection(genset, selection, genset.linewidth, false);
  GenSet runSettings = genset;
  if (runSettings.Operationmode == operation_mode::kMultiOutline) runSettings.contup = runSettings.logicalX;
  startGeneration(state.generator, runSettings, "", "");

  igen& generator = state.generator;
  std::ofstream svg(output);
  if (!svg) {
    std::fprintf(stderr, "zefrin-sample: cannot write %s\n", output.c_str());
    return 1;
  }
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << genset.imagewidth
      << "\" height=\"" << genset.imageheight << "\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"" << svgColour(genset.backcolor) << "\"/>\n";
  long points = 0;
  const int32_t count = generator.amountoflines();
  for (int32_t i = 1; i <= count; ++i) {
    generator.linebuilding(i);
    auto line = generator.line();
    points += static_cast<long>(line.size());
    for (size_t p = 0; p + 1 < line.size(); ++p) {
      if (line[p].colour < 0) continue;
      svg << "<line x1=\"" << line[p].x << "\" y1=\"" << line[p].y << "\" x2=\"" << line[p + 1].x
          << "\" y2=\"" << line[p + 1].y << "\" stroke=\"" << svgColour(line[p].colour)
          << "\" stroke-width=\"" << genset.linewidth << "\" stroke-linecap=\"round\"/>\n";
    }
  }
  svg << "</svg>\n";
  std::printf("Zefrin engine sample: pattern %d, mode %d, %d lines, %ld points, written to %s\n",
              genset.funcs, genset.Operationmode, count, points, output.c_str());
  return 0;
}
