// The heart of the layout: for every connection and column, how deep the
// connection lies there, from presence and the pair rules (which of two
// connections lies further from the up side, and over which columns).
#pragma once

#include <cstdint>
#include <span>

#include "generator/line_store_connection.h"
#include "generator/line_store_table.h"

namespace zefrin {

class ProgressListener;

// Fills `depths` for the connections of `list` (connection n is list[n - 1];
// the list order decides the ties that the rules break by order) over
// columns 1..contup: depth(c, n) is 1 where n passes c, plus every mark the
// pair rules give n there; the entry of connection 0 is 1 for a column some
// connection passes, else 0.
//
// Every mark adds 1 over a column interval and marks add up, so the marks a
// connection receives from a whole class are that class's coverage profile
// read through a window of the connection's own: the depths come out in
// O(n * contup) plus the class-7 pairs, instead of O(n^2 * contup), and equal
// those of marking pair by pair.
//
// Column ends (Fup of classes 1-7, Fdn of classes 5-7) are at least 1 and
// classes 5 and 6 have Fup <= Fdn, as the store keeps them; marks beyond
// contup are left out of the table. Raises Progress(j) as the j-th
// connection is done, for j = 1..n-1, when `progress` is given.
void computeDepths(std::span<const Connection> list, int32_t contup, LevelTable& depths,
                   ProgressListener* progress = nullptr);

}  // namespace zefrin
