// The line store: holds the connections a pattern or the manual mode makes
// for a run, lays them out column by column (which connection lies above
// which, and at what level), and turns each one into a route through the
// contour rails.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "generator/connection_sink.h"
#include "generator/line_store_connection.h"
#include "generator/line_store_table.h"
#include "generator/route.h"
#include "shapes/contour_rails.h"

namespace zefrin {

class Clock;
class Messenger;
class ProgressListener;

class ClGeneral final : public ConnectionSink {
 public:
  ClGeneral(Messenger& messenger, ProgressListener& progress, Clock& clock);

  // Number of columns and of side positions; set before filling.
  void setContup(int32_t contup);
  void setContleft(int32_t contleft);
  int32_t contup() const { return contup_; }
  int32_t contleft() const { return contleft_; }

  // Stores one connection in its class list, in that list's order. An end
  // above max(contup, contleft) is reported and the connection dropped; so
  // are, silently, negative positions, a column end of 0 or beyond contup,
  // and a class outside 1..8.
  void Add(int32_t connectionClass, int32_t Fup, int32_t Fdn, int32_t Fnm, int32_t colour,
           int32_t width) override;

  void deleteall();

  // Builds the general list (classes 5, 1, 3, 7, 8, 2, 4, 6) and lays it out.
  void general();

  int32_t UboundEntry() const { return static_cast<int32_t>(general_.size()); }

  // Route of connection n (1..UboundEntry) through the rails; n out of
  // range, or rails too short for it, gives an empty route.
  void marsh(int32_t n, const ContourRails& rails, Route& route) const;

  // The connections passing column 1 (column contup), in level order: Fnm in
  // x, level in y, colour and width.
  void LeftBorder(Route& route) const;
  void RightBorder(Route& route) const;

  // Removes the first connection carrying Fnm (classes 1..8 in turn); with
  // Fnm 0 the first connection of the first non-empty class. The layout stays
  // as it was until general runs again.
  void delete_i(int32_t Fnm);

  // Inspection after general(): connection n of the general list (1-based),
  // its level at a column, and the number of levels of a column. Out of
  // range gives an empty connection and 0.
  const Connection& connection(int32_t n) const;
  int32_t level(int32_t column, int32_t n) const;
  int32_t levelCount(int32_t column) const;

 private:
  bool acceptable(int32_t connectionClass, int32_t Fup, int32_t Fdn) const;
  void insertOrdered(Connection k);
  void borderAt(int32_t column, Route& route) const;

  Messenger& messenger_;
  ProgressListener& progress_;
  Clock& clock_;
  int32_t contup_ = 0;
  int32_t contleft_ = 0;
  std::array<std::vector<Connection>, 9> classLists_;  // index 1..8
  std::vector<Connection> general_;
  LevelTable levels_;  // of the last layout, over its own contup
};

}  // namespace zefrin
