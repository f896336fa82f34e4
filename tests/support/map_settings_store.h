// A settings store in memory for tests: values under (key, name), numbers
// and texts kept apart so a test can plant a value of the wrong kind, and a
// budget of writes after which the store refuses (a full or locked store).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "platform/seams/settings_store.h"

namespace zefrin::testing {

class MapSettingsStore final : public SettingsStore {
 public:
  using Value = std::variant<int32_t, std::string>;

  bool keyExists(std::string_view key) const override {
    auto it = values.lower_bound({std::string(key), std::string()});
    return it != values.end() && it->first.first == key;
  }
  std::optional<int32_t> readNumber(std::string_view key, std::string_view name) const override {
    const Value* v = find(key, name);
    if (v == nullptr || !std::holds_alternative<int32_t>(*v)) return std::nullopt;
    return std::get<int32_t>(*v);
  }
  std::optional<std::string> readText(std::string_view key, std::string_view name) const override {
    const Value* v = find(key, name);
    if (v == nullptr || !std::holds_alternative<std::string>(*v)) return std::nullopt;
    return std::get<std::string>(*v);
  }
  bool writeNumber(std::string_view key, std::string_view name, int32_t value) override {
    return write(key, name, value);
  }
  bool writeText(std::string_view key, std::string_view name, std::string_view value) override {
    return write(key, name, std::string(value));
  }

  void set(std::string_view key, std::string_view name, Value value) {
    values[{std::string(key), std::string(name)}] = std::move(value);
  }

  std::map<std::pair<std::string, std::string>, Value> values;
  std::optional<int> writesLeft;  // unset: unlimited

 private:
  const Value* find(std::string_view key, std::string_view name) const {
    auto it = values.find({std::string(key), std::string(name)});
    return it == values.end() ? nullptr : &it->second;
  }
  bool write(std::string_view key, std::string_view name, Value value) {
    if (writesLeft) {
      if (*writesLeft <= 0) return false;
      --*writesLeft;
    }
    set(key, name, std::move(value));
    return true;
  }
};

}  // namespace zefrin::testing
