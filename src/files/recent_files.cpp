#include "files/recent_files.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

namespace zefrin {

namespace {

// Paths are compared ignoring the case of ASCII letters; other characters
// must match exactly.
char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

// Characters, not bytes: a UTF-8 continuation byte does not start a character.
size_t characterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The longest tail of a path the menu shows after "...".
constexpr size_t kShownPathLength = 32;

// A long path loses its front: "..." and the path from the leftmost
// separator that has at most kShownPathLength characters after it (from the
// leftmost separator at all when the file name alone is longer).
std::string shownPath(const std::string& path) {
  if (characterCount(path) <= kShownPathLength) return path;
  std::optional<size_t> leftmostShort;
  std::optional<size_t> leftmost;
  bool someTailTooLong = false;
  for (size_t pos = 0; pos < path.size(); ++pos) {
    if (!isSeparator(path[pos])) continue;
    if (!leftmost) leftmost = pos;
    if (characterCount(std::string_view(path).substr(pos + 1)) <= kShownPathLength) {
      if (!leftmostShort) leftmostShort = pos;
    } else {
      someTailTooLong = true;
    }
  }
  if (!someTailTooLong) return path;
  std::string shown = "...";
  shown.append(path, leftmostShort ? *leftmostShort : *leftmost);
  return shown;
}

bool acceptableEntry(std::string_view name) { return !name.empty() && name.size() <= kMaxRecentPathLength; }

}  // namespace

int32_t cMRUFileList::MaxFileCount() const { return maxFileCount_; }

void cMRUFileList::setMaxFileCount(int32_t count) {
  maxFileCount_ = std::clamp(count, 0, kMaxRecentFiles);
  if (entries_.size() > static_cast<size_t>(maxFileCount_)) entries_.resize(static_cast<size_t>(maxFileCount_));
}

int32_t cMRUFileList::FileCount() const { return static_cast<int32_t>(entries_.size()); }

const std::string& cMRUFileList::File(int32_t i) const {
  static const std::string kNone;
  if (i < 1 || i > FileCount()) return kNone;
  return entries_[static_cast<size_t>(i - 1)];
}

bool cMRUFileList::FileExists(int32_t i) const { return !File(i).empty(); }

std::string cMRUFileList::MenuCaption(int32_t i) const {
  if (i < 1 || i > FileCount()) return {};
  std::string caption = "&";
  caption.append(std::to_string(i)).append(")  ").append(shownPath(File(i)));
  return caption;
}

void cMRUFileList::AddFile(std::string_view fileName) {
  // An empty name would only make a blank menu item.
  if (!acceptableEntry(fileName) || maxFileCount_ == 0) return;
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const std::string& entry) { return equalIgnoringCase(entry, fileName); });
  if (found != entries_.end()) {
    std::rotate(entries_.begin(), found, found + 1);
  } else {
    if (entries_.size() >= static_cast<size_t>(maxFileCount_)) entries_.pop_back();
    entries_.insert(entries_.begin(), std::string());
  }
  entries_.front() = std::string(fileName);
}

bool cMRUFileList::Save(SettingsStore& store, std::string_view key) const {
  if (!store.writeNumber(key, "MaxCount", maxFileCount_)) return false;
  if (!store.writeNumber(key, "Count", FileCount())) return false;
  for (int32_t i = 1; i <= FileCount(); ++i) {
    if (!store.writeText(key, "File" + std::to_string(i), File(i))) return false;
  }
  return true;
}

// The store may have been edited or cut short: every value is checked, the
// capacity stays within 1..kMaxRecentFiles, and no count read from it decides
// how much is allocated. Whatever could not be taken as stored makes the
// result false; what was read stays.
bool cMRUFileList::Load(const SettingsStore& store, std::string_view key) {
  if (!store.keyExists(key)) return true;  // nothing saved yet
  const std::optional<int32_t> maxCount = store.readNumber(key, "MaxCount");
  if (!maxCount || *maxCount < 1) return false;
  bool faithful = *maxCount <= kMaxRecentFiles;
  setMaxFileCount(*maxCount);

  const std::optional<int32_t> count = store.readNumber(key, "Count");
  if (!count || *count < 0) return false;
  if (*count > maxFileCount_) faithful = false;
  const int32_t toRead = std::min(*count, maxFileCount_);

  std::vector<std::string> read;
  for (int32_t i = 1; i <= toRead; ++i) {
    std::optional<std::string> entry = store.readText(key, "File" + std::to_string(i));
    if (!entry) {
      faithful = false;
      break;
    }
    const bool duplicate = std::any_of(read.begin(), read.end(),
                                       [&](const std::string& kept) { return equalIgnoringCase(kept, *entry); });
    if (!acceptableEntry(*entry) || duplicate) {
      faithful = false;
      continue;
    }
    read.push_back(std::move(*entry));
  }
  entries_ = std::move(read);
  return faithful;
}

}  // namespace zefrin
