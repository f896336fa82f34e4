#include "app_fixture.h"

namespace zefrin::testing {
namespace {

using EditCommandsTest = AppTest;

// Fills the picture with a colour standing for step k.
void paintStep(ImageDocument& doc, int k) {
  doc.picture().fillRect(RectI{0, 0, doc.ImageWidth(), doc.ImageHeight()}, rgb(k * 20, 5, 7));
}

TEST_F(EditCommandsTest, UndoWalksBackTenSnapshotsNewestFirst) {
  ImageDocument& doc = window->newImage()->document();
  for (int k = 0; k <= 10; ++k) {
    paintStep(doc, k);
    trigger("&Edit", "&Clear");  // snapshot of step k, then an empty picture
    EXPECT_EQ(doc.picture().getPixel(3, 3), doc.picture().background());
  }
  for (int k = 10; k >= 1; --k) {
    trigger("&Edit", "&Undo");
    EXPECT_EQ(doc.picture().getPixel(3, 3), rgb(k * 20, 5, 7)) << "undo to step " << k;
  }
  trigger("&Edit", "&Undo");  // the oldest snapshot (step 0) was dropped
  EXPECT_EQ(doc.picture().getPixel(3, 3), rgb(20, 5, 7));
  EXPECT_TRUE(messenger.messages.empty());
}

TEST_F(EditCommandsTest, SelectionFrameIsDrawnOnTheScreenOnlyAndSelectAllRemovesIt) {
  ImageWindow* image = window->newImage();
  ImageDocument& doc = image->document();
  doc.selogicalxy(10, 10, 60, 40);
  const RasterImage before = doc.picture().persistentRaster();
  trigger("&Edit", "Se&lection");
  EXPECT_TRUE(image->frameShown());
  EXPECT_EQ(doc.SettingState, 2);
  int grey = 0;  // light phase: a dotted light grey top edge
  for (int x = 10; x < 60; ++x) grey += doc.picture().screen().at(x, 10) == pixelFromColour(0xC0C0C0) ? 1 : 0;
  EXPECT_GT(grey, 10);
  EXPECT_LT(grey, 50);
  image->animateFrame();  // dark phase: black dashes
  EXPECT_EQ(doc.picture().screen().at(10, 10), pixelFromColour(0x000000));
  EXPECT_EQ(doc.picture().persistentRaster(), before);

  trigger("&Edit", "S&elect all");
  EXPECT_FALSE(image->frameShown());
  EXPECT_EQ(doc.picture().screen(), before);
  EXPECT_EQ(doc.selogicalx(), 400);
  EXPECT_EQ(doc.selogicaly(), 300);
  EXPECT_EQ(window->genset().logicalX, 400);
}

TEST_F(EditCommandsTest, ClearEmptiesToTheBackgroundAndCanBeUndone) {
  ImageDocument& doc = window->newImage()->document();
  paintStep(doc, 3);
  doc.picture().commit();
  toolButton("clean")->trigger();
  EXPECT_EQ(doc.picture().getPixel(50, 50), doc.picture().background());
  EXPECT_TRUE(doc.Dirty());
  toolButton("undo")->trigger();
  EXPECT_EQ(doc.picture().getPixel(50, 50), rgb(60, 5, 7));
}

}  // namespace
}  // namespace zefrin::testing
