// zefrin-render's whole command: read the options, run, write the picture
// (and the lines), report. Kept apart from main() so it can run in-process.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace zefrin {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;    // the run or a file write failed
inline constexpr int kExitBadUsage = 2;  // the command line could not be used

// args: the arguments after the program name. Help and version go to out;
// warnings, progress and errors to err (one line each, "zefrin-render: ...").
int runRenderCommand(std::span<const std::string_view> args, std::FILE* out, std::FILE* err);

}  // namespace zefrin
