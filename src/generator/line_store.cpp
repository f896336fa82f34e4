#include "generator/line_store.h"

#include <algorithm>
#include <utility>

#include "generator/line_store_layout.h"
#include "generator/line_store_pairing.h"
#include "platform/seams/clock.h"
#include "platform/seams/messenger.h"
#include "platform/seams/progress_listener.h"

namespace zefrin {

namespace {

constexpr const char* kRangeError = "Error! The entrance data exceed an allowable range.clgeneral";

// Classes whose first end (Fup) is a column; the second end (Fdn) is a
// column for classes 5, 6 and 7 only.
bool fupIsColumn(int32_t connectionClass) { return connectionClass >= 1 && connectionClass <= 7; }
bool fdnIsColumn(int32_t connectionClass) { return connectionClass >= 5 && connectionClass <= 7; }

// The order in which the class lists make up the general list.
constexpr int32_t kGeneralOrder[8] = {5, 1, 3, 7, 8, 2, 4, 6};

}  // namespace

ClGeneral::ClGeneral(Messenger& messenger, ProgressListener& progress, Clock& clock)
    : messenger_(messenger), progress_(progress), clock_(clock) {}

void ClGeneral::setContup(int32_t contup) { contup_ = contup; }
void ClGeneral::setContleft(int32_t contleft) { contleft_ = contleft; }

bool ClGeneral::acceptable(int32_t connectionClass, int32_t Fup, int32_t Fdn) const {
  if (connectionClass < 1 || connectionClass > 8) return false;
  if (Fup < 0 || Fdn < 0) return false;
  // Columns run 1..contup: column 0 of the rails is not part of the layout,
  // and a column beyond contup has no place in the level table.
  auto column = [this](int32_t c) { return c >= 1 && c <= contup_; };
  if (fupIsColumn(connectionClass) && !column(Fup)) return false;
  if (fdnIsColumn(connectionClass) && !column(Fdn)) return false;
  return true;
}

void ClGeneral::Add(int32_t connectionClass, int32_t Fup, int32_t Fdn, int32_t Fnm, int32_t colour,
                    int32_t width) {
  const int32_t limit = std::max(contup_, contleft_);
  if (Fup > limit || Fdn > limit) {
    messenger_.error(kRangeError);
    return;
  }
  if (!acceptable(connectionClass, Fup, Fdn)) return;
  insertOrdered(Connection{Fnm, connectionClass, Fup, Fdn, colour, width, 0});
}

void ClGeneral::insertOrdered(Connection k) {
  std::vector<Connection>& list = classLists_[static_cast<size_t>(k.connectionClass)];
  auto position = list.end();
  switch (k.connectionClass) {
    case 1: case 4: case 8:  // ascending Fup, equal ones in the order they came
      position = std::upper_bound(list.begin(), list.end(), k,
                                  [](const Connection& a, const Connection& b) { return a.Fup < b.Fup; });
      break;
    case 2: case 3: case 7:  // descending Fup, equal ones in the order they came
      position = std::upper_bound(list.begin(), list.end(), k,
                                  [](const Connection& a, const Connection& b) { return a.Fup > b.Fup; });
      break;
    case 5:  // before the first interval that strictly contains it
      if (k.Fup > k.Fdn) std::swap(k.Fup, k.Fdn);
      position = std::find_if(list.begin(), list.end(), [&k](const Connection& e) {
        return e.Fup < k.Fup && k.Fdn < e.Fdn;
      });
      break;
    case 6:  // before the first interval that it strictly contains
      if (k.Fup > k.Fdn) std::swap(k.Fup, k.Fdn);
      position = std::find_if(list.begin(), list.end(), [&k](const Connection& e) {
        return k.Fup < e.Fup && e.Fdn < k.Fdn;
      });
      break;
    default:
      return;
  }
  list.insert(position, k);
}

void ClGeneral::deleteall() {
  for (auto& list : classLists_) list.clear();
  general();
}

void ClGeneral::general() {
  general_.clear();
  for (int32_t cls : kGeneralOrder) {
    const auto& list = classLists_[static_cast<size_t>(cls)];
    general_.insert(general_.end(), list.begin(), list.end());
  }
  for (Connection& k : general_) k.group = 0;
  const int32_t count = UboundEntry();
  if (count == 0) {
    levels_.reset(0, 0);
    return;
  }
  assignGroups(general_, contup_, contleft_);

  progress_.InitProgress(count);
  const int64_t started = clock_.milliseconds();
  computeDepths(general_, contup_, levels_, &progress_);
  const int64_t seconds = (clock_.milliseconds() - started) / 1000;
  progress_.Complete(static_cast<int32_t>(seconds));

  assignLevels(general_, levels_);
}

void ClGeneral::delete_i(int32_t Fnm) {
  for (size_t cls = 1; cls <= 8; ++cls) {
    auto& list = classLists_[cls];
    auto found = Fnm == 0 ? list.begin()
                          : std::find_if(list.begin(), list.end(),
                                         [Fnm](const Connection& k) { return k.Fnm == Fnm; });
    if (found != list.end()) {
      list.erase(found);
      return;
    }
  }
}

const Connection& ClGeneral::connection(int32_t n) const {
  static const Connection kNone{};
  if (n < 1 || n > UboundEntry()) return kNone;
  return general_[static_cast<size_t>(n) - 1];
}

int32_t ClGeneral::level(int32_t column, int32_t n) const {
  return levels_.contains(column, n) ? levels_.at(column, n) : 0;
}

int32_t ClGeneral::levelCount(int32_t column) const { return level(column, 0); }

void ClGeneral::LeftBorder(Route& route) const { borderAt(1, route); }

void ClGeneral::RightBorder(Route& route) const { borderAt(levels_.contup(), route); }

void ClGeneral::borderAt(int32_t column, Route& route) const {
  route.clear();
  if (UboundEntry() == 0 || column < 1 || !levels_.contains(column, 0) || levels_.at(column, 0) == 0) return;
  const int32_t* levels = levels_.column(column);
  for (int32_t n = 1; n <= UboundEntry(); ++n) {
    if (levels[n] <= 0) continue;
    const Connection& k = general_[static_cast<size_t>(n) - 1];
    route.push_back(RoutePoint{k.Fnm, levels[n], k.colour, k.width});
  }
  // Level order; connections that share a level stay in list order.
  std::stable_sort(route.begin(), route.end(),
                   [](const RoutePoint& a, const RoutePoint& b) { return a.y < b.y; });
}

}  // namespace zefrin
