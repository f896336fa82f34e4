#include "generator/patterns.h"

#include "generator/fifty_variants.h"
#include "generator/manual_connection_text.h"
#include "generator/patterns_context.h"

namespace zefrin {

const std::array<std::string_view, 26>& patternNames() {
  static constexpr std::array<std::string_view, 26> kNames = {
      "Random",    "Null",    "Horizontal", "Vertical",   "Diagonal", "Eight",    "Hyperbola1",
      "Hyperbola2", "Forages", "Corner",     "Baloon",     "Net",      "Iks",      "Propeller",
      "Screw",     "Spider",  "Buterfly",   "Bouquet",    "Bays",     "Turn",     "Labyrinth",
      "Crossing",  "Waves1",  "Waves2",     "Chains",     "50 Variants"};
  return kNames;
}

void runPattern(ConnectionSink& store, const PatternInputs& in, const colorcl& colours,
                RandomSource& random, std::string_view manualText) {
  if (in.pattern < 0) {
    addManualConnections(store, manualText, in.N, in.M);
    return;
  }
  // The generator always passes at least 2 columns; with fewer, several
  // patterns would put arcs and ends outside the columns.
  if (in.N < 2) return;
  if (in.pattern == 25) {
    fiftyVariants(store, in.N, in.M, in.p1, colours);
    return;
  }
  using namespace patterns;
  PatternContext p(store, in, colours);
  switch (in.pattern) {
    case 0: randomPattern(p, random); break;
    case 1: break;  // Null
    case 2: horizontal(p); break;
    case 3: vertical(p); break;
    case 4: diagonal(p); break;
    case 5: eight(p); break;
    case 6: hyperbola1(p); break;
    case 7: hyperbola2(p); break;
    case 8: forages(p); break;
    case 9: corner(p); break;
    case 10: baloon(p); break;
    case 11: net(p); break;
    case 12: iks(p); break;
    case 13: propeller(p); break;
    case 14: screw(p); break;
    case 15: spider(p); break;
    case 16: buterfly(p); break;
    case 17: bouquet(p); break;
    case 18: bays(p); break;
    case 19: turn(p); break;
    case 20: labyrinth(p); break;
    case 21: crossing(p); break;
    case 22: waves1(p); break;
    case 23: waves2(p); break;
    case 24: chains(p); break;
    default: break;  // above 25: nothing
  }
}

}  // namespace zefrin
