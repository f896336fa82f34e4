#include "generator/settings.h"

#include <algorithm>

namespace zefrin {

void setdefaults(GenSet& genset) { genset = GenSet{}; }

GenParams paramsFromGenset(const GenSet& g) {
  GenParams p;
  p.contup = g.contup;
  p.contleft = g.contleft;
  p.numblines = g.numblines;
  p.logicalX = g.logicalX;
  p.logicalY = g.logicalY;
  p.offsetlogicalX = g.offsetlogicalX;
  p.offsetlogicalY = g.offsetlogicalY;
  p.Operationmode = g.Operationmode;
  p.funcs = g.funcs;
  p.modeparam1 = g.modeparam1;
  p.modeparam2 = g.modeparam2;
  p.shapes = g.shapes;
  p.shapes1 = g.shapes1;
  p.shpparam1 = g.shpparam1;
  p.shpparam2 = g.shpparam2;
  p.shpparam3 = g.shpparam3;
  p.shpar1 = g.shpar1;
  p.shpar2 = g.shpar2;
  p.shpar3 = g.shpar3;
  p.orientxy = g.orientxy;
  p.povorxy = g.povorxy;
  p.alpha = g.alpha;
  p.prospect = g.prospect;
  p.destort = g.destort;
  p.outlinepercent = g.outlinepercent;
  p.outlproportion = g.outlproportion;
  p.obvcolleft = g.obvcolleft;
  p.obvcolright = g.obvcolright;
  p.obvcolup = g.obvcolup;
  p.obvcoldown = g.obvcoldown;
  p.chekoutll = g.chekoutll;
  p.chekoutlr = g.chekoutlr;
  p.chekoutlu = g.chekoutlu;
  p.chekoutld = g.chekoutld;
  p.obvgradien = g.obvgradien;
  p.chlinecol = g.chlinecol;
  p.linelength = g.linelength;
  p.linecolorfunc = g.linecolorfunc;
  return p;
}

GenParams clampGenParams(GenParams p) {
  p.contup = std::clamp(p.contup, 2, kMaxContourColumns);
  p.contleft = std::clamp(p.contleft, 0, kMaxContourColumns);
  if (p.numblines <= 0) p.numblines = 1;
  if (p.orientxy < 0 || p.orientxy > 1) p.orientxy = 0;
  if (p.povorxy < 1 || p.povorxy > 4) p.povorxy = 1;
  if (p.destort < 0 || p.destort > 100) p.destort = 50;
  if (p.prospect < 0 || p.prospect > 100) p.prospect = 50;
  return p;
}

void fittoselection(GenSet& genset, const SelectionArea& selection, int32_t penWidth,
                    bool ignoreWidth) {
  const int64_t halfWidth = ignoreWidth ? 0 : penWidth / 2;
  const int64_t thinPen = genset.linewidth == 1 ? 1 : 0;
  // 64-bit while computing, so absurd pen widths cannot wrap around.
  auto fit = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, 2, INT32_MAX)); };
  auto offset = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  genset.logicalX = fit(int64_t{selection.selogicalx} - thinPen - 2 * halfWidth);
  genset.logicalY = fit(int64_t{selection.selogicaly} - thinPen - 2 * halfWidth);
  genset.offsetlogicalX = offset(int64_t{selection.ofselogicalx} + halfWidth);
  genset.offsetlogicalY = offset(int64_t{selection.ofselogicaly} + halfWidth);
}

int32_t complexBorderPenWidth(const GenSet& genset) {
  return genset.outlinewidthset == 1 ? genset.outlinewidth : genset.linewidth;
}

}  // namespace zefrin
