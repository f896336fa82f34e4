#include "generator/manual_connection_text.h"

#include <algorithm>

#include "platform/numbers.h"

namespace zefrin {

namespace {

constexpr size_t kRecordLength = 19;

// Characters first..last (1-based) of a record, cut short where the record
// is; a field beyond its end is empty.
std::string_view field(std::string_view record, size_t first, size_t last) {
  if (first > record.size()) return {};
  return record.substr(first - 1, last - first + 1);
}

// The colour field keeps a negative number's sign after its padding zeros
// ("00000000-1"): what follows the "-" is the magnitude.
int32_t readColour(std::string_view text) {
  bool negative = false;
  if (const size_t minus = text.find('-'); minus != std::string_view::npos) {
    negative = true;
    text = text.substr(minus + 1);
  }
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  const int32_t value = leadingInteger(text);
  return negative ? -value : value;
}

}  // namespace

std::vector<ManualRecord> readManualConnectionText(std::string_view text) {
  const auto count = static_cast<size_t>(
      std::max(0, roundHalfEven(static_cast<double>(text.size()) / kRecordLength)));
  std::vector<ManualRecord> records;
  records.reserve(count);
  for (size_t r = 0; r < count; ++r) {
    const size_t start = r * kRecordLength;
    const std::string_view record = start < text.size() ? text.substr(start, kRecordLength) : std::string_view{};
    records.push_back({leadingInteger(field(record, 1, 2)), leadingInteger(field(record, 3, 4)),
                       leadingInteger(field(record, 5, 6)), readColour(field(record, 7, 16)),
                       leadingInteger(field(record, 17, 19))});
  }
  return records;
}

void addManualConnections(ConnectionSink& store, std::string_view text, int32_t N, int32_t M) {
  for (ManualRecord r : readManualConnectionText(text)) {
    // Each end is held to the side it lies on: columns for the up and down
    // sides, slots for the right and left.
    if (r.connectionClass >= 5 && r.connectionClass <= 7) {
      r.Fup = std::min(r.Fup, N);
      r.Fdn = std::min(r.Fdn, N);
    } else if (r.connectionClass == 8) {
      r.Fup = std::min(r.Fup, M);
      r.Fdn = std::min(r.Fdn, M);
    } else if (r.connectionClass >= 1 && r.connectionClass <= 4) {
      r.Fup = std::min(r.Fup, N);
      r.Fdn = std::min(r.Fdn, M);
    }
    store.Add(r.connectionClass, r.Fup, r.Fdn, 0, r.colour, r.width);
  }
}

}  // namespace zefrin
