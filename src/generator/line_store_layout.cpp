#include "generator/line_store_layout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zefrin {

namespace {

enum Side : int32_t { Up = 0, Down = 1, Right = 2, Left = 3 };

struct End {
  int32_t side;
  int32_t slot;
};

// The sides of the first (Fup) and second (Fdn) end of each class.
std::array<End, 2> endsOf(const Connection& k) {
  static constexpr std::array<std::array<int32_t, 2>, 9> kSides = {{
      {Up, Up},       // unused
      {Up, Left},     // 1
      {Down, Left},   // 2
      {Up, Right},    // 3
      {Down, Right},  // 4
      {Up, Up},       // 5
      {Down, Down},   // 6
      {Up, Down},     // 7
      {Right, Left},  // 8
  }};
  const auto& sides = kSides[static_cast<size_t>(k.connectionClass)];
  return {End{sides[0], k.Fup}, End{sides[1], k.Fdn}};
}

bool validClass(const Connection& k) { return k.connectionClass >= 1 && k.connectionClass <= 8; }

}  // namespace

void assignGroups(std::span<Connection> list, int32_t contup, int32_t contleft) {
  int32_t maxSlot = std::max({contup, contleft, 0});
  for (Connection& k : list) {
    k.group = 0;
    if (!validClass(k)) continue;
    maxSlot = std::max({maxSlot, k.Fup, k.Fdn});
  }
  const size_t slotsPerSide = static_cast<size_t>(maxSlot) + 1;
  auto key = [slotsPerSide](End end) {
    return static_cast<size_t>(end.side) * slotsPerSide + static_cast<size_t>(end.slot);
  };

  // The end table, packed: the connections (0-based) with an end at each
  // (side, slot) lie in ends[start[key] .. start[key + 1]).
  std::vector<int32_t> start(4 * slotsPerSide + 1, 0);
  for (const Connection& k : list) {
    if (!validClass(k)) continue;
    for (End end : endsOf(k)) {
      if (end.slot >= 0) ++start[key(end) + 1];
    }
  }
  for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
  std::vector<int32_t> ends(static_cast<size_t>(start.back()));
  std::vector<int32_t> fill(start.begin(), start.end() - 1);
  for (size_t n = 0; n < list.size(); ++n) {
    if (!validClass(list[n])) continue;
    for (End end : endsOf(list[n])) {
      if (end.slot >= 0) ends[static_cast<size_t>(fill[key(end)]++)] = static_cast<int32_t>(n);
    }
  }

  // Walk each group from its first slot. Every slot enters the work list
  // once, so it holds at most two entries per connection and grows as
  // needed: no group is too large.
  std::vector<char> visited(4 * slotsPerSide, 0);
  std::vector<int32_t> work;
  auto takeSlot = [&](size_t slot) {
    visited[slot] = 1;
    for (int32_t i = start[slot]; i < start[slot + 1]; ++i) work.push_back(ends[static_cast<size_t>(i)]);
  };
  int32_t group = 0;
  for (size_t slot = 0; slot < visited.size(); ++slot) {
    if (visited[slot] || start[slot] == start[slot + 1]) continue;
    ++group;
    work.clear();
    takeSlot(slot);
    for (size_t pos = 0; pos < work.size(); ++pos) {
      for (End end : endsOf(list[static_cast<size_t>(work[pos])])) {
        if (end.slot >= 0 && !visited[key(end)]) takeSlot(key(end));
      }
    }
    for (int32_t n : work) list[static_cast<size_t>(n)].group = group;
  }
}

void assignLevels(std::span<const Connection> list, LevelTable& table) {
  const int32_t count = table.count();
  std::vector<int32_t> passing;  // connections with a depth in the column
  std::vector<int32_t> sorted;
  std::vector<int32_t> perDepth;
  passing.reserve(static_cast<size_t>(count));
  sorted.reserve(static_cast<size_t>(count));
  for (int32_t c = 1; c <= table.contup(); ++c) {
    int32_t* column = table.column(c);
    if (column[0] == 0) continue;
    passing.clear();
    int32_t deepest = 0;
    for (int32_t n = 1; n <= count; ++n) {
      if (column[n] > 0) {
        passing.push_back(n);
        deepest = std::max(deepest, column[n]);
      }
    }
    // Counting sort by depth: stable, so list order stays among equal depths.
    perDepth.assign(static_cast<size_t>(deepest) + 2, 0);
    for (int32_t n : passing) ++perDepth[static_cast<size_t>(column[n]) + 1];
    for (size_t i = 1; i < perDepth.size(); ++i) perDepth[i] += perDepth[i - 1];
    sorted.resize(passing.size());
    for (int32_t n : passing) sorted[static_cast<size_t>(perDepth[static_cast<size_t>(column[n])]++)] = n;

    int32_t level = 0;
    int32_t previousGroup = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
      const int32_t n = sorted[i];
      const int32_t group = list[static_cast<size_t>(n) - 1].group;
      if (i == 0 || group != previousGroup) ++level;
      previousGroup = group;
      column[n] = level;
    }
    column[0] = level;
  }
}

}  // namespace zefrin
