#include <QRadioButton>

#include "app/zoom_choices.h"
#include "app/zoom_dialog.h"
#include "app_fixture.h"

namespace zefrin::testing {
namespace {

using ZoomTest = AppTest;

TEST(ZoomChoices, LargestLevelFollowsThePictureSize) {
  struct Case {
    int32_t width, height, largest;
  };
  const Case cases[] = {{100, 70, 4}, {101, 70, 3}, {120, 80, 3}, {130, 90, 3}, {131, 90, 2},
                        {200, 140, 2}, {400, 280, 1}, {401, 100, 0}, {100, 281, 0}};
  for (const Case& c : cases) EXPECT_EQ(largestZoomIndex(c.width, c.height), c.largest) << c.width << "x" << c.height;
  EXPECT_EQ(zoomIndexAfterShow(4, 120, 80), 3);  // 800% -> 600%
  EXPECT_EQ(zoomIndexAfterShow(2, 500, 500), 0);
  EXPECT_EQ(zoomIndexAfterShow(1, 50, 50), 1);   // nothing moves when all are offered
}

TEST_F(ZoomTest, DialogEnablesTheLevelsForTheActivePicture) {
  window->genset().imagewidth = 120;
  window->genset().imageheight = 80;
  window->newImage();
  toolButton("mashtab")->trigger();
  ZoomDialog* dialog = window->zoomDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle().toStdString(), "Form1");
  const bool expected120[] = {true, true, true, true, false};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(dialog->option(i)->isEnabled(), expected120[i]) << i;
  dialog->reject();

  window->genset().imagewidth = 401;
  window->genset().imageheight = 100;
  window->newImage();
  toolButton("mashtab")->trigger();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(dialog->option(i)->isEnabled(), i == 0) << i;
  EXPECT_TRUE(dialog->option(0)->isChecked());
  dialog->reject();
}

TEST_F(ZoomTest, ZoomInMakesPixelBlocksAndReturnRestoresTheImage) {
  window->genset().imagewidth = 90;
  window->genset().imageheight = 60;
  ImageWindow* image = window->newImage();
  Picture& picture = image->document().picture();
  picture.setPixel(5, 7, rgb(255, 0, 0));
  const RasterImage original = picture.persistentRaster();

  toolButton("mashtab")->trigger();
  window->zoomDialog()->option(4)->setChecked(true);
  window->zoomDialog()->accept();
  ASSERT_TRUE(image->zoomed());
  EXPECT_EQ(picture.width(), 720);
  EXPECT_EQ(picture.height(), 480);
  for (int y = 56; y < 64; ++y) {
    for (int x = 40; x < 48; ++x) EXPECT_EQ(picture.getPixel(x, y), rgb(255, 0, 0));
  }
  EXPECT_NE(picture.getPixel(48, 56), rgb(255, 0, 0));

  image->showMaximized();
  toolButton("mashtab")->trigger();
  EXPECT_EQ(messagesSaying("Active window must be normal state for this action"), 1);
  EXPECT_TRUE(image->zoomed());
  image->showNormal();
  toolButton("mashtab")->trigger();
  EXPECT_FALSE(image->zoomed());
  EXPECT_EQ(picture.persistentRaster(), original);
}

}  // namespace
}  // namespace zefrin::testing
