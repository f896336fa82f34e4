// The generation settings: every choice that shapes a generated picture, in
// one record filled with defaults at start-up and never saved. A run copies
// it before changing fields and copies it back when it ends (a plain value
// copy: GenSet snapshot = genset; ... genset = snapshot;).
#pragma once

#include <cstdint>

#include "platform/colour.h"

namespace zefrin {

struct GenSet {
  int32_t contup = 41;           // contour columns, at least 2
  int32_t contleft = 12;         // positions along the left and right sides
  int32_t numblines = 20;        // MultiOutline: nested outlines
  int32_t breakrun = 0;          // 1 asks the running generation to stop
  float segpause = 0;            // seconds after each drawn segment
  float linepause = 0;           // seconds after each drawn line
  int32_t linewidth = 2;         // pen width of the lines, at least 1
  int32_t drawmode = 13;         // raster mode 1..16, 13 = plain copy
  int32_t linelength = 50;       // pixels of one colour piece (multicolour lines)
  int32_t penstyle = 0;          // 0..6: solid, dash, dot, dash-dot, dash-dot-dot, null, inside-frame
  int32_t clearup = 1;           // clear the picture before each run
  int32_t chlinecol = 0;         // 1: colours change along each line
  int32_t gradpick = 1;          // Colours dialog: which gradient end is set next
  int32_t linecolorfunc = 0;     // multicolour variant 0..3
  Colour backcolor = 0x800000;   // background of new image windows
  int32_t addmode = 1;           // Colours dialog: a click adds (1) or removes (0)
  int32_t gradstyle = 0;         // Colours dialog: gradient style position
  int32_t numcolors = 8;         // size of the colour set as the Colours dialog left it
  Colour obvcolleft = 0x0000FF;  // outline colour of the left side
  Colour obvcolright = 0x00FF00;
  Colour obvcolup = 0x00FFFF;
  Colour obvcoldown = 0xFFFF00;
  int32_t outlinewidth = 2;      // pen width typed for the border
  int32_t outlinewidthset = 0;   // 1 once the Pattern dialog's OK has run
  int32_t outline = 0;           // the "Border" checkbox
  int32_t chekoutll = 1;         // sides of an outline that are drawn
  int32_t chekoutlr = 1;
  int32_t chekoutlu = 1;
  int32_t chekoutld = 1;
  int32_t outlinepercent = 20;   // MultiOutline: size of the innermost outline, %
  int32_t obvgradien = 1;        // MultiOutline: 1 colour set, 0 the side colours
  int32_t outlproportion = 1;    // MultiOutline: equal shrink steps
  int32_t outldirection = 0;     // MultiOutline: 1 draws innermost first
  int32_t imagewidth = 400;
  int32_t imageheight = 300;
  int32_t logicalX = 8000;       // the area that receives the pattern
  int32_t logicalY = 5000;
  int32_t offsetlogicalX = 0;
  int32_t offsetlogicalY = 0;
  int32_t destort = 50;          // distortion 0..100
  int32_t Operationmode = 0;     // 0 Automatic, 1 MultiOutline, 2 Manual, 3 Complex
  int32_t funcs = 2;             // pattern 0..25
  int32_t modeparam1 = 55;
  int32_t modeparam2 = 0;
  int32_t orientxy = 1;          // 1: columns run left to right, 0: top to bottom
  int32_t povorxy = 1;           // turn 1..4
  int32_t shapes = 2;            // first shape component and its parameters
  int32_t shapes1 = 0;           // second shape component and its parameters
  int32_t shpparam1 = 20;
  int32_t shpparam2 = 30;
  int32_t shpparam3 = 0;
  int32_t shpar1 = 0;
  int32_t shpar2 = 0;
  int32_t shpar3 = 0;
  int32_t alpha = 180;           // rotation of the lines in degrees, 180 = none
  int32_t prospect = 50;         // perspective 0..100
  int32_t drawlines = 1;         // draw the pattern lines at all
  int32_t drawborder = 0;        // draw the border after the lines
  int32_t borderwidth = 2;
  int16_t simpleborder = 0;      // non-zero: border drawn as one generated outline

  bool operator==(const GenSet&) const = default;
};

namespace operation_mode {
inline constexpr int32_t kAutomatic = 0;
inline constexpr int32_t kMultiOutline = 1;
inline constexpr int32_t kManual = 2;
inline constexpr int32_t kComplex = 3;
}  // namespace operation_mode

// The generator's clamped working copy of the settings.
struct GenParams {
  int32_t contup = 0, contleft = 0, numblines = 0;
  int32_t logicalX = 0, logicalY = 0, offsetlogicalX = 0, offsetlogicalY = 0;
  int32_t Operationmode = 0, funcs = 0, modeparam1 = 0, modeparam2 = 0;
  int32_t shapes = 0, shapes1 = 0;
  int32_t shpparam1 = 0, shpparam2 = 0, shpparam3 = 0;
  int32_t shpar1 = 0, shpar2 = 0, shpar3 = 0;
  int32_t orientxy = 0, povorxy = 0, alpha = 0, prospect = 0, destort = 0;
  int32_t outlinepercent = 0, outlproportion = 0;
  Colour obvcolleft = 0, obvcolright = 0, obvcolup = 0, obvcoldown = 0;
  int32_t chekoutll = 0, chekoutlr = 0, chekoutlu = 0, chekoutld = 0;
  int32_t obvgradien = 0, chlinecol = 0, linelength = 0, linecolorfunc = 0;

  bool operator==(const GenParams&) const = default;
};

// Every default of the record. The stored outline that goes with it is reset
// by the application state (see session/application_state.h).
void setdefaults(GenSet& genset);

// The values decodestr receives, field for field from genset, unclamped.
GenParams paramsFromGenset(const GenSet& genset);

// The most contour columns and side positions a run works with. A route
// runs through every column and an outline round all of them twice, and both
// must fit one line of 20,001 points; more would also make the layout tables
// and the patterns' loops grow without bound.
inline constexpr int32_t kMaxContourColumns = 10000;

// decodestr's clamping: contup 2..kMaxContourColumns, contleft
// 0..kMaxContourColumns, numblines >= 1, orientxy 0..1 (else 0), povorxy 1..4
// (else 1), destort and prospect 0..100 (else 50). Everything else passes
// unchanged.
GenParams clampGenParams(GenParams params);

// The selection of an image window, as fittoselection reads it.
struct SelectionArea {
  int32_t selogicalx = 0;    // width
  int32_t selogicaly = 0;    // height
  int32_t ofselogicalx = 0;  // left
  int32_t ofselogicaly = 0;  // top
};

// Fits the pattern area (logicalX/Y, offsetlogicalX/Y) into a selection so a
// pen of penWidth drawn along the area's edge stays inside it.
void fittoselection(GenSet& genset, const SelectionArea& selection, int32_t penWidth,
                    bool ignoreWidth);

// The pen width the complex fills use for the border.
int32_t complexBorderPenWidth(const GenSet& genset);

}  // namespace zefrin
