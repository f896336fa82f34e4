#include <QFileInfo>

#include "app_fixture.h"

namespace zefrin::testing {
namespace {

using CloseQuestionTest = AppTest;

const std::string kQuestion = "The image 'Image 1' has been changed.\n\nDo you want to save it?";

TEST_F(CloseQuestionTest, UnchangedWindowClosesWithoutAsking) {
  window->newImage();
  trigger("&File", "&Close");
  EXPECT_EQ(window->amountchildforms(), 0);
  EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(CloseQuestionTest, CancelKeepsTheWindowNoClosesIt) {
  ImageWindow* image = window->newImage();
  image->document().undosetting();
  messenger.answers = {Answer::Cancel};
  trigger("&File", "&Close");
  EXPECT_EQ(messenger.texts(), std::vector<std::string>{kQuestion});
  EXPECT_EQ(window->amountchildforms(), 1);
  messenger.answers = {Answer::No};
  trigger("&File", "&Close");
  EXPECT_EQ(window->amountchildforms(), 0);
}

TEST_F(CloseQuestionTest, YesWithCancelledOrFailedSaveKeepsTheWindowAndItsPicture) {
  ImageWindow* image = window->newImage();
  image->document().undosetting();
  image->document().picture().setPixel(4, 4, rgb(1, 2, 3));
  messenger.answers = {Answer::Yes};
  dialogs.saveAnswers.push_back(std::nullopt);
  trigger("&File", "&Close");
  EXPECT_EQ(window->amountchildforms(), 1);
  EXPECT_EQ(image->document().picture().getPixel(4, 4), rgb(1, 2, 3));

  messenger.answers = {Answer::Yes};
  dialogs.saveAnswers.push_back(SaveChoice{tempPath("no/such/dir/x.png"), 0});
  trigger("&File", "&Close");
  EXPECT_EQ(window->amountchildforms(), 1);

  messenger.answers = {Answer::Yes};
  dialogs.saveAnswers.push_back(SaveChoice{tempPath("saved.png"), 0});
  trigger("&File", "&Close");
  EXPECT_EQ(window->amountchildforms(), 0);
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(tempPath("saved.png"))));
}

TEST_F(CloseQuestionTest, ClosingTheMainWindowHonoursCancelAndSavesRecentFiles) {
  window->newImage()->document().undosetting();
  window->AddMRUFile("/pictures/kept.png");
  messenger.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->amountchildforms(), 1);
  EXPECT_EQ(settings.texts[std::string(kRecentFilesKey) + "/File1"], "/pictures/kept.png");
  messenger.answers = {Answer::No};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(window->amountchildforms(), 0);
}

}  // namespace
}  // namespace zefrin::testing
