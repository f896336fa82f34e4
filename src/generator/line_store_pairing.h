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
// columns 1..contup: depth(c, n) = 1 + the marks of every pair rule, 0 where
// n neither passes c nor is marked there; the entry of connection 0 is 1 for
// a column some connection passes, else 0.
//
// Every mark adds 1 over a column interval and marks add up, so each
// connection's row is gathered as a difference array over the pairs that can
// mark it and summed once: O(n^2 + n * contup) instead of O(n^2 * contup).
//
// Column ends (Fup of classes 1-7, Fdn of classes 5-7) must be at least 1;
// columns beyond contup are left out of the table. Raises Progress(j) after
// connection j, for j = 1..n-1, when `progress` is given.
void computeDepths(std::span<const Connection> list, int32_t contup, LevelTable& depths,
                   ProgressListener* progress = nullptr);

}  // namespace zefrin
