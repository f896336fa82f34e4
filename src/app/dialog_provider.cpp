#include "app/dialog_provider.h"

namespace zefrin {

std::vector<FileFilter> filtersFromText(const std::string& filterText) {
  std::vector<FileFilter> filters;
  std::vector<std::string> parts;
  std::string current;
  for (char c : filterText) {
    if (c == '|') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(current);
  for (size_t i = 0; i + 1 < parts.size(); i += 2) filters.push_back({parts[i], parts[i + 1]});
  return filters;
}

}  // namespace zefrin
