// The layout steps around the pairing: connected groups (connections that
// share an end slot, directly or through others) and the levels of every
// column from the depths.
#pragma once

#include <cstdint>
#include <span>

#include "generator/line_store_connection.h"
#include "generator/line_store_table.h"

namespace zefrin {

// Numbers the groups 1, 2, ... by scanning the sides up, down, right, left
// and their slots 0..max(contup, contleft) (wider when an end lies beyond).
void assignGroups(std::span<Connection> list, int32_t contup, int32_t contleft);

// Turns depths into levels for every column in use (entry 0 non-zero): the
// connections with a depth there, ordered by depth (list order among equal
// depths), level 1 for the first, then one more whenever the group changes.
// The column's entry 0 becomes its number of levels.
void assignLevels(std::span<const Connection> list, LevelTable& table);

}  // namespace zefrin
