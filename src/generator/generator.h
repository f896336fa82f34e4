// The generator: turns the clamped settings into the lines of a run, one
// line at a time, as coloured points. It owns the shape's border model, the
// line store and the colour set.
//
// A run is prepared by decodestr; the caller then asks amountoflines and
// builds lines 1..count with linebuilding, reading each line's points before
// building the next (the line buffer holds one line only).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "generator/colour_set.h"
#include "generator/line_builder.h"
#include "generator/line_store.h"
#include "generator/route.h"
#include "generator/settings.h"
#include "platform/seams/engine_services.h"
#include "shapes/border_contour.h"
#include "shapes/contour_rails.h"
#include "shapes/freeform_border.h"

namespace zefrin {

class igen {
 public:
  static constexpr int32_t kMaxLines = 32767;  // lines of one run

  explicit igen(const EngineServices& services);

  // Stores the clamped settings and prepares the run. manualText is the
  // Manual mode's connection text (empty otherwise); sborder the free-form
  // border text of the run (empty: the built-in shapes).
  void decodestr(const GenParams& params, std::string_view manualText, std::string_view sborder);

  int16_t amountoflines() const { return static_cast<int16_t>(lineCount_); }
  // Builds line i (1-based) into the line buffer.
  void linebuilding(int32_t i);
  // Index of the current line's last point (-1 before any line was built).
  int16_t linelength() const { return static_cast<int16_t>(builder_.lastPoint()); }
  int32_t resultX(int32_t i) const { return builder_.pointAt(i).x; }
  int32_t resultY(int32_t i) const { return builder_.pointAt(i).y; }
  int32_t resultColor(int32_t i) const { return builder_.pointAt(i).colour; }
  int32_t resultWidth() const { return lineWidth_; }
  // Points 0..linelength of the current line.
  std::span<const LinePoint> line() const { return builder_.line(); }
  // True when the current line needed more points than the buffer holds and
  // was cut at the limit.
  bool lineWasCut() const { return builder_.wasCut(); }
  // True when the run had more connections than kMaxLines; only the first
  // kMaxLines are drawn.
  bool runWasCut() const { return runCut_; }

  colorcl& colorob() { return colours_; }
  const colorcl& colorob() const { return colours_; }
  const GenParams& genparams() const { return params_; }
  const ClGeneral& lineStore() const { return store_; }
  const ContourRails& contourRails() const { return rails_; }
  const bordercl& border() const { return border_; }

 private:
  EngineServices services_;
  GenParams params_{};
  bordercl border_;
  FreeformBorder freeform_;
  ClGeneral store_;
  colorcl colours_;
  ContourRails rails_;
  Route route_;

  bool manualBorder_ = false;
  int32_t lineCount_ = 0;
  bool runCut_ = false;
  std::vector<int32_t> lineOrder_;  // 1-based; entry 0 unused
  LineBuilder builder_;
  int32_t lineWidth_ = 0;
};

}  // namespace zefrin
