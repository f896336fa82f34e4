// "50 Variants": a library of small motifs repeated along the columns; p1
// picks the motif (1..55), anything else adds nothing.
#pragma once

#include <cstdint>

#include "generator/colour_set.h"
#include "generator/connection_sink.h"

namespace zefrin {

void fiftyVariants(ConnectionSink& store, int32_t N, int32_t M, int32_t p1, const colorcl& colours);

}  // namespace zefrin
