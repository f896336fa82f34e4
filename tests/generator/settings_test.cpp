#include "generator/settings.h"

#include <gtest/gtest.h>

#include "session/application_state.h"
#include "support/test_services.h"

namespace zefrin {
namespace {

TEST(GenSet, StartsWithEveryDefault) {
  testing::TestServices services;
  ApplicationState state(services.services());
  const GenSet& g = state.genset;
  EXPECT_EQ(g.contup, 41);
  EXPECT_EQ(g.contleft, 12);
  EXPECT_EQ(g.numblines, 20);
  EXPECT_EQ(g.linewidth, 2);
  EXPECT_EQ(g.drawmode, 13);
  EXPECT_EQ(g.linelength, 50);
  EXPECT_EQ(g.backcolor, 0x800000);
  EXPECT_EQ(g.numcolors, 8);
  EXPECT_EQ(g.obvcolleft, 0x0000FF);
  EXPECT_EQ(g.obvcoldown, 0xFFFF00);
  EXPECT_EQ(g.logicalX, 8000);
  EXPECT_EQ(g.logicalY, 5000);
  EXPECT_EQ(g.funcs, 2);
  EXPECT_EQ(g.modeparam1, 55);
  EXPECT_EQ(g.shapes, 2);
  EXPECT_EQ(g.shpparam1, 20);
  EXPECT_EQ(g.shpparam2, 30);
  EXPECT_EQ(g.alpha, 180);
  EXPECT_EQ(g.prospect, 50);
  EXPECT_EQ(g.destort, 50);
  EXPECT_EQ(g.simpleborder, 0);
  EXPECT_FLOAT_EQ(g.segpause, 0.0f);
  EXPECT_TRUE(state.storedOutline.empty());
  EXPECT_EQ(state.storedoutlinesize.width, 0);
  EXPECT_EQ(state.generator.colorob().numberofcolors(), 8);
}

TEST(GenSet, SetDefaultsUndoesEveryChange) {
  testing::TestServices services;
  ApplicationState state(services.services());
  state.genset.contup = 7;
  state.genset.segpause = 2.5f;
  state.genset.simpleborder = -1;
  state.storedOutline = "00000000";
  state.storedoutlinesize = {10, 10};
  state.resetToDefaults();
  EXPECT_EQ(state.genset, GenSet{});
  EXPECT_TRUE(state.storedOutline.empty());
  EXPECT_EQ(state.storedoutlinesize.width, 0);
}

TEST(ClampGenParams, RaisesAndReplacesOutOfRangeValues) {
  GenSet g;
  g.contup = 1;
  g.contleft = -4;
  g.numblines = 0;
  g.orientxy = 5;
  g.povorxy = 0;
  g.destort = 101;
  g.prospect = -1;
  g.alpha = -999;  // passes unchanged
  GenParams p = clampGenParams(paramsFromGenset(g));
  EXPECT_EQ(p.contup, 2);
  EXPECT_EQ(p.contleft, 0);
  EXPECT_EQ(p.numblines, 1);
  EXPECT_EQ(p.orientxy, 0);
  EXPECT_EQ(p.povorxy, 1);
  EXPECT_EQ(p.destort, 50);
  EXPECT_EQ(p.prospect, 50);
  EXPECT_EQ(p.alpha, -999);
}

TEST(ClampGenParams, HugeContoursStopAtTheGeneratorsLimit) {
  GenSet g;
  g.contup = 2000000000;
  g.contleft = 2000000000;
  GenParams p = clampGenParams(paramsFromGenset(g));
  EXPECT_EQ(p.contup, kMaxContourColumns);
  EXPECT_EQ(p.contleft, kMaxContourColumns);
}

TEST(ClampGenParams, KeepsValuesInRange) {
  GenSet g;
  g.orientxy = 0;
  g.povorxy = 4;
  g.destort = 0;
  g.prospect = 100;
  GenParams p = clampGenParams(paramsFromGenset(g));
  EXPECT_EQ(p.orientxy, 0);
  EXPECT_EQ(p.povorxy, 4);
  EXPECT_EQ(p.destort, 0);
  EXPECT_EQ(p.prospect, 100);
  EXPECT_EQ(p.funcs, g.funcs);
  EXPECT_EQ(p.linelength, g.linelength);
}

TEST(FitToSelection, KeepsTheLineInsideTheSelection) {
  struct Case {
    int32_t linewidth, pen; bool ignore; SelectionArea sel;
    int32_t lx, ly, ox, oy;
  };
  const Case cases[] = {
      // 3 wide, pen 2: 3 - 0 - 2 = 1, raised to 2; offset one pixel in.
      {2, 2, false, {3, 40, 10, 20}, 2, 38, 11, 21},
      // pen 1: thin-pen correction, offsets equal the selection's.
      {1, 1, false, {100, 50, 5, 6}, 99, 49, 5, 6},
      // ignore flag: no half width, the correction still follows linewidth.
      {1, 9, true, {100, 50, 5, 6}, 99, 49, 5, 6},
      {2, 7, false, {100, 50, 0, 0}, 94, 44, 3, 3},
      {2, 2, false, {0, 0, 0, 0}, 2, 2, 1, 1},
  };
  for (const auto& c : cases) {
    GenSet g;
    g.linewidth = c.linewidth;
    fittoselection(g, c.sel, c.pen, c.ignore);
    EXPECT_EQ(g.logicalX, c.lx);
    EXPECT_EQ(g.logicalY, c.ly);
    EXPECT_EQ(g.offsetlogicalX, c.ox);
    EXPECT_EQ(g.offsetlogicalY, c.oy);
  }
}

TEST(ComplexBorderPenWidth, UsesTheBorderWidthOnceTheDialogSetIt) {
  GenSet g;
  g.linewidth = 3;
  g.outlinewidth = 7;
  EXPECT_EQ(complexBorderPenWidth(g), 3);
  g.outlinewidthset = 1;
  EXPECT_EQ(complexBorderPenWidth(g), 7);
}

}  // namespace
}  // namespace zefrin
