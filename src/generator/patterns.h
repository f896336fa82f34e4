// The pattern dispatcher: fills the line store with the connections of the
// chosen pattern, or with the connections drawn by hand in Manual mode.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "generator/colour_set.h"
#include "generator/connection_sink.h"
#include "platform/seams/random_source.h"

namespace zefrin {

struct PatternInputs {
  int32_t N;        // columns (contup): up/down positions run 1..N
  int32_t M;        // side slots (contleft): right/left positions run 1..M
  int32_t p1;       // modeparam1
  int32_t p2;       // modeparam2
  int32_t pattern;  // funcs, or -1 in Manual mode
};

// pattern < 0 reads the manual connection text; 0..24 are the patterns; 25 is
// the fifty variants; anything above adds nothing.
void runPattern(ConnectionSink& store, const PatternInputs& in, const colorcl& colours,
                RandomSource& random, std::string_view manualText);

// The names as the Pattern dialog lists them; the index is funcs.
const std::array<std::string_view, 26>& patternNames();

}  // namespace zefrin
