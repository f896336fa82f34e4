// zefrin-render: runs one generation into an offscreen picture and writes it
// as PNG, JPEG, BMP or SVG. See --help.
#include <string_view>
#include <vector>

#include "cli/render_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  return zefrin::runRenderCommand(args, stdout, stderr);
}
