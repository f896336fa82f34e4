#include "generator/start_generation.h"

namespace zefrin {

void startGeneration(igen& generator, const GenSet& genset, std::string_view manualText,
                     std::string_view sborder) {
  generator.decodestr(paramsFromGenset(genset), manualText, sborder);
}

std::string_view borderTextForRun(int32_t selectorshape, const std::string& storedOutline) {
  if (selectorshape >= 3) return storedOutline;
  return {};
}

}  // namespace zefrin
