// The connection text of Manual mode: one 19-character record per drawn
// connection -- class (2), up end (2), down end (2), colour (10), width (3).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "generator/connection_sink.h"

namespace zefrin {

struct ManualRecord {
  int32_t connectionClass, Fup, Fdn, colour, width;
};

// round(length / 19) records; a short last record reads what it has, and an
// empty field reads 0.
std::vector<ManualRecord> readManualConnectionText(std::string_view text);

// Reads the records, clamps their ends to the sides they lie on and adds them.
void addManualConnections(ConnectionSink& store, std::string_view text, int32_t N, int32_t M);

}  // namespace zefrin
