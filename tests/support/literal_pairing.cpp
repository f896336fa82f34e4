#include "support/literal_pairing.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zefrin::testing {

namespace {

class LiteralPairing {
 public:
  LiteralPairing(std::span<const Connection> list, int32_t contup)
      : list_(list), N_(std::max(contup, 0)),
        depth_(list.size() + 1, std::vector<int32_t>(static_cast<size_t>(N_) + 1, 0)),
        inUse_(static_cast<size_t>(N_) + 1, 0) {}

  LevelTable run() {
    const auto count = static_cast<int32_t>(list_.size());
    // Presence.
    for (int32_t n = 1; n <= count; ++n) {
      const Connection& k = at(n);
      int32_t a = 1;
      int32_t b = 0;
      switch (k.connectionClass) {
        case 1: case 2: a = 1; b = k.Fup; break;
        case 3: case 4: a = k.Fup; b = N_; break;
        case 5: case 6: a = k.Fup; b = k.Fdn; break;
        case 7:
          if (k.Fup != k.Fdn) {
            a = std::min(k.Fup, k.Fdn);
            b = std::max(k.Fup, k.Fdn);
          }
          break;
        case 8: a = 1; b = N_; break;
        default: break;
      }
      for (int32_t c = std::max(a, 1); c <= std::min(b, N_); ++c) {
        depth_[static_cast<size_t>(n)][static_cast<size_t>(c)] = 1;
        inUse_[static_cast<size_t>(c)] = 1;
      }
    }
    // Pairing.
    for (int32_t j = 1; j < count; ++j) {
      for (int32_t k = j + 1; k <= count; ++k) pair(j, k);
    }
    LevelTable table;
    table.reset(N_, count);
    for (int32_t c = 0; c <= N_; ++c) {
      table.at(c, 0) = inUse_[static_cast<size_t>(c)];
      for (int32_t n = 1; n <= count; ++n) table.at(c, n) = depth_[static_cast<size_t>(n)][static_cast<size_t>(c)];
    }
    return table;
  }

 private:
  const Connection& at(int32_t n) const { return list_[static_cast<size_t>(n) - 1]; }

  void mark(int32_t e, int32_t a, int32_t b) {
    for (int32_t c = std::max(a, 1); c <= std::min(b, N_); ++c) depth_[static_cast<size_t>(e)][static_cast<size_t>(c)] += 1;
  }
  void addAt(int32_t e, int32_t c) { mark(e, c, c); }

  // X = connection x, Y = connection y (x < y). P is the one of the lower
  // class (X when the classes are equal), Q the other.
  void pair(int32_t x, int32_t y) {
    int32_t p = x;
    int32_t q = y;
    if (at(x).connectionClass > at(y).connectionClass) std::swap(p, q);
    const Connection& P = at(p);
    const Connection& Q = at(q);
    const int32_t N = N_;
    auto vertical = [](const Connection& k) { return k.Fup == k.Fdn; };
    auto lo = [](const Connection& k) { return std::min(k.Fup, k.Fdn); };
    auto hi = [](const Connection& k) { return std::max(k.Fup, k.Fdn); };
    switch (P.connectionClass * 10 + Q.connectionClass) {
      case 11:
        if (P.Fup > Q.Fup) mark(p, 1, Q.Fup); else mark(q, 1, P.Fup);
        break;
      case 12: mark(q, 1, std::min(P.Fup, Q.Fup)); break;
      case 13: mark(q, Q.Fup, P.Fup); break;
      case 14: mark(q, Q.Fup, P.Fup); break;
      case 15: mark(p, Q.Fup, std::min(Q.Fdn, P.Fup)); break;
      case 16: mark(q, Q.Fup, std::min(Q.Fdn, P.Fup)); break;
      case 17: if (!vertical(Q)) mark(q, lo(Q), std::min(hi(Q), P.Fup)); break;
      case 18: mark(q, 1, P.Fup); break;
      case 22:
        if (Q.Fup < P.Fup) mark(q, 1, Q.Fup); else mark(p, 1, P.Fup);
        break;
      case 23: mark(p, Q.Fup, P.Fup); break;
      case 24: mark(q, Q.Fup, P.Fup); break;
      case 25: if (Q.Fup < P.Fup) mark(p, Q.Fup, std::min(Q.Fdn, P.Fup)); break;
      case 26: if (Q.Fup < P.Fup) mark(q, Q.Fup, std::min(Q.Fdn, P.Fup)); break;
      case 27: if (!vertical(Q)) mark(p, lo(Q), std::min(hi(Q), P.Fup)); break;
      case 28: mark(p, 1, P.Fup); break;
      case 33:
        if (Q.Fup < P.Fup) mark(q, P.Fup, N); else mark(p, Q.Fup, N);
        break;
      case 34: mark(q, std::max(P.Fup, Q.Fup), N); break;
      case 35: if (Q.Fdn >= P.Fup) mark(p, std::max(P.Fup, Q.Fup), Q.Fdn); break;
      case 36: if (Q.Fdn >= P.Fup) mark(q, std::max(P.Fup, Q.Fup), Q.Fdn); break;
      case 37: if (!vertical(Q)) mark(q, std::max(lo(Q), P.Fup), hi(Q)); break;
      case 38: mark(q, P.Fup, N); break;
      case 44:
        if (P.Fup > Q.Fup) mark(p, P.Fup, N); else mark(q, Q.Fup, N);
        break;
      case 45: if (Q.Fdn >= P.Fup) mark(p, std::max(P.Fup, Q.Fup), Q.Fdn); break;
      case 46: if (Q.Fdn >= P.Fup) mark(q, std::max(P.Fup, Q.Fup), Q.Fdn); break;
      case 47: if (!vertical(Q)) mark(p, std::max(lo(Q), P.Fup), hi(Q)); break;
      case 48: mark(p, P.Fup, N); break;
      case 55: {
        const int32_t a = std::max(P.Fup, Q.Fup);
        const int32_t b = std::min(P.Fdn, Q.Fdn);
        if (P.Fdn > Q.Fdn) mark(p, a, b); else mark(q, a, b);
        break;
      }
      case 56: mark(q, std::max(P.Fup, Q.Fup), std::min(P.Fdn, Q.Fdn)); break;
      case 57: if (!vertical(Q)) mark(q, std::max(P.Fup, lo(Q)), std::min(P.Fdn, hi(Q))); break;
      case 58: mark(q, P.Fup, P.Fdn); break;
      case 66: {
        const int32_t a = std::max(P.Fup, Q.Fup);
        const int32_t b = std::min(P.Fdn, Q.Fdn);
        if (Q.Fdn < P.Fdn) mark(q, a, b); else mark(p, a, b);
        break;
      }
      case 67: if (!vertical(Q)) mark(p, std::max(P.Fup, lo(Q)), std::min(P.Fdn, hi(Q))); break;
      case 68: mark(p, P.Fup, P.Fdn); break;
      case 77: sevens(p, q); break;
      case 78: if (!vertical(P)) mark(q, lo(P), hi(P)); break;
      case 88:
        if (P.Fup > Q.Fup) mark(p, 1, N); else mark(q, 1, N);
        break;
      default: break;
    }
  }

  void sevens(int32_t p, int32_t q) {
    const Connection& P = at(p);
    const Connection& Q = at(q);
    if (P.Fup == P.Fdn || Q.Fup == Q.Fdn || P.Fup == Q.Fup || P.Fdn == Q.Fdn) return;
    const bool pIsA = P.Fup < Q.Fup;
    const int32_t a = pIsA ? p : q;
    const int32_t b = pIsA ? q : p;
    const Connection& A = at(a);
    const Connection& B = at(b);
    if (A.Fdn < A.Fup) {
      if (A.Fdn < B.Fdn) {
        mark(b, B.Fdn, A.Fup);
      } else {
        addAt(b, A.Fup);
        mark(a, A.Fdn, A.Fup - 1);
      }
    } else {
      if (A.Fdn < B.Fdn) {
        mark(a, B.Fup, A.Fdn);
      } else if (B.Fup < B.Fdn && B.Fdn <= A.Fdn) {
        addAt(b, B.Fdn);
        mark(a, B.Fup, B.Fdn - 1);
      } else if (B.Fdn < B.Fup && B.Fdn <= A.Fdn) {
        const int32_t c = std::max(A.Fup, B.Fdn);
        addAt(b, c);
        mark(a, c + 1, std::min(A.Fdn, B.Fup));
      }
    }
  }

  std::span<const Connection> list_;
  int32_t N_;
  std::vector<std::vector<int32_t>> depth_;  // per connection, per column
  std::vector<int32_t> inUse_;
};

}  // namespace

LevelTable literalDepths(std::span<const Connection> list, int32_t contup) {
  return LiteralPairing(list, contup).run();
}

void literalLevels(std::span<const Connection> list, LevelTable& table) {
  for (int32_t c = 1; c <= table.contup(); ++c) {
    if (table.at(c, 0) == 0) continue;
    std::vector<int32_t> order;
    for (int32_t n = 1; n <= table.count(); ++n) {
      if (table.at(c, n) > 0) order.push_back(n);
    }
    // Exchange sort by depth; only a strictly deeper one moves down.
    for (size_t i = 0; i + 1 < order.size(); ++i) {
      for (size_t j = 0; j + 1 < order.size() - i; ++j) {
        if (table.at(c, order[j]) > table.at(c, order[j + 1])) std::swap(order[j], order[j + 1]);
      }
    }
    int32_t level = 0;
    for (size_t i = 0; i < order.size(); ++i) {
      const int32_t n = order[i];
      if (i == 0 || list[static_cast<size_t>(n) - 1].group != list[static_cast<size_t>(order[i - 1]) - 1].group) ++level;
      table.at(c, n) = level;
    }
    table.at(c, 0) = level;
  }
}

}  // namespace zefrin::testing
