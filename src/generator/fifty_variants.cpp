#include "generator/fifty_variants.h"

#include "generator/fifty_variants_table.h"
#include "platform/colour.h"
#include "platform/numbers.h"

namespace zefrin {

void fiftyVariants(ConnectionSink& store, int32_t N, int32_t M, int32_t p1, const colorcl& colours) {
  const auto& motifs = fiftyVariantMotifs();
  if (p1 < 1 || p1 > static_cast<int32_t>(motifs.size())) return;
  const Motif& motif = motifs[static_cast<size_t>(p1 - 1)];

  const int32_t nc = colours.numberofcolors();
  auto col = [&](int32_t k) { return nc > 0 ? colours.coli(truncMod(k, nc)) : Colour{0}; };

  // A whole number of repetitions, so no motif reaches past column N.
  const int32_t repetitions = truncDiv(N - motif.offset, motif.period);
  int32_t counter = 0;
  for (int32_t i = 0; i < repetitions; ++i) {
    const int32_t g = motif.period * i;
    const bool odd = i % 2 == 1;
    for (const MotifConnection& c : motif.connections) {
      const bool swap = c.mirroredOnOdd && odd;
      const int32_t up = g + (swap ? c.down : c.up);
      const int32_t down = g + (swap ? c.up : c.down);
      const Colour colour = motif.runningColour ? col(counter) : col(c.colour);
      store.Add(c.connectionClass, up, down, 0, colour, 0);
      ++counter;
    }
  }
  for (const MotifSideLine& line : motif.sideLines) {
    if (M < line.minimumSlots) continue;
    store.Add(8, line.slot, line.slot, 0, col(line.colour), 0);
  }
}

}  // namespace zefrin
