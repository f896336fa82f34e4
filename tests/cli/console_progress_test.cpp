#include "cli/console_progress.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "generator/line_export.h"

namespace zefrin {
namespace {

std::string contentOf(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

const std::vector<LinePoint> kLine = {{0, 0, 255}, {5, 5, -1}};

TEST(ConsoleProgress, TerminalSeesTheLineAtOnceAndASummary) {
  std::FILE* out = std::tmpfile();
  LineCollector collector;
  ConsoleProgress progress(out, true, &collector);
  progress.lineDrawn(kLine, 2);
  progress.lineDrawn(kLine, 3);
  progress.finish();
  const std::string text = contentOf(out);
  EXPECT_TRUE(text.starts_with("\rzefrin-render: drawing line 1")) << text;
  EXPECT_NE(text.find("2 lines drawn in"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("\n"));
  ASSERT_EQ(collector.lines().size(), 2u);  // every line still reaches the next observer
  EXPECT_EQ(collector.lines()[1].width, 3);
  std::fclose(out);
}

TEST(ConsoleProgress, AShortRunWithoutTerminalSaysNothing) {
  std::FILE* out = std::tmpfile();
  ConsoleProgress progress(out, false);
  progress.InitProgress(10);
  progress.Progress(5);
  for (int i = 0; i < 100; ++i) progress.lineDrawn(kLine, 2);
  progress.finish();
  EXPECT_EQ(contentOf(out), "");
  EXPECT_FALSE(progress.shown());
  std::fclose(out);
}

}  // namespace
}  // namespace zefrin
