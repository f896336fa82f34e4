// The level table of the line store: one 32-bit count per column 0..contup
// and connection 0..count. During layout it holds depths, afterwards levels;
// the entry of connection 0 belongs to the column itself (in use, then its
// number of levels). Stored column by column, so the connections of one
// column lie side by side: the level step walks columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zefrin {

class LevelTable {
 public:
  // All entries zero; keeps the memory of earlier runs.
  void reset(int32_t contup, int32_t count) {
    contup_ = contup < 0 ? 0 : contup;
    count_ = count < 0 ? 0 : count;
    stride_ = static_cast<std::size_t>(count_) + 1;
    cells_.assign((static_cast<std::size_t>(contup_) + 1) * stride_, 0);
  }

  int32_t contup() const { return contup_; }
  int32_t count() const { return count_; }
  // Distance between the same connection's entries in neighbouring columns.
  std::size_t stride() const { return stride_; }

  bool contains(int32_t column, int32_t n) const {
    return column >= 0 && column <= contup_ && n >= 0 && n <= count_;
  }
  int32_t at(int32_t column, int32_t n) const { return cells_[index(column, n)]; }
  int32_t& at(int32_t column, int32_t n) { return cells_[index(column, n)]; }

  // Entries of connections 0..count at one column.
  int32_t* column(int32_t c) { return cells_.data() + static_cast<std::size_t>(c) * stride_; }
  const int32_t* column(int32_t c) const { return cells_.data() + static_cast<std::size_t>(c) * stride_; }

  bool operator==(const LevelTable&) const = default;

 private:
  std::size_t index(int32_t column, int32_t n) const {
    return static_cast<std::size_t>(column) * stride_ + static_cast<std::size_t>(n);
  }

  int32_t contup_ = 0;
  int32_t count_ = 0;
  std::size_t stride_ = 1;
  std::vector<int32_t> cells_;
};

}  // namespace zefrin
