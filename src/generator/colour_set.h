// The colour set: the ordered list of colours generated lines take their
// colours from. Starts as the 8-colour set.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace zefrin {

class RandomSource;

class colorcl {
 public:
  // Highest index a gradient may write.
  static constexpr int32_t kGradientLimit = 5000;

  colorcl();

  // n + 1 random colours, each channel round(255 * u) drawn red, green, blue.
  void redimcolors(int32_t n, RandomSource& random);
  void redimcolor1(Colour coll);
  void redimcolor8();
  void redimcolor16();
  void redimcolor35();
  // addel true: insert rab at index (0-based); false: remove the colour at
  // index. An index outside the set is ignored (an insert may append).
  void adddelcolors(Colour rab, int32_t index, bool addel);
  // Gradient from lbl13 to lbl14 in style flag 0..5 over positions
  // Fcolor..scolor, counted from 1.
  void colorgrad(Colour lbl13, Colour lbl14, int32_t flag, int32_t Fcolor, int32_t scolor);

  // Colour i; 0 (black) outside the set.
  Colour coli(int32_t i) const;
  int32_t numberofcolors() const { return static_cast<int32_t>(colours_.size()); }
  const std::vector<Colour>& colours() const { return colours_; }

 private:
  std::vector<Colour> colours_;
};

}  // namespace zefrin
