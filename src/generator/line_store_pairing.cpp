#include "generator/line_store_pairing.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/seams/progress_listener.h"

namespace zefrin {

namespace {

// The connections of one class, field by field, for tight loops.
struct Members {
  std::vector<int32_t> index;  // position in the list, 1-based
  std::vector<int32_t> u;
  std::vector<int32_t> d;
  std::vector<int32_t> lo;  // min(u, d)
  std::vector<int32_t> hi;  // max(u, d)
  size_t size() const { return index.size(); }
  void push(int32_t n, int32_t first, int32_t second) {
    index.push_back(n);
    u.push_back(first);
    d.push_back(second);
    lo.push_back(std::min(first, second));
    hi.push_back(std::max(first, second));
  }
};

// The columns a connection passes, [first, second]; empty when first > second.
struct Interval {
  int32_t first = 1;
  int32_t second = 0;
};

Interval passedColumns(const Connection& k, int32_t N) {
  switch (k.connectionClass) {
    case 1: case 2: return {1, k.Fup};
    case 3: case 4: return {k.Fup, N};
    case 5: case 6: return {k.Fup, k.Fdn};
    case 7:
      if (k.Fup == k.Fdn) return {};
      return {std::min(k.Fup, k.Fdn), std::max(k.Fup, k.Fdn)};
    case 8: return {1, N};
    default: return {};
  }
}

// One connection's depth row as a difference array: a mark over [a, b] is
// +1 at a and -1 at b + 1; summing the row gives the depths.
struct Row {
  int32_t* v;
  void mark(int32_t a, int32_t b) {
    if (a <= b) {
      ++v[a];
      --v[b + 1];
    }
  }
  void markTimes(int32_t a, int32_t b, int32_t times) {
    if (a <= b) {
      v[a] += times;
      v[b + 1] -= times;
    }
  }
  void addAt(int32_t c) { mark(c, c); }
};

// Gathers the marks a connection receives. For two connections of
// different classes the rules only ever mark one of the two classes, so each
// such pair is looked at once, from the side it marks; pairs of one class are
// looked at from both sides.
class DepthGatherer {
 public:
  DepthGatherer(std::span<const Connection> list, int32_t contup) : list_(list), N_(contup) {
    int32_t maxColumn = std::max(contup, 0);
    for (size_t i = 0; i < list.size(); ++i) {
      const Connection& k = list[i];
      const auto n = static_cast<int32_t>(i + 1);
      switch (k.connectionClass) {
        case 1: case 2: case 3: case 4:
          members_[k.connectionClass].push(n, k.Fup, k.Fdn);
          maxColumn = std::max(maxColumn, k.Fup);
          break;
        case 5: case 6:
          members_[k.connectionClass].push(n, k.Fup, k.Fdn);
          maxColumn = std::max({maxColumn, k.Fup, k.Fdn});
          break;
        case 7:
          // A vertical one passes no column and marks nothing.
          if (k.Fup != k.Fdn) members_[7].push(n, k.Fup, k.Fdn);
          maxColumn = std::max({maxColumn, k.Fup, k.Fdn});
          break;
        case 8:
          members_[8].push(n, k.Fup, k.Fdn);
          break;
        default:
          break;
      }
    }
    // Marks may reach a column beyond contup when the ends are: the row is
    // wide enough for them, and only columns up to contup are kept.
    row_.assign(static_cast<size_t>(maxColumn) + 2, 0);
    buildClass8Marks();
  }

  // The depth row of connection n (1-based), as a difference array.
  int32_t* gather(int32_t n) {
    const Connection& e = list_[static_cast<size_t>(n) - 1];
    Row row{row_.data()};
    const Interval passed = passedColumns(e, N_);
    row.mark(passed.first, passed.second);
    const int32_t eu = e.Fup;
    const int32_t ed = e.Fdn;
    switch (e.connectionClass) {
      case 1: gatherClass1(row, n, eu); break;
      case 2: gatherClass2(row, n, eu); break;
      case 3: gatherClass3(row, n, eu); break;
      case 4: gatherClass4(row, n, eu); break;
      case 5: gatherClass5(row, n, eu, ed); break;
      case 6: gatherClass6(row, n, eu, ed); break;
      case 7: if (eu != ed) gatherClass7(row, eu, ed); break;
      case 8: gatherClass8(row, n, eu); break;
      default: break;
    }
    return row_.data();
  }

  size_t rowSize() const { return row_.size(); }

 private:
  void gatherClass1(Row row, int32_t n, int32_t eu) {
    // 1 and 1: the larger u (the later one when equal) over [1, smaller u].
    const Members& ones = members_[1];
    int32_t starts = 0;
    for (size_t i = 0; i < ones.size(); ++i) {
      const int32_t fu = ones.u[i];
      if (fu < eu || (fu == eu && ones.index[i] < n)) {
        ++starts;
        --row.v[fu + 1];
      }
    }
    row.v[1] += starts;
    // 1 and 5: the class-1 one over [5u, min(5d, 1u)].
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) row.mark(fives.u[i], std::min(fives.d[i], eu));
  }

  void gatherClass2(Row row, int32_t n, int32_t eu) {
    // 1 and 2: the class-2 one over [1, min of the two u].
    const Members& ones = members_[1];
    for (size_t i = 0; i < ones.size(); ++i) --row.v[std::min(ones.u[i], eu) + 1];
    row.v[1] += static_cast<int32_t>(ones.size());
    // 2 and 2: the smaller u (the earlier one when equal) over [1, its u].
    const Members& twos = members_[2];
    int32_t below = 0;
    for (size_t i = 0; i < twos.size(); ++i) {
      const int32_t fu = twos.u[i];
      below += (fu > eu || (fu == eu && n < twos.index[i])) ? 1 : 0;
    }
    row.markTimes(1, eu, below);
    // 2 and 3: the class-2 one over [3u, 2u].
    const Members& threes = members_[3];
    for (size_t i = 0; i < threes.size(); ++i) row.mark(threes.u[i], eu);
    // 2 and 5: if 5u < 2u, the class-2 one over [5u, min(5d, 2u)].
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) {
      if (fives.u[i] < eu) row.mark(fives.u[i], std::min(fives.d[i], eu));
    }
    // 2 and 7: the class-2 one over [lo, min(hi, 2u)].
    const Members& sevens = members_[7];
    for (size_t i = 0; i < sevens.size(); ++i) row.mark(sevens.lo[i], std::min(sevens.hi[i], eu));
    // 2 and 8: the class-2 one over [1, its u].
    row.markTimes(1, eu, static_cast<int32_t>(members_[8].size()));
  }

  void gatherClass3(Row row, int32_t n, int32_t eu) {
    // 1 and 3: the class-3 one over [its u, 1u].
    const Members& ones = members_[1];
    for (size_t i = 0; i < ones.size(); ++i) row.mark(eu, ones.u[i]);
    // 3 and 3: the smaller u (the earlier one when equal) over [larger u, N].
    const Members& threes = members_[3];
    for (size_t i = 0; i < threes.size(); ++i) {
      const int32_t fu = threes.u[i];
      if (eu < fu || (eu == fu && n < threes.index[i])) row.mark(fu, N_);
    }
    // 3 and 5: if 5d >= 3u, the class-3 one over [max of the two u, 5d].
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) {
      if (fives.d[i] >= eu) row.mark(std::max(eu, fives.u[i]), fives.d[i]);
    }
  }

  void gatherClass4(Row row, int32_t n, int32_t eu) {
    // 1 and 4, 2 and 4: the class-4 one over [its u, the other u].
    const Members& ones = members_[1];
    for (size_t i = 0; i < ones.size(); ++i) row.mark(eu, ones.u[i]);
    const Members& twos = members_[2];
    for (size_t i = 0; i < twos.size(); ++i) row.mark(eu, twos.u[i]);
    // 3 and 4: the class-4 one over [max of the two u, N].
    const Members& threes = members_[3];
    for (size_t i = 0; i < threes.size(); ++i) row.mark(std::max(eu, threes.u[i]), N_);
    // 4 and 4: the larger u (the later one when equal) over [larger u, N].
    const Members& fours = members_[4];
    int32_t below = 0;
    for (size_t i = 0; i < fours.size(); ++i) {
      const int32_t fu = fours.u[i];
      below += (fu < eu || (fu == eu && fours.index[i] < n)) ? 1 : 0;
    }
    row.markTimes(eu, N_, below);
    // 4 and 5: if 5d >= 4u, the class-4 one over [max of the two u, 5d].
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) {
      if (fives.d[i] >= eu) row.mark(std::max(eu, fives.u[i]), fives.d[i]);
    }
    // 4 and 7: the class-4 one over [max(lo, 4u), hi].
    const Members& sevens = members_[7];
    for (size_t i = 0; i < sevens.size(); ++i) row.mark(std::max(sevens.lo[i], eu), sevens.hi[i]);
    // 4 and 8: the class-4 one over [its u, N].
    row.markTimes(eu, N_, static_cast<int32_t>(members_[8].size()));
  }

  void gatherClass5(Row row, int32_t n, int32_t eu, int32_t ed) {
    // 5 and 5: the larger d (the later one when equal) over the overlap.
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) {
      const int32_t fd = fives.d[i];
      if (ed > fd || (ed == fd && fives.index[i] < n)) row.mark(std::max(eu, fives.u[i]), std::min(ed, fd));
    }
  }

  void gatherClass6(Row row, int32_t n, int32_t eu, int32_t ed) {
    // 1 and 6: the class-6 one over [its u, min(its d, 1u)].
    const Members& ones = members_[1];
    for (size_t i = 0; i < ones.size(); ++i) row.mark(eu, std::min(ed, ones.u[i]));
    // 2 and 6: if 6u < 2u, the class-6 one over [its u, min(its d, 2u)].
    const Members& twos = members_[2];
    for (size_t i = 0; i < twos.size(); ++i) {
      if (eu < twos.u[i]) row.mark(eu, std::min(ed, twos.u[i]));
    }
    // 3 and 6, 4 and 6: if 6d >= the other u, the class-6 one over
    // [max of the two u, 6d].
    for (int32_t cls : {3, 4}) {
      const Members& side = members_[cls];
      for (size_t i = 0; i < side.size(); ++i) {
        if (ed >= side.u[i]) row.mark(std::max(eu, side.u[i]), ed);
      }
    }
    // 5 and 6: the class-6 one over the overlap.
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) row.mark(std::max(eu, fives.u[i]), std::min(ed, fives.d[i]));
    // 6 and 6: the smaller d (the earlier one when equal) over the overlap.
    const Members& sixes = members_[6];
    for (size_t i = 0; i < sixes.size(); ++i) {
      const int32_t fd = sixes.d[i];
      if (ed < fd || (ed == fd && n < sixes.index[i])) row.mark(std::max(eu, sixes.u[i]), std::min(ed, fd));
    }
    // 6 and 7: the class-6 one over the overlap with [lo, hi].
    const Members& sevens = members_[7];
    for (size_t i = 0; i < sevens.size(); ++i) row.mark(std::max(eu, sevens.lo[i]), std::min(ed, sevens.hi[i]));
    // 6 and 8: the class-6 one over [its u, its d].
    row.markTimes(eu, ed, static_cast<int32_t>(members_[8].size()));
  }

  void gatherClass7(Row row, int32_t eu, int32_t ed) {
    const int32_t lo = std::min(eu, ed);
    const int32_t hi = std::max(eu, ed);
    // 1 and 7: the class-7 one over [lo, min(hi, 1u)].
    const Members& ones = members_[1];
    for (size_t i = 0; i < ones.size(); ++i) row.mark(lo, std::min(hi, ones.u[i]));
    // 3 and 7: the class-7 one over [max(lo, 3u), hi].
    const Members& threes = members_[3];
    for (size_t i = 0; i < threes.size(); ++i) row.mark(std::max(lo, threes.u[i]), hi);
    // 5 and 7: the class-7 one over the overlap with [5u, 5d].
    const Members& fives = members_[5];
    for (size_t i = 0; i < fives.size(); ++i) row.mark(std::max(lo, fives.u[i]), std::min(hi, fives.d[i]));
    // 7 and 7.
    const Members& sevens = members_[7];
    for (size_t i = 0; i < sevens.size(); ++i) markBetweenSevens(row, eu, ed, sevens.u[i], sevens.d[i]);
  }

  // Class 7 with class 7, seen from E (ends eu, ed): A is the one with the
  // smaller u, B the other; only the marks that fall on E are applied.
  static void markBetweenSevens(Row row, int32_t eu, int32_t ed, int32_t fu, int32_t fd) {
    if (eu == fu || ed == fd) return;  // also skips E itself
    const bool eIsA = eu < fu;
    const int32_t au = eIsA ? eu : fu;
    const int32_t ad = eIsA ? ed : fd;
    const int32_t bu = eIsA ? fu : eu;
    const int32_t bd = eIsA ? fd : ed;
    if (ad < au) {  // A runs down to the left
      if (ad < bd) {
        if (!eIsA) row.mark(bd, au);
      } else if (eIsA) {
        row.mark(ad, au - 1);
      } else {
        row.addAt(au);
      }
    } else {  // A runs down to the right
      if (ad < bd) {
        if (eIsA) row.mark(bu, ad);
      } else if (bu < bd) {
        if (eIsA) {
          row.mark(bu, bd - 1);
        } else {
          row.addAt(bd);
        }
      } else {
        const int32_t c = std::max(au, bd);
        if (eIsA) {
          row.mark(c + 1, std::min(ad, bu));
        } else {
          row.addAt(c);
        }
      }
    }
  }

  void gatherClass8(Row row, int32_t n, int32_t eu) {
    // 1, 3, 5 and 7 with 8 mark the class-8 one over intervals that do not
    // depend on it: gathered once for all of them.
    for (size_t c = 0; c < class8Marks_.size(); ++c) row.v[c] += class8Marks_[c];
    // 8 and 8: the larger u (the later one when equal) over [1, N].
    const Members& eights = members_[8];
    int32_t below = 0;
    for (size_t i = 0; i < eights.size(); ++i) {
      const int32_t fu = eights.u[i];
      below += (fu < eu || (fu == eu && eights.index[i] < n)) ? 1 : 0;
    }
    row.markTimes(1, N_, below);
  }

  void buildClass8Marks() {
    class8Marks_.assign(row_.size(), 0);
    if (members_[8].size() == 0) return;
    Row marks{class8Marks_.data()};
    // 1 and 8: [1, 1u]; 3 and 8: [3u, N]; 5 and 8: [5u, 5d]; 7 and 8: [lo, hi].
    for (int32_t fu : members_[1].u) marks.mark(1, fu);
    for (int32_t fu : members_[3].u) marks.mark(fu, N_);
    for (size_t i = 0; i < members_[5].size(); ++i) marks.mark(members_[5].u[i], members_[5].d[i]);
    for (size_t i = 0; i < members_[7].size(); ++i) marks.mark(members_[7].lo[i], members_[7].hi[i]);
  }

  std::span<const Connection> list_;
  int32_t N_;
  std::array<Members, 9> members_;
  std::vector<int32_t> row_;
  std::vector<int32_t> class8Marks_;
};

}  // namespace

void computeDepths(std::span<const Connection> list, int32_t contup, LevelTable& depths,
                   ProgressListener* progress) {
  const auto count = static_cast<int32_t>(list.size());
  depths.reset(contup, count);
  if (count == 0) return;
  const int32_t N = depths.contup();
  DepthGatherer gatherer(list, N);
  const size_t rowSize = gatherer.rowSize();
  const size_t stride = depths.stride();
  int32_t* table = depths.column(0);

  // Columns in use, from presence alone.
  std::vector<int32_t> inUse(rowSize, 0);

  for (int32_t n = 1; n <= count; ++n) {
    int32_t* row = gatherer.gather(n);
    const Interval passed = passedColumns(list[static_cast<size_t>(n) - 1], N);
    if (passed.first <= passed.second) {
      ++inUse[static_cast<size_t>(passed.first)];
      --inUse[static_cast<size_t>(passed.second) + 1];
    }
    // Sum the row into the table and clear it for the next connection.
    int32_t depth = 0;
    int32_t* out = table + n;
    for (size_t c = 0; c <= static_cast<size_t>(N); ++c, out += stride) {
      depth += row[c];
      row[c] = 0;
      *out = depth;
    }
    std::fill(row + N + 1, row + rowSize, 0);
    if (progress != nullptr && n < count) progress->Progress(n);
  }

  int32_t passing = 0;
  for (int32_t c = 0; c <= N; ++c) {
    passing += inUse[static_cast<size_t>(c)];
    table[static_cast<size_t>(c) * stride] = passing > 0 ? 1 : 0;
  }
}

}  // namespace zefrin
