#include "document/image_document.h"

#include <gtest/gtest.h>

namespace zefrin {
namespace {

TEST(ImageDocument, FileTitleIsTheNameAfterTheLastSeparator) {
  struct Case { const char* path; const char* title; };
  const Case cases[] = {
      {"C:\\pictures\\a\\b.bmp", "b.bmp"}, {"/home/ann/pictures/b.png", "b.png"},
      {"Image 3", "Image 3"}, {"folder\\", ""}, {"", ""}};
  for (const Case& c : cases) {
    ImageDocument doc(10, 10, 0);
    doc.setFilename(c.path);
    EXPECT_EQ(doc.Filename(), c.path);
    EXPECT_EQ(doc.FileTitle(), c.title) << c.path;
  }
}

TEST(ImageDocument, SelectionReadsTheSameWhicheverCornerComesFirst) {
  ImageDocument doc(400, 300, 0);
  EXPECT_EQ(doc.selogicalx(), 400);  // a new window selects the whole picture
  EXPECT_EQ(doc.selogicaly(), 300);
  doc.selogicalxy(250, 40, 50, 190);
  EXPECT_EQ(doc.selogicalx(), 200);
  EXPECT_EQ(doc.selogicaly(), 150);
  EXPECT_EQ(doc.ofselogicalx(), 50);
  EXPECT_EQ(doc.ofselogicaly(), 40);
}

TEST(ImageDocument, SelectAllAndResizeSetThePatternArea) {
  ImageDocument doc(400, 300, 0);
  GenSet genset;
  doc.selogicalxy(10, 10, 20, 20);
  doc.selectall(genset);
  EXPECT_EQ(doc.selection().selogicalx, 400);
  EXPECT_EQ(genset.logicalX, 400);
  EXPECT_EQ(genset.logicalY, 300);
  EXPECT_EQ(genset.offsetlogicalX, 0);

  doc.selogicalxy(10, 10, 20, 20);
  doc.form3pic11sizeset(120, 80, genset);
  EXPECT_EQ(doc.ImageWidth(), 120);
  EXPECT_EQ(doc.ImageHeight(), 80);
  EXPECT_EQ(doc.selogicalx(), 120);
  EXPECT_EQ(genset.logicalY, 80);
  // The same size again changes nothing, not even the selection.
  doc.selogicalxy(10, 10, 20, 20);
  doc.form3pic11sizeset(120, 80, genset);
  EXPECT_EQ(doc.selogicalx(), 10);
}

TEST(ImageDocument, UndoWalksBackThroughTheTenNewestSnapshots) {
  ImageDocument doc(4, 4, 0);
  GenSet genset;
  EXPECT_FALSE(doc.Dirty());
  for (int32_t i = 1; i <= 11; ++i) {
    doc.picture().setPixel(0, 0, i);  // content of snapshot i
    doc.undosetting();
  }
  EXPECT_TRUE(doc.Dirty());
  EXPECT_EQ(doc.undoTop(), 9);
  for (int32_t i = 11; i >= 2; --i) {
    doc.undo(genset);
    EXPECT_EQ(doc.picture().getPixel(0, 0), i);
  }
  doc.picture().setPixel(0, 0, 99);
  doc.undo(genset);  // the eleventh: the store is used up
  EXPECT_EQ(doc.picture().getPixel(0, 0), 99);
  EXPECT_EQ(doc.undoTop(), -1);
}

TEST(ImageDocument, SnapshotsOfHugePicturesStayWithinTheBudget) {
  ImageDocument doc(100, 100, 0);  // 40,000 bytes a snapshot
  GenSet genset;
  doc.setUndoBudget(100000);
  for (int32_t i = 1; i <= 5; ++i) {
    doc.picture().setPixel(0, 0, i);
    doc.undosetting();
  }
  EXPECT_EQ(doc.undoTop(), 1);  // only the two newest fit
  doc.undo(genset);
  EXPECT_EQ(doc.picture().getPixel(0, 0), 5);
  doc.undo(genset);
  EXPECT_EQ(doc.picture().getPixel(0, 0), 4);
  doc.setUndoBudget(1);  // the newest snapshot is kept whatever the budget
  doc.undosetting();
  EXPECT_EQ(doc.undoTop(), 0);
}

TEST(ImageDocument, UndoBringsBackTheSnapshotsSize) {
  ImageDocument doc(100, 50, 0x123456);
  GenSet genset;
  doc.undosetting();
  doc.form3pic11sizeset(200, 120, genset);
  doc.picture().setPixel(150, 100, 0xFF);
  doc.undo(genset);
  EXPECT_EQ(doc.ImageWidth(), 100);
  EXPECT_EQ(doc.ImageHeight(), 50);
  EXPECT_EQ(genset.imagewidth, 100);
  EXPECT_EQ(genset.imageheight, 50);
  EXPECT_EQ(doc.selogicalx(), 100);
  EXPECT_EQ(doc.picture().getPixel(99, 49), 0x123456);
}

TEST(ImageDocument, DeleteFrameEndsTransientDrawingOnlyWhenAFrameIsShown) {
  ImageDocument doc(20, 20, 0);
  doc.picture().state().persistent = false;
  doc.picture().setPixel(1, 1, 0xFF);
  doc.deleteframe();  // no frame shown: nothing happens
  EXPECT_FALSE(doc.picture().state().persistent);
  doc.SettingState = 2;
  doc.deleteframe();
  EXPECT_TRUE(doc.picture().state().persistent);
  EXPECT_FALSE(doc.picture().hasTransientDrawing());
  EXPECT_EQ(doc.SettingState, 0);
  EXPECT_EQ(doc.picture().getPixel(1, 1), 0);
}

TEST(ImageDocument, PrepareProcessingFillsBothBuffersAndClipsTheArea) {
  ImageDocument doc(30, 20, 0x0000FF);
  doc.picture().setPixel(2, 3, 0x00FF00);
  struct Case { int32_t sx, sy, ex, ey; ImageDocument::ProcessingArea area; };
  const Case cases[] = {
      {5, 4, 15, 10, {5, 4, 15, 10}},
      {-5, -4, 10, 8, {0, 0, 15, 12}},   // left/top below 0 start at 0, keeping the width
      {20, 10, 60, 90, {20, 10, 30, 20}},  // right/bottom cut at the buffer
  };
  for (const Case& c : cases) {
    doc.selogicalxy(c.sx, c.sy, c.ex, c.ey);
    EXPECT_EQ(doc.prepareprocessing(), c.area);
  }
  EXPECT_EQ(doc.undoTop(), 2);
  for (cDIBSection* buffer : {&doc.imageBuffer(), &doc.workBuffer()}) {
    ASSERT_TRUE(buffer->hasRaster());
    EXPECT_EQ(buffer->width(), 30);
    // Picture line 3 is buffer row 20 - 1 - 3; green is the middle byte.
    const uint8_t* pixel = buffer->DIBSectionBitsPtr() + 16 * buffer->BytesPerScanLine() + 2 * 3;
    EXPECT_EQ(pixel[0], 0);
    EXPECT_EQ(pixel[1], 0xFF);
    EXPECT_EQ(pixel[2], 0);
  }
}

}  // namespace
}  // namespace zefrin
