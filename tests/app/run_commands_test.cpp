#include <QTimer>

#include "app_fixture.h"

namespace zefrin::testing {
namespace {

class CountingObserver final : public LineObserver {
 public:
  void lineDrawn(std::span<const LinePoint>, int32_t) override { ++lines; }
  int lines = 0;
};

class RunCommandsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    window->runLoop().setObserver(&observer);
  }
  CountingObserver observer;
};

TEST_F(RunCommandsTest, GoDrawsLinesInsideTheSelectionOnly) {
  ImageWindow* image = window->newImage();
  ImageDocument& doc = image->document();
  doc.selogicalxy(100, 80, 300, 220);
  const Colour background = doc.picture().background();
  toolButton("start")->trigger();
  EXPECT_GT(observer.lines, 0);
  int inside = 0, outside = 0;
  for (int y = 0; y < doc.ImageHeight(); ++y) {
    for (int x = 0; x < doc.ImageWidth(); ++x) {
      if (doc.picture().getPixel(x, y) == background) continue;
      (x >= 100 && x < 300 && y >= 80 && y < 220 ? inside : outside)++;
    }
  }
  EXPECT_GT(inside, 100);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(doc.undoTop(), 0);  // Go left an undo snapshot
  EXPECT_FALSE(window->runLoop().running());
}

TEST_F(RunCommandsTest, BreakStopsASlowRunAfterTheCurrentLineAndSecondGoIsRefused) {
  window->newImage();
  window->genset().segpause = 0.02f;
  bool wasRunning = false;
  int linesWhenGoAgain = -1;
  QTimer::singleShot(40, window.get(), [&] {
    wasRunning = window->runLoop().running();
    linesWhenGoAgain = observer.lines;
    toolButton("start")->trigger();  // refused: not nested
    toolButton("break")->trigger();
  });
  toolButton("start")->trigger();
  EXPECT_TRUE(wasRunning);
  EXPECT_EQ(linesWhenGoAgain, 1);  // the first line is being drawn
  EXPECT_EQ(observer.lines, 1);
  EXPECT_FALSE(window->runLoop().running());
}

TEST_F(RunCommandsTest, ClosingTheWindowDuringARunStopsTheRunThenCloses) {
  ImageWindow* image = window->newImage();
  window->genset().segpause = 0.02f;
  messenger.answers.push_back(Answer::No);  // the run changed the picture: do not save
  QTimer::singleShot(40, window.get(), [&] { image->close(); });
  toolButton("start")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(observer.lines, 1);
  EXPECT_EQ(messagesSaying("The image 'Image 1' has been changed.\n\nDo you want to save it?"), 1);
  EXPECT_EQ(window->amountchildforms(), 0);
}

TEST_F(RunCommandsTest, ManualModeSaysItHasNoWindowYet) {
  window->newImage();
  window->genset().Operationmode = 2;
  toolButton("start")->trigger();
  ASSERT_EQ(messenger.messages.size(), 1u);
  EXPECT_NE(messenger.messages[0].text.find("manual"), std::string::npos);
  EXPECT_EQ(observer.lines, 0);
}

}  // namespace
}  // namespace zefrin::testing
