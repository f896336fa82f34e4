// The per-user settings store over QSettings, in an INI file: the
// organisation "Kelvarn", the application "zefrin". A key such as
// "Software\Kelvarn\zefrin" becomes a group; numbers are written and read as
// plain digits whatever the user's locale, and values that do not read as
// what was asked for give nothing.
#pragma once

#include <memory>
#include <string>

#include "platform/seams/settings_store.h"

class QSettings;

namespace zefrin {

class QtSettingsStore final : public SettingsStore {
 public:
  // The per-user file, or the given INI file (tests).
  explicit QtSettingsStore(const std::string& iniFile = {});
  ~QtSettingsStore() override;
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  bool keyExists(std::string_view key) const override;
  std::optional<int32_t> readNumber(std::string_view key, std::string_view name) const override;
  std::optional<std::string> readText(std::string_view key, std::string_view name) const override;
  bool writeNumber(std::string_view key, std::string_view name, int32_t value) override;
  bool writeText(std::string_view key, std::string_view name, std::string_view value) override;

 private:
  bool synced();
  std::unique_ptr<QSettings> settings_;
};

}  // namespace zefrin
