// The recent-files list of the File menu: full paths, newest first, kept in
// the per-user settings store between runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/seams/settings_store.h"

namespace zefrin {

// Where the list lives in the settings store.
inline constexpr std::string_view kRecentFilesKey = "Software\\Kelvarn\\zefrin";

class cMRUFileList {
 public:
  int32_t MaxFileCount() const;
  void setMaxFileCount(int32_t count);  // keeps the entries that still fit
  int32_t FileCount() const;
  const std::string& File(int32_t i) const;  // 1-based; empty outside the list
  bool FileExists(int32_t i) const;          // entry i is not empty
  // "&i)  " and the path, long paths shortened with "..." at a separator.
  std::string MenuCaption(int32_t i) const;
  void AddFile(std::string_view fileName);
  // True on success; an error stops at that point (what was read stays).
  bool Save(SettingsStore& store, std::string_view key = kRecentFilesKey) const;
  bool Load(const SettingsStore& store, std::string_view key = kRecentFilesKey);
};

}  // namespace zefrin
