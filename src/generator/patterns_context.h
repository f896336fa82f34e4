// What every pattern works with: the densities, the two parameters, the
// colour set and the store the connections go to.
#pragma once

#include <cstdint>

#include "generator/colour_set.h"
#include "generator/connection_sink.h"
#include "generator/patterns.h"
#include "platform/colour.h"
#include "platform/numbers.h"

namespace zefrin::patterns {

class PatternContext {
 public:
  PatternContext(ConnectionSink& store, const PatternInputs& in, const colorcl& colours)
      : N(in.N), M(in.M), p1(in.p1), p2(in.p2), store_(store), colours_(colours) {}

  const int32_t N;
  const int32_t M;
  const int32_t p1;
  const int32_t p2;

  int32_t colourCount() const { return colours_.numberofcolors(); }
  // Colour k of the set, cycling: k mod nc.
  Colour col(int32_t k) const {
    const int32_t nc = colourCount();
    return nc > 0 ? colours_.coli(truncMod(k, nc)) : 0;
  }
  // Patterns never name a caller number or a pen width.
  void add(int32_t connectionClass, int32_t up, int32_t down, Colour colour) {
    store_.Add(connectionClass, up, down, 0, colour, 0);
  }

 private:
  ConnectionSink& store_;
  const colorcl& colours_;
};

// a / 2 rounded up for a >= 0: (a mod 2) + a \ 2.
inline int32_t ceil2(int32_t a) { return truncMod(a, 2) + truncDiv(a, 2); }

// The most connections Random adds: a run cannot hold more lines than this.
inline constexpr int32_t kMaxRandomConnections = 32767;

void randomPattern(PatternContext& p, RandomSource& random);
void horizontal(PatternContext& p);
void vertical(PatternContext& p);
void diagonal(PatternContext& p);
void eight(PatternContext& p);
void hyperbola1(PatternContext& p);
void hyperbola2(PatternContext& p);
void forages(PatternContext& p);
void corner(PatternContext& p);
void baloon(PatternContext& p);
void net(PatternContext& p);
void iks(PatternContext& p);
void propeller(PatternContext& p);
void screw(PatternContext& p);
void spider(PatternContext& p);
void buterfly(PatternContext& p);
void bouquet(PatternContext& p);
void bays(PatternContext& p);
void turn(PatternContext& p);
void labyrinth(PatternContext& p);
void crossing(PatternContext& p);
void waves1(PatternContext& p);
void waves2(PatternContext& p);
void chains(PatternContext& p);

}  // namespace zefrin::patterns
