// The per-user settings store: numbers and texts under a key. The desktop
// program keeps them with QSettings; tests use a map. Reads of a value that is
// missing or of the wrong kind give nullopt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zefrin {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual bool keyExists(std::string_view key) const = 0;
  virtual std::optional<int32_t> readNumber(std::string_view key, std::string_view name) const = 0;
  virtual std::optional<std::string> readText(std::string_view key, std::string_view name) const = 0;
  // False when the store refused the write.
  virtual bool writeNumber(std::string_view key, std::string_view name, int32_t value) = 0;
  virtual bool writeText(std::string_view key, std::string_view name, std::string_view value) = 0;
};

}  // namespace zefrin
