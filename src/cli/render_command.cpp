#include "cli/render_command.h"

#include <unistd.h>

#include <optional>
#include <string>

#include "cli/console_progress.h"
#include "cli/option_error.h"
#include "cli/render_job.h"
#include "cli/render_options.h"
#include "generator/line_export.h"
#include "platform/qt/file_output.h"
#include "platform/qt/image_files.h"

#ifndef ZEFRIN_VERSION
#define ZEFRIN_VERSION "unknown"
#endif

namespace zefrin {

namespace {

// The platform's encoder for an output kind, as the Save command would use it.
std::optional<ImageCodec> encoderFor(OutputKind kind) {
  const char* format = kind == OutputKind::Jpeg ? "jpeg" : kind == OutputKind::Bmp ? "bmp" : "png";
  for (const ImageCodec& codec : imageEncoders()) {
    if (codec.format == format) return codec;
  }
  return std::nullopt;
}

// Pictures are written like the program saves them: encoded and checked in
// memory first, so a failure leaves any old file as it was.
std::string writePicture(const RasterImage& picture, const std::string& path, OutputKind kind,
                         int jpegQuality) {
  const std::optional<ImageCodec> encoder = encoderFor(kind);
  if (!encoder) return "unwritable file " + path + ": no encoder for this format";
  cSaveOptions options;
  options.JpgQuality = jpegQuality;
  const ImageSaveResult saved = saveImageFile(picture, path, *encoder, options);
  if (saved.ok) return {};
  return "unwritable file " + path + ": " + saved.error;
}

std::string writeText(const std::string& path, const std::string& text) {
  return writeFileAtomically(path, std::span<const char>(text.data(), text.size()));
}

}  // namespace

int runRenderCommand(std::span<const std::string_view> args, std::FILE* out, std::FILE* err) {
  RenderOptions options;
  try {
    options = parseRenderOptions(args);
  } catch (const OptionError& error) {
    std::fprintf(err, "zefrin-render: %s\n", error.what());
    return kExitBadUsage;
  }
  if (options.action == RenderOptions::Action::Help) {
    std::fputs(usageText().c_str(), out);
    return kExitOk;
  }
  if (options.action == RenderOptions::Action::Version) {
    std::fprintf(out, "zefrin-render %s\n", ZEFRIN_VERSION);
    return kExitOk;
  }
  for (const std::string& warning : options.warnings) {
    std::fprintf(err, "zefrin-render: warning: %s\n", warning.c_str());
  }

  const bool svg = options.outputKind == OutputKind::Svg;
  LineCollector collector;
  const bool terminal = isatty(fileno(err)) != 0;
  ConsoleProgress progress(err, terminal, svg || options.linesPath ? &collector : nullptr);
  RenderJob job(options, progress);
  progress.setGenerator(&job.state().generator);
  const bool ran = job.run(&progress);
  progress.finish();
  if (!ran) {
    std::fprintf(err, "zefrin-render: the run did not start\n");
    return kExitFailed;
  }

  std::string error;
  if (svg) {
    const RasterImage& picture = job.document().picture().persistentRaster();
    error = writeText(options.output, linesToSvg(collector.lines(), picture.width(), picture.height(),
                                                 job.document().picture().background()));
  } else {
    error = writePicture(job.document().picture().persistentRaster(), options.output,
                         options.outputKind, options.jpegQuality);
  }
  if (error.empty() && options.linesPath) error = writeText(*options.linesPath, linesToJson(collector.lines()));
  if (!error.empty()) {
    std::fprintf(err, "zefrin-render: %s\n", error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace zefrin
