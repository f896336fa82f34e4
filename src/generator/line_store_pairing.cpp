#include "generator/line_store_pairing.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "platform/seams/progress_listener.h"

namespace zefrin {

// How the depths are gathered. Every pair rule marks one connection E over
// the columns where an interval of the other connection F meets a window of
// E's own: "1 and 2: the class-2 one over [1, min of the two u]" is F's
// [1, F.u] seen through E's window [1, E.u]. Summed over all F of one class,
// the marks E receives are therefore a coverage profile of that class (how
// many of its intervals cover each column) read through E's window. The
// profiles are built once; each connection then costs a few passes over its
// columns. Where the rule picks between two connections of one class by
// their ends and list order, the class is swept in that order and the
// profile grows as it goes. Only class 7 with class 7 is taken pair by pair.
namespace {

struct Interval {
  int32_t first = 1;
  int32_t second = 0;  // empty when first > second
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

// Counts per column 0..N + 1, kept to the laid-out columns 1..N.
class Profile {
 public:
  explicit Profile(int32_t N) : N_(N), v_(static_cast<size_t>(N) + 2, 0) {}

  // Interval as a difference (+1 at first, -1 after second).
  void markDifference(int32_t first, int32_t second, int32_t times = 1) {
    first = std::max(first, 1);
    second = std::min(second, N_);
    if (first > second || times == 0) return;
    v_[static_cast<size_t>(first)] += times;
    v_[static_cast<size_t>(second) + 1] -= times;
  }
  // Interval added column by column.
  void cover(int32_t first, int32_t second) {
    for (int32_t c = std::max(first, 1), last = std::min(second, N_); c <= last; ++c) ++v_[static_cast<size_t>(c)];
  }
  // Differences to counts.
  void sum() { std::partial_sum(v_.begin(), v_.end(), v_.begin()); }
  void add(const Profile& other) {
    for (size_t c = 0; c < v_.size(); ++c) v_[c] += other.v_[c];
  }
  // Adds `source` over the columns [first, second].
  void addWindow(const Profile& source, int32_t first, int32_t second) {
    for (int32_t c = std::max(first, 1), last = std::min(second, N_); c <= last; ++c) {
      v_[static_cast<size_t>(c)] += source.v_[static_cast<size_t>(c)];
    }
  }
  void addAt(int32_t c, int32_t amount) {
    if (c >= 1 && c <= N_) v_[static_cast<size_t>(c)] += amount;
  }
  void clear() { std::fill(v_.begin(), v_.end(), 0); }
  int32_t* data() { return v_.data(); }

 private:
  int32_t N_;
  std::vector<int32_t> v_;
};

// The members of one class (0-based list positions), ordered by a key and
// then by list position.
std::vector<int32_t> orderedBy(std::vector<int32_t> members, std::span<const Connection> list,
                               int32_t Connection::*key) {
  std::stable_sort(members.begin(), members.end(), [&](int32_t a, int32_t b) {
    return list[static_cast<size_t>(a)].*key < list[static_cast<size_t>(b)].*key;
  });
  return members;
}

class DepthGatherer {
 public:
  DepthGatherer(std::span<const Connection> list, int32_t N, LevelTable& table, ProgressListener* progress)
      : list_(list), N_(N), table_(table), progress_(progress), differences_(N), direct_(N), swept_(N) {
    for (size_t i = 0; i < list.size(); ++i) {
      const int32_t cls = list[i].connectionClass;
      if (cls >= 1 && cls <= 8) members_[static_cast<size_t>(cls)].push_back(static_cast<int32_t>(i));
    }
    for (int32_t i : members_[7]) {
      if (list[static_cast<size_t>(i)].Fup != list[static_cast<size_t>(i)].Fdn) slanted_.push_back(i);
    }
    buildProfiles();
  }

  void run() {
    // Classes 1 and 3: E lies below every connection of its class before it
    // (after it) in (u, list order); classes 5 and 6 the same by d.
    sweep(1, &Connection::Fup, false);
    sweep(3, &Connection::Fup, true);
    sweep(5, &Connection::Fdn, false);
    sweep(6, &Connection::Fdn, true);
    // Classes 2, 4 and 8: how many of its class lie above it is its rank.
    ranked(2);
    ranked(4);
    ranked(8);
    for (int32_t i : members_[7]) gatherClass7(i);
    // Connections of no class have no depth; they still count as done.
    while (done_ < static_cast<int32_t>(list_.size())) finish(-1);
  }

 private:
  const Connection& at(int32_t i) const { return list_[static_cast<size_t>(i)]; }

  Profile coverage(int32_t cls, Interval (*shape)(const Connection&, int32_t)) const {
    Profile profile(N_);
    for (int32_t i : cls == 7 ? slanted_ : members_[static_cast<size_t>(cls)]) {
      const Interval interval = shape(at(i), N_);
      profile.markDifference(interval.first, interval.second);
    }
    profile.sum();
    return profile;
  }

  void buildProfiles() {
    auto left = +[](const Connection& k, int32_t) { return Interval{1, k.Fup}; };        // [1, u]
    auto right = +[](const Connection& k, int32_t N) { return Interval{k.Fup, N}; };     // [u, N]
    auto span = +[](const Connection& k, int32_t) {                                      // [lo, hi]
      return Interval{std::min(k.Fup, k.Fdn), std::max(k.Fup, k.Fdn)};
    };
    const Profile left1 = coverage(1, left);
    const Profile left2 = coverage(2, left);
    const Profile right3 = coverage(3, right);
    const Profile right4 = coverage(4, right);
    const Profile span5 = coverage(5, span);
    const Profile span7 = coverage(7, span);
    auto sumOf = [this](std::initializer_list<const Profile*> parts) {
      Profile total(N_);
      for (const Profile* part : parts) total.add(*part);
      return total;
    };
    // What marks each class, by the window it is read through:
    marks_[1] = sumOf({&span5});                                            // [1, u]
    marks_[2] = sumOf({&left1, &right3, &span5, &span7});                   // [1, u]
    marks_[3] = sumOf({&left1, &span5});                                    // [u, N]
    marks_[4] = sumOf({&left1, &left2, &right3, &span5, &span7});           // [u, N]
    marks_[6] = sumOf({&left1, &left2, &right3, &right4, &span5, &span7});  // [u, d]
    marks_[7] = sumOf({&left1, &right3, &span5});                           // [lo, hi]
    marks_[8] = sumOf({&left1, &right3, &span5, &span7});                   // [1, N]
    // 2 and 5 (and 2 and 6) mark only when the class-5 (class-6) u is below
    // the class-2 u: equal ones are taken back out.
    fiveStartsAt_.assign(static_cast<size_t>(N_) + 2, 0);
    twoEndsAt_.assign(static_cast<size_t>(N_) + 2, 0);
    for (int32_t i : members_[5]) {
      if (at(i).Fup >= 1 && at(i).Fup <= N_) ++fiveStartsAt_[static_cast<size_t>(at(i).Fup)];
    }
    for (int32_t i : members_[2]) {
      if (at(i).Fup >= 1 && at(i).Fup <= N_) ++twoEndsAt_[static_cast<size_t>(at(i).Fup)];
    }
  }

  // The window of E's own through which the class profile is read.
  Interval windowOf(const Connection& e) const {
    switch (e.connectionClass) {
      case 1: case 2: return {1, e.Fup};
      case 3: case 4: return {e.Fup, N_};
      case 5: case 6: return {e.Fup, e.Fdn};
      case 7: return {std::min(e.Fup, e.Fdn), std::max(e.Fup, e.Fdn)};
      case 8: return {1, N_};
      default: return {};
    }
  }

  // Presence and the marks from the other classes.
  void gatherCommon(const Connection& e) {
    const Interval passed = passedColumns(e, N_);
    differences_.markDifference(passed.first, passed.second);
    const Interval window = windowOf(e);
    const auto cls = static_cast<size_t>(e.connectionClass);
    if (cls != 5) direct_.addWindow(marks_[cls], window.first, window.second);
    const auto eights = static_cast<int32_t>(members_[8].size());
    switch (e.connectionClass) {
      case 2:  // 2 and 5 with equal u; 2 and 8
        if (e.Fup >= 1 && e.Fup <= N_) direct_.addAt(e.Fup, -fiveStartsAt_[static_cast<size_t>(e.Fup)]);
        differences_.markDifference(1, e.Fup, eights);
        break;
      case 4:  // 4 and 8
        differences_.markDifference(e.Fup, N_, eights);
        break;
      case 6:  // 2 and 6 with equal u; 6 and 8
        if (e.Fup >= 1 && e.Fup <= N_) direct_.addAt(e.Fup, -twoEndsAt_[static_cast<size_t>(e.Fup)]);
        differences_.markDifference(e.Fup, e.Fdn, eights);
        break;
      default:
        break;
    }
  }

  void sweep(int32_t cls, int32_t Connection::*key, bool fromTheEnd) {
    std::vector<int32_t> order = orderedBy(members_[static_cast<size_t>(cls)], list_, key);
    if (fromTheEnd) std::reverse(order.begin(), order.end());
    swept_.clear();
    for (int32_t i : order) {
      const Connection& e = at(i);
      gatherCommon(e);
      // The ones swept so far lie above E: 1 over [1, their u], 3 over
      // [their u, N], 5 and 6 over their overlap with E.
      const Interval window = windowOf(e);
      direct_.addWindow(swept_, window.first, window.second);
      if (cls == 1) swept_.cover(1, e.Fup);
      if (cls == 3) swept_.cover(e.Fup, N_);
      if (cls == 5 || cls == 6) swept_.cover(e.Fup, e.Fdn);
      finish(i);
    }
  }

  void ranked(int32_t cls) {
    const std::vector<int32_t> order = orderedBy(members_[static_cast<size_t>(cls)], list_, &Connection::Fup);
    const auto size = static_cast<int32_t>(order.size());
    for (int32_t rank = 0; rank < size; ++rank) {
      const int32_t i = order[static_cast<size_t>(rank)];
      const Connection& e = at(i);
      gatherCommon(e);
      switch (cls) {
        case 2: differences_.markDifference(1, e.Fup, size - 1 - rank); break;  // smaller u lies below
        case 4: differences_.markDifference(e.Fup, N_, rank); break;            // larger u lies below
        case 8: differences_.markDifference(1, N_, rank); break;                // larger u lies below
        default: break;
      }
      finish(i);
    }
  }

  void gatherClass7(int32_t i) {
    const Connection& e = at(i);
    if (e.Fup != e.Fdn) {
      gatherCommon(e);
      for (int32_t f : slanted_) markBetweenSevens(e.Fup, e.Fdn, at(f).Fup, at(f).Fdn);
    }
    finish(i);
  }

  // Class 7 with class 7, seen from E (ends eu, ed): A is the one with the
  // smaller u, B the other; only the marks that fall on E are applied.
  void markBetweenSevens(int32_t eu, int32_t ed, int32_t fu, int32_t fd) {
    if (eu == fu || ed == fd) return;  // also skips E itself
    const bool eIsA = eu < fu;
    const int32_t au = eIsA ? eu : fu;
    const int32_t ad = eIsA ? ed : fd;
    const int32_t bu = eIsA ? fu : eu;
    const int32_t bd = eIsA ? fd : ed;
    if (ad < au) {  // A runs down to the left
      if (ad < bd) {
        if (!eIsA) differences_.markDifference(bd, au);
      } else if (eIsA) {
        differences_.markDifference(ad, au - 1);
      } else {
        differences_.markDifference(au, au);
      }
    } else if (ad < bd) {  // A runs down to the right
      if (eIsA) differences_.markDifference(bu, ad);
    } else if (bu < bd) {
      if (eIsA) {
        differences_.markDifference(bu, bd - 1);
      } else {
        differences_.markDifference(bd, bd);
      }
    } else {
      const int32_t c = std::max(au, bd);
      if (eIsA) {
        differences_.markDifference(c + 1, std::min(ad, bu));
      } else {
        differences_.markDifference(c, c);
      }
    }
  }

  // Writes connection i's depths (none for i < 0) and clears the rows.
  void finish(int32_t i) {
    if (i >= 0) {
      int32_t* differences = differences_.data();
      int32_t* direct = direct_.data();
      const size_t stride = table_.stride();
      int32_t* out = table_.column(0) + i + 1;
      int32_t running = 0;
      for (int32_t c = 0; c <= N_; ++c, out += stride) {
        running += differences[c];
        *out = running + direct[c];
        differences[c] = 0;
        direct[c] = 0;
      }
      differences[N_ + 1] = 0;
    }
    ++done_;
    if (progress_ != nullptr && done_ < static_cast<int32_t>(list_.size())) progress_->Progress(done_);
  }

  std::span<const Connection> list_;
  int32_t N_;
  LevelTable& table_;
  ProgressListener* progress_;
  std::array<std::vector<int32_t>, 9> members_;
  std::vector<int32_t> slanted_;  // class 7 but not vertical
  std::array<Profile, 9> marks_{Profile(0), Profile(0), Profile(0), Profile(0), Profile(0),
                                Profile(0), Profile(0), Profile(0), Profile(0)};
  std::vector<int32_t> fiveStartsAt_;
  std::vector<int32_t> twoEndsAt_;
  Profile differences_;  // presence, whole-class counts and class 7 pairs
  Profile direct_;       // profiles read through windows
  Profile swept_;
  int32_t done_ = 0;
};

}  // namespace

void computeDepths(std::span<const Connection> list, int32_t contup, LevelTable& depths,
                   ProgressListener* progress) {
  const auto count = static_cast<int32_t>(list.size());
  depths.reset(contup, count);
  if (count == 0) return;
  const int32_t N = depths.contup();
  DepthGatherer(list, N, depths, progress).run();

  // Columns in use, from presence alone.
  Profile inUse(N);
  for (const Connection& k : list) {
    const Interval passed = passedColumns(k, N);
    inUse.markDifference(passed.first, passed.second);
  }
  inUse.sum();
  const int32_t* passing = inUse.data();
  for (int32_t c = 0; c <= N; ++c) depths.at(c, 0) = passing[c] > 0 ? 1 : 0;
}

}  // namespace zefrin
