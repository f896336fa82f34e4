// The recent-files list of the File menu: full paths, newest first, kept in
// the per-user settings store between runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/seams/settings_store.h"

namespace zefrin {

// Where the list lives in the settings store.
inline constexpr std::string_view kRecentFilesKey = "Software\\Kelvarn\\zefrin";

// The capacity at start-up (the File menu shows four entries) and the most a
// stored "MaxCount" may raise it to.
inline constexpr int32_t kDefaultRecentFiles = 4;
inline constexpr int32_t kMaxRecentFiles = 16;
// Longer stored entries are garbage, not paths.
inline constexpr size_t kMaxRecentPathLength = 4096;

class cMRUFileList {
 public:
  int32_t MaxFileCount() const;
  void setMaxFileCount(int32_t count);  // 0..kMaxRecentFiles; keeps the entries that still fit
  int32_t FileCount() const;
  const std::string& File(int32_t i) const;  // 1-based; empty outside the list
  bool FileExists(int32_t i) const;          // entry i is not empty
  // "&i)  " and the path, long paths shortened with "..." at a separator.
  std::string MenuCaption(int32_t i) const;
  void AddFile(std::string_view fileName);
  // True on success; an error stops at that point (what was read stays).
  bool Save(SettingsStore& store, std::string_view key = kRecentFilesKey) const;
  bool Load(const SettingsStore& store, std::string_view key = kRecentFilesKey);

 private:
  int32_t maxFileCount_ = kDefaultRecentFiles;
  std::vector<std::string> entries_;  // newest first, never more than maxFileCount_
};

}  // namespace zefrin
