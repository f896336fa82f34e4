#include <gtest/gtest.h>

#include <array>

#include "platform/raster/ascii_picture.h"
#include "platform/raster/picture.h"

namespace zefrin {
namespace {

using test::asciiArt;
using test::kBlack;
using test::kWhite;
using test::rows;
using test::whitePicture;

constexpr Colour kRed = 0x000000FF;

void horizontal(Picture& picture, int32_t y) {
  picture.moveTo(0, y);
  picture.lineTo(picture.width(), y);
}

TEST(PictureLayers, TransientDrawingReachesOnlyTheScreenUntilRefresh) {
  Picture picture = whitePicture(4, 3);
  horizontal(picture, 0);  // persistent: no screen copy needed
  EXPECT_FALSE(picture.hasTransientDrawing());
  EXPECT_EQ(&picture.screen(), &picture.persistentRaster());

  picture.state().persistent = false;
  horizontal(picture, 1);
  EXPECT_TRUE(picture.hasTransientDrawing());
  EXPECT_EQ(asciiArt(picture), rows({"####", "####", "...."}));
  EXPECT_EQ(test::asciiArt(picture.persistentRaster(), kWhite), rows({"####", "....", "...."}));
  EXPECT_EQ(picture.getPixel(0, 1), kWhite);  // reads come from the persistent raster

  // Persistent drawing while a screen copy exists shows on both.
  picture.state().persistent = true;
  horizontal(picture, 2);
  EXPECT_EQ(asciiArt(picture), rows({"####", "####", "####"}));

  picture.refresh();
  EXPECT_FALSE(picture.hasTransientDrawing());
  EXPECT_EQ(asciiArt(picture), rows({"####", "....", "####"}));
}

// How a generation run draws a line: save the state, move to point 0, one
// pen per segment in the colour of its first point, skip pen-up points,
// restore the state.
TEST(PictureLayers, PolylineWithPerSegmentPensLeavesTheStateAsItWas) {
  struct Point {
    int32_t x, y;
    Colour colour;
  };
  const Point line[] = {{0, 0, kBlack}, {3, 0, kRed}, {3, 3, kPenUp}, {0, 3, kBlack}, {0, 1, kBlack}};
  Picture picture = whitePicture(4, 4);
  picture.moveTo(2, 2);
  picture.saveState();
  picture.state().rasterMode = raster_mode::kCopyPen;
  picture.moveTo(line[0].x, line[0].y);
  for (size_t i = 0; i + 1 < std::size(line); ++i) {
    if (line[i].colour < 0) {
      picture.moveTo(line[i + 1].x, line[i + 1].y);
      continue;
    }
    picture.state().penColour = line[i].colour;
    picture.state().penWidth = 1;
    picture.lineTo(line[i + 1].x, line[i + 1].y);
  }
  picture.restoreState();
  EXPECT_EQ(picture.state().penPosition, (PointI{2, 2}));
  EXPECT_EQ(asciiArt(picture, {{kBlack, '#'}, {kRed, 'r'}}), rows({
                                                                 "###r",
                                                                 "...r",
                                                                 "#..r",
                                                                 "#...",
                                                             }));
}

TEST(PictureLayers, ClearDrawingsReturnsToTheBaseOrTheBackground) {
  Picture picture = whitePicture(3, 2);
  horizontal(picture, 0);
  picture.commit();
  horizontal(picture, 1);
  picture.state().persistent = false;
  picture.setPixel(0, 0, kRed);
  picture.clearDrawings();
  EXPECT_FALSE(picture.hasTransientDrawing());
  EXPECT_EQ(asciiArt(picture), rows({"###", "..."}));

  picture.emptyBase();
  picture.clearDrawings();
  EXPECT_FALSE(picture.base().has_value());
  EXPECT_EQ(asciiArt(picture), rows({"...", "..."}));

  // A base of another size shows at the top left; the picture keeps its size.
  picture.setBase(RasterImage(2, 1, pixelFromColour(kBlack)));
  picture.clearDrawings();
  EXPECT_EQ(picture.width(), 3);
  EXPECT_EQ(asciiArt(picture), rows({"##.", "..."}));
}

TEST(PictureLayers, ResizeKeepsTopLeftAndLoadReplacesEverything) {
  Picture picture = whitePicture(3, 2);
  picture.setPixel(0, 0, kBlack);
  picture.setPixel(2, 1, kBlack);
  picture.commit();
  picture.setBackground(kRed);
  picture.resize(4, 3);
  EXPECT_EQ(asciiArt(picture.screen(), kWhite, {{kBlack, '#'}, {kRed, 'r'}}),
            rows({"#..r", "..#r", "rrrr"}));
  EXPECT_EQ(picture.base()->width(), 3);  // the base is kept as it was
  picture.resize(2, 1);
  EXPECT_EQ(asciiArt(picture.screen(), kWhite, {{kBlack, '#'}}), "#.");

  RasterImage loaded(5, 2, pixelFromColour(kBlack));
  picture.state().persistent = false;
  picture.setPixel(0, 0, kWhite);
  picture.load(loaded);
  EXPECT_FALSE(picture.hasTransientDrawing());
  EXPECT_EQ(picture.persistentRaster(), loaded);
}

TEST(PictureLayers, DrawingStatesStack) {
  Picture picture = whitePicture(2, 2);
  picture.state().penWidth = 3;
  picture.moveTo(1, 1);
  picture.saveState();
  picture.state().penWidth = 1;
  picture.state().clip = Region::rectangle(RectI{0, 0, 1, 1});
  picture.saveState();
  picture.state().rasterMode = raster_mode::kXorPen;
  picture.restoreState();
  EXPECT_EQ(picture.state().rasterMode, raster_mode::kCopyPen);
  EXPECT_TRUE(picture.state().clip.has_value());
  picture.restoreState();
  EXPECT_EQ(picture.state().penWidth, 3);
  EXPECT_FALSE(picture.state().clip.has_value());
  EXPECT_EQ(picture.state().penPosition, (PointI{1, 1}));
  picture.restoreState();  // nothing saved: no change
  EXPECT_EQ(picture.state().penWidth, 3);
}

TEST(PicturePixels, ReadAndWriteInsideOnly) {
  Picture picture = whitePicture(3, 2);
  EXPECT_EQ(picture.getPixel(-1, 0), kInvalidColour);
  EXPECT_EQ(picture.getPixel(3, 0), kInvalidColour);
  EXPECT_EQ(picture.getPixel(0, 2), kInvalidColour);
  EXPECT_NE(kInvalidColour, rgb(255, 255, 255));
  picture.setPixel(-1, 0, kBlack);
  picture.setPixel(0, 5, kBlack);
  picture.state().rasterMode = raster_mode::kXorPen;  // setPixel ignores the mode
  picture.setPixel(1, 1, 0x00123456);
  EXPECT_EQ(picture.getPixel(1, 1), 0x00123456);
  EXPECT_EQ(asciiArt(picture, {{0x00123456, 'x'}}), rows({"...", ".x."}));
}

TEST(PicturePixels, AnEmptyPictureIgnoresEveryDrawing) {
  Picture picture(0, -3, kWhite);
  EXPECT_EQ(picture.height(), 0);
  picture.moveTo(-1, -1);
  picture.lineTo(5, 5);
  picture.state().penWidth = 4;
  picture.lineTo(0, 0);
  picture.fillRect(RectI{-1, -1, 2, 2}, kBlack);
  picture.setPixel(0, 0, kBlack);
  picture.stretchFrom(RasterImage(2, 2), RectI{0, 0, 2, 2}, RectI{0, 0, 2, 2});
  EXPECT_EQ(picture.getPixel(0, 0), kInvalidColour);
  EXPECT_TRUE(picture.takeDirtyRect().empty());
}

TEST(PictureClip, LimitsPensBrushesAndPixelsButNotBlits) {
  Picture picture = whitePicture(6, 4);
  const std::array<PointI, 3> triangle{PointI{0, 0}, PointI{6, 0}, PointI{0, 4}};
  picture.state().clip = Region::polygon(triangle);
  picture.fillRect(RectI{-10, -10, 10, 10}, kBlack);
  EXPECT_EQ(asciiArt(picture), rows({
                                   "#####.",
                                   "####..",
                                   "##....",
                                   "#.....",
                               }));
  picture.setPixel(5, 3, kRed);
  picture.setPixel(0, 0, kRed);
  picture.moveTo(0, 3);
  picture.lineTo(6, 3);  // outside the clip: nothing
  picture.moveTo(5, 0);
  picture.lineTo(0, 0);  // only the part inside
  picture.stretchFrom(RasterImage(1, 1, pixelFromColour(kRed)), RectI{0, 0, 1, 1}, RectI{5, 3, 6, 4});
  EXPECT_EQ(asciiArt(picture, {{kBlack, '#'}, {kRed, 'r'}}), rows({
                                                                 "r####.",
                                                                 "####..",
                                                                 "##....",
                                                                 "#....r",
                                                             }));
  // An empty clip region lets nothing through.
  picture.state().clip = Region{};
  picture.fillRect(RectI{0, 0, 6, 4}, kWhite);
  picture.setPixel(5, 0, kRed);
  EXPECT_EQ(picture.getPixel(5, 0), kWhite);
  EXPECT_EQ(picture.getPixel(1, 1), kBlack);
}

TEST(PictureFill, RectanglesAreHalfOpenAndClippedToThePicture) {
  Picture picture = whitePicture(5, 3);
  picture.fillRect(RectI{1, 1, 3, 2}, kBlack);
  picture.fillRect(RectI{4, -5, 99, 99}, kRed);
  picture.fillRect(RectI{3, 0, 2, 3}, kBlack);  // inverted: empty
  EXPECT_EQ(asciiArt(picture, {{kBlack, '#'}, {kRed, 'r'}}), rows({
                                                                 "....r",
                                                                 ".##.r",
                                                                 "....r",
                                                             }));
}

TEST(PictureDirty, ReportsTheUnionOfChangesSinceTheLastCall) {
  Picture picture = whitePicture(20, 10);
  picture.takeDirtyRect();
  EXPECT_TRUE(picture.takeDirtyRect().empty());
  picture.setPixel(3, 4, kBlack);
  picture.moveTo(10, 2);
  picture.lineTo(15, 2);  // pixels 10..14
  EXPECT_EQ(picture.takeDirtyRect(), (RectI{3, 2, 15, 5}));
  EXPECT_TRUE(picture.takeDirtyRect().empty());

  picture.fillRect(RectI{18, 8, 30, 30}, kBlack);  // cut to the picture
  EXPECT_EQ(picture.takeDirtyRect(), (RectI{18, 8, 20, 10}));

  picture.moveTo(-50, -50);
  picture.lineTo(-40, -40);  // outside: nothing changes
  picture.state().penWidth = 3;
  picture.lineTo(-40, -40);
  EXPECT_TRUE(picture.takeDirtyRect().empty());

  // Refresh repaints what transient drawing touched.
  picture.state().persistent = false;
  picture.state().penWidth = 1;
  picture.moveTo(5, 7);
  picture.lineTo(8, 7);
  EXPECT_EQ(picture.takeDirtyRect(), (RectI{5, 7, 8, 8}));
  picture.refresh();
  EXPECT_EQ(picture.takeDirtyRect(), (RectI{5, 7, 8, 8}));
  picture.refresh();
  EXPECT_TRUE(picture.takeDirtyRect().empty());

  picture.clearDrawings();
  EXPECT_EQ(picture.takeDirtyRect(), (RectI{0, 0, 20, 10}));
}

}  // namespace
}  // namespace zefrin
