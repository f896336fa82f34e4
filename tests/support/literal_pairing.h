// The plain layout of the line store, step by step and column by column:
// presence and the pair rules marking every column of every interval in a
// loop, and the levels by an exchange sort. Slow (O(n^2 * contup) and
// O(n^2) per column), and there so the fast layout can be checked against it.
#pragma once

#include <cstdint>
#include <span>

#include "generator/line_store_connection.h"
#include "generator/line_store_table.h"

namespace zefrin::testing {

// Depths of the connections of `list` (connection n is list[n - 1]) over
// columns 1..contup, with the column's entry 1 when some connection passes it.
LevelTable literalDepths(std::span<const Connection> list, int32_t contup);

// Levels from depths, using the groups of `list`.
void literalLevels(std::span<const Connection> list, LevelTable& table);

}  // namespace zefrin::testing
